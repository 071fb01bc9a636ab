// The open dialog for pictures: the file list with a preview of the selected picture beside it.
#pragma once

#include <QString>

class QWidget;

// The chosen path, or an empty text when cancelled; the dialog opens centred on `owner`. `start` is a folder,
// optionally followed by a file name or pattern; `filter` is in Qt's form.
QString OpenPictureFileName(QWidget *owner, const QString &title, const QString &start,
                            const QString &filter);

// The preview's text for a picture file: its size, or why it cannot be read.
QString PicturePreviewCaption(const QString &path);
