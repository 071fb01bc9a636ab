// Line break conversion between label captions and the in-place editor.
#include "editor/label_text.h"

QString EditorTextFromCaption(const QString &caption)
{
    QString text = caption;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QString CaptionFromEditorText(const QString &text)
{
    QString caption = EditorTextFromCaption(text);
    caption.replace(u'\n', QStringLiteral("\r\n"));
    return caption;
}

bool SameLabelText(const QString &editorText, const QString &caption)
{
    return EditorTextFromCaption(editorText) == EditorTextFromCaption(caption);
}
