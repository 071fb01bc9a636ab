// The benchmarks' sample card: a photo background and objects spread over the card, shapes and
// Japanese labels in turn.
#pragma once

#include "app/unit3.h"
#include "controls/LabelEx.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "document/zrd_format.h"

#include <QByteArray>

// The JPEG file as the worksheet's background picture, stored as a document stores it.
inline void SetJpegBackground(TForm3 &form, const QByteArray &jpeg)
{
    form.BackgroundPicture->Picture().ReadData(QByteArray("\x0aTJPEGImage") + ZrdInt32(qint32(jpeg.size())) +
                                               jpeg);
}

// `count` objects over the default card, every shape kind and four pen widths.
inline void AddMixedObjects(TForm3 &form, int count)
{
    for (int i = 0; i < count; ++i) {
        const int x = (i * 37) % 430, y = (i * 53) % 250;
        if (i % 2 == 0) {
            auto *shape = new TQVShape(form.DrawPanel);
            shape->SetShape(TQVShapeType(i % 8));
            shape->SetBounds(x, y, 20, 12);
            shape->Pen().SetWidth(i % 4);
            form.AttachCardObject(shape);
        } else {
            auto *label = new TLabelEx(form.DrawPanel);
            label->SetAutoSize(false);
            label->SetTransparent(true);
            label->SetCaption(QStringLiteral("名刺 %1").arg(i));
            label->SetBounds(x, y, 60, 16);
            form.AttachCardObject(label);
        }
    }
}
