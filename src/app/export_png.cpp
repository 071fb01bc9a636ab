// Exporting a card as an image.
#include "app/export_png.h"

#include "app/unit3.h"
#include "controls/image.h"
#include "layout/card_copy.h"
#include "platform/application.h"
#include "platform/broken_picture.h"
#include "platform/config_paths.h"
#include "platform/console_modal.h"

#include <QBuffer>
#include <QImage>
#include <cstdio>

int ExportPng(const QString &documentPath, const QString &outputPath, int dpi)
{
    // Every message the window would show goes to stderr instead.
    std::unique_ptr<ModalSeam> previous = Application().SetModal(std::make_unique<ConsoleModalSeam>());
    int status = 1;
    RunGuarded([&] {
        TForm3 form;
        if (form.LoadDocument(documentPath) != 0)
            return;
        const UndrawablePictures undrawable;
        QImage image = RenderCardImage(*form.BackgroundPicture, form.ObjectList, form.WorkSheetWidthPx,
                                       form.WorkSheetHeightPx, dpi);
        // An image with a placeholder where a picture should be is no success.
        if (!undrawable.List().isEmpty()) {
            Application().MessageBox(undrawable.List().join(u'\n'), Application().Title, MB_OK);
            return;
        }
        const int dotsPerMetre = int(dpi / 0.0254 + 0.5);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QString error;
        if (!image.save(&buffer, "PNG"))
            error = QStringLiteral("the image could not be encoded");
        else if (WriteFileAtomically(outputPath, png, &error))
            status = 0;
        if (status != 0)
            Application().MessageBox(QStringLiteral("Cannot write \"%1\": %2").arg(outputPath, error),
                                     Application().Title, MB_OK);
    });
    Application().SetModal(std::move(previous));
    return status;
}
