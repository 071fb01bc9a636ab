// One running copy of the editor for the X11 clipboard test: it copies a card object and keeps serving
// the clipboard, or it pastes and prints what arrived on the worksheet.
//   clipboard_peer copy-label TEXT   copy a 20-point red label with gap 4, serve until another owner
//   clipboard_peer copy-picture      copy a 64 x 32 JPEG picture with Tag 1, serve likewise
//   clipboard_peer paste             paste once and print one line per card object
#include "app/unit3.h"
#include "controls/LabelEx.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "jpeg/jpeg_image.h"
#include "platform/application.h"
#include "platform/console_modal.h"

#include <QBuffer>
#include <QClipboard>
#include <QPainter>
#include <QTimer>
#include <cstdio>

namespace {

void say(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

QString describe(QWidget *object)
{
    if (auto *label = dynamic_cast<TLabelEx *>(object))
        return QStringLiteral("label left=%1 top=%2 caption=%3 font=%4 size=%5 gap=%6 color=%7")
            .arg(label->x())
            .arg(label->y())
            .arg(QString(label->Caption()).replace(QStringLiteral("\r\n"), QStringLiteral("|")))
            .arg(label->Font().Name())
            .arg(label->Font().Size())
            .arg(label->Gap())
            .arg(label->Font().Color(), 6, 16, QChar(u'0'));
    if (auto *picture = dynamic_cast<TImage *>(object))
        return QStringLiteral("picture left=%1 top=%2 width=%3 height=%4 tag=%5 class=%6")
            .arg(picture->x())
            .arg(picture->y())
            .arg(picture->width())
            .arg(picture->height())
            .arg(picture->Tag())
            .arg(picture->Picture().Graphic() ? picture->Picture().Graphic()->ClassName() : QString());
    return QStringLiteral("shape");
}

QByteArray sampleJpeg()
{
    QImage pixels(64, 32, QImage::Format_RGB32);
    pixels.fill(Qt::darkGreen);
    QPainter(&pixels).fillRect(0, 0, 32, 32, Qt::yellow);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    pixels.save(&buffer, "JPG");
    return bytes;
}

} // namespace

int main(int argc, char **argv)
{
    GuardedApplication app(argc, argv);
    auto *console = new ConsoleModalSeam;
    Application().SetModal(std::unique_ptr<ModalSeam>(console));
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    TForm3 form;
    form.RebuildWorkSheet(455, 275);

    if (mode == QLatin1String("paste")) {
        form.EditPasteClick();
        for (const QString &message : console->messages)
            say(QStringLiteral("message ") + message);
        for (QWidget *object : form.ObjectList)
            say(describe(object));
        return 0;
    }

    TGraphicControl *object = nullptr;
    if (mode == QLatin1String("copy-label") && argc > 2) {
        auto *label = new TLabelEx(form.DrawPanel);
        label->SetCaption(
            QString::fromLocal8Bit(argv[2]).replace(QStringLiteral("\\n"), QStringLiteral("\r\n")));
        label->Font().SetName(QStringLiteral("IPAPGothic"));
        label->Font().SetSize(20);
        label->Font().SetColor(0x0000FF);
        label->SetGap(4);
        label->SetTransparent(true);
        label->SetBounds(100, 80, 200, 40);
        label->SetAutoSize(false);
        object = label;
    } else if (mode == QLatin1String("copy-picture")) {
        auto *picture = new TImage(form.DrawPanel);
        auto jpeg = std::make_unique<TJPEGImage>();
        jpeg->LoadFromBytes(sampleJpeg());
        picture->Picture().SetGraphic(std::move(jpeg));
        picture->SetStretch(true);
        picture->SetBounds(100, 80, 128, 64);
        picture->SetTag(1);
        object = picture;
    } else {
        std::fprintf(stderr, "usage: clipboard_peer copy-label TEXT | copy-picture | paste\n");
        return 2;
    }
    form.AttachCardObject(object);
    form.SelectObject(object, object->Top(), object->Left(), object->Height(), object->Width());
    form.EditCopyClick();
    say(QStringLiteral("copied ") + describe(object));
    // Serve the clipboard until another client owns it, or give up after a while.
    QObject::connect(QApplication::clipboard(), &QClipboard::dataChanged, &app, [] {
        if (!QApplication::clipboard()->ownsClipboard())
            QApplication::quit();
    });
    QTimer::singleShot(60000, &app, &QApplication::quit);
    return app.exec();
}
