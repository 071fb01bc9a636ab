// The open dialog for pictures: the file list with a preview of the selected picture beside it.
#include "platform/picture_file_dialog.h"

#include "platform/picture.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <exception>

namespace {

constexpr int PreviewSide = 180;

// The picture fitted into the preview square, on the dialog's own background; null when it cannot
// be read.
QPixmap previewOf(const QString &path, QString *caption)
{
    TPicture picture;
    try {
        picture.LoadFromFile(path);
    } catch (const std::exception &error) {
        *caption = QString::fromUtf8(error.what());
        return {};
    }
    *caption = QStringLiteral("%1 × %2").arg(picture.Width()).arg(picture.Height());
    if (picture.Empty() || picture.Width() <= 0 || picture.Height() <= 0)
        return {};
    const QSize fitted =
        QSize(picture.Width(), picture.Height()).scaled(PreviewSide, PreviewSide, Qt::KeepAspectRatio);
    QPixmap pixmap(fitted.expandedTo(QSize(1, 1)));
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    picture.Graphic()->Draw(painter, QRect(QPoint(0, 0), pixmap.size()));
    return pixmap;
}

} // namespace

QString PicturePreviewCaption(const QString &path)
{
    QString caption;
    previewOf(path, &caption);
    return caption;
}

QString OpenPictureFileName(QWidget *owner, const QString &title, const QString &start, const QString &filter)
{
    QFileDialog dialog(owner, title);
    // The native dialog has no room for the preview.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filter.split(QStringLiteral(";;")));
    const QFileInfo startInfo(start);
    if (startInfo.isDir()) {
        dialog.setDirectory(start);
    } else {
        dialog.setDirectory(startInfo.absolutePath());
        if (!startInfo.fileName().contains(u'*'))
            dialog.selectFile(startInfo.fileName());
    }

    auto *box = new QWidget(&dialog);
    auto *column = new QVBoxLayout(box);
    auto *image = new QLabel(box);
    image->setFixedSize(PreviewSide + 8, PreviewSide + 8);
    image->setAlignment(Qt::AlignCenter);
    image->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto *caption = new QLabel(box);
    caption->setAlignment(Qt::AlignCenter);
    caption->setWordWrap(true);
    caption->setFixedWidth(PreviewSide + 8);
    column->addWidget(image);
    column->addWidget(caption);
    column->addStretch();
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()))
        grid->addWidget(box, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, box, [image, caption](const QString &path) {
        QString text;
        const QFileInfo info(path);
        const QPixmap pixmap = info.isFile() ? previewOf(path, &text) : QPixmap();
        image->setPixmap(pixmap);
        caption->setText(text);
    });
    dialog.resize(820, 460);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}
