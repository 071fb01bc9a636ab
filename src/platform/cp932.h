// The one codec between texts in memory (QString) and the Shift-JIS bytes (code page 932) of files.
#pragma once

#include <QByteArray>
#include <QString>

// Decodes CP932 bytes so that Cp932Encode gives every byte sequence back unchanged. Bytes the code
// page does not define are kept as the characters Windows gives them (0x80 -> U+0080, 0xA0 -> U+F8F0,
// 0xFD..0xFF -> U+F8F1..U+F8F3), any other as a lone surrogate U+DC80..U+DCFF; a double-byte code that
// duplicates another one's character reads as that character and a variation selector (U+FE00..).
QString Cp932Decode(const QByteArray &bytes);

// Encodes to CP932. Returns false in *ok (if given) when some character has no CP932 form; such a
// character is written as '?'.
QByteArray Cp932Encode(const QString &text, bool *ok = nullptr);

// True when every character of `text` has a CP932 form.
bool Cp932CanEncode(const QString &text);
