// Building template cards with the editor's own objects and saving them with SaveDocument.
#include "card_builder.h"

#include "app/unit3.h"
#include "controls/LabelEx.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "jpeg/jpeg_image.h"

#include <QBuffer>
#include <cstdio>

void CardBuilder::Start(bool vertical)
{
    form_.WorkSheetWidthMM = vertical ? 55.0f : 91.0f;
    form_.WorkSheetHeightMM = vertical ? 91.0f : 55.0f;
    form_.WorkSheetWidthPx = vertical ? 275 : 455;
    form_.WorkSheetHeightPx = vertical ? 455 : 275;
    PageLayout layout;
    layout.PaperWidth = 210.0f;
    layout.PaperHeight = 297.0f;
    layout.MeasureUnit = 1;
    // Lying cards two by five, standing cards three by three, centred on A4.
    layout.Retu = vertical ? 3 : 2;
    layout.Dann = vertical ? 3 : 5;
    layout.LeftMargin = vertical ? 22.5f : 14.0f;
    layout.TopMargin = vertical ? 12.0f : 11.0f;
    form_.PageLayout = layout;
    form_.RebuildWorkSheet(form_.WorkSheetWidthPx, form_.WorkSheetHeightPx);
    form_.BackgroundPicture->SetVisible(false);
}

int CardBuilder::Width() const
{
    return form_.WorkSheetWidthPx;
}

int CardBuilder::Height() const
{
    return form_.WorkSheetHeightPx;
}

TLabelEx *CardBuilder::Text(const QString &caption, const TextStyle &style, int x, int y, Anchor anchor)
{
    auto *label = new TLabelEx(form_.DrawPanel);
    label->SetCursor(crHandPoint);
    label->SetTransparent(true);
    label->SetCaption(caption);
    TFont font;
    font.SetName(style.face);
    font.SetSize(style.points);
    font.SetColor(style.color);
    font.SetStyle(style.bold ? fsBold : 0);
    font.SetCharset(SHIFTJIS_CHARSET);
    label->SetFont(font);
    label->SetGap(style.gap);
    // Fitted to the text as the editor fits a typed label: auto-size on and off, one pixel wider.
    label->SetAutoSize(true);
    label->AdjustBounds();
    label->SetAutoSize(false);
    label->SetWidth(label->width() + 1);
    const int w = label->width();
    label->SetLeft(anchor == Left ? x : anchor == Right ? x - w : x - w / 2);
    label->SetTop(y);
    form_.AttachCardObject(label);
    return label;
}

void CardBuilder::Lines(const QStringList &lines, const TextStyle &style, int x, int y, int step,
                        Anchor anchor)
{
    for (const QString &line : lines) {
        Text(line, style, x, y, anchor);
        y += step;
    }
}

TQVShape *CardBuilder::Shape(TQVShapeType type, QRect box, TColor pen, int penWidth, TColor fill)
{
    auto *shape = new TQVShape(form_.DrawPanel);
    shape->SetCursor(crHandPoint);
    shape->SetShape(type);
    shape->SetLeft(box.left());
    shape->SetTop(box.top());
    shape->SetWidth(box.width());
    shape->SetHeight(box.height());
    shape->Pen().SetWidth(penWidth);
    if (pen == clNone)
        shape->Pen().SetStyle(psClear);
    else
        shape->Pen().SetColor(pen);
    if (fill == clNone) {
        shape->Brush().SetStyle(bsClear);
    } else {
        shape->Brush().SetStyle(bsSolid);
        shape->Brush().SetColor(fill);
    }
    form_.AttachCardObject(shape);
    return shape;
}

TQVShape *CardBuilder::Band(QRect box, TColor color)
{
    return Shape(qvstRectangle, box, color, 1, color);
}

TImage *CardBuilder::Picture(const QImage &image, QRect box)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetImage(image);
    auto *picture = new TImage(form_.DrawPanel);
    picture->SetCursor(crHandPoint);
    picture->Picture().SetGraphic(std::move(bitmap));
    picture->SetStretch(true);
    picture->SetBounds(box.left(), box.top(), box.width(), box.height());
    form_.AttachCardObject(picture);
    return picture;
}

void CardBuilder::Background(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB888).save(&buffer, "JPG", 90);
    auto jpeg = std::make_unique<TJPEGImage>();
    jpeg->LoadFromBytes(bytes);
    form_.BackgroundPicture->Picture().SetGraphic(std::move(jpeg));
    form_.BackgroundPicture->SetVisible(true);
}

bool CardBuilder::Save(const QString &path)
{
    try {
        form_.SaveDocument(path);
        return true;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "make_templates: %s: %s\n", qPrintable(path), error.what());
        return false;
    }
}
