// Line breaks of label captions: captions keep the CR LF pairs of the documents, the edit box works
// with single line feeds.
#pragma once

#include <QString>

// CR LF, a lone CR and a lone LF all become one LF.
QString EditorTextFromCaption(const QString &caption);
// Every LF becomes CR LF.
QString CaptionFromEditorText(const QString &text);
// Whether the edit box's text says the same as the caption, line breaks aside.
bool SameLabelText(const QString &editorText, const QString &caption);
