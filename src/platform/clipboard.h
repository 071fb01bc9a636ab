// The clipboard as the card editor uses it: its private component format beside plain text and images.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// The MIME type under which every running copy of the program exchanges one component stream.
inline constexpr char kComponentMimeType[] = "application/x-velmora-component";

// What one copy puts on the clipboard; absent parts are not offered.
struct ClipboardContent
{
    QByteArray component; // one component stream, or empty
    std::optional<QString> text;
    QImage image; // null for none
};

// Replaces the clipboard's content with all the given formats at once, so they stand side by side.
void PutOnClipboard(const ClipboardContent &content);

// Whether the clipboard offers the component format, plain text or an image.
bool ClipboardHasComponent();
bool ClipboardHasText();
bool ClipboardHasImage();
// Whether it offers anything a card can take.
bool ClipboardOffersPasteable();

// The offered data; empty (or null) when the format is not there.
QByteArray ClipboardComponent();
QString ClipboardText();
QImage ClipboardImage();
