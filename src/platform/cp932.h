// The one codec between texts in memory (QString) and the Shift-JIS bytes (code page 932) of files.
#pragma once

#include <QByteArray>
#include <QString>

// Decodes CP932 bytes. Bytes the code page does not define are kept as the characters Windows gives
// them (0x80 -> U+0080, 0xA0 -> U+F8F0, 0xFD..0xFF -> U+F8F1..U+F8F3) so that they encode back unchanged;
// any other undecodable byte becomes U+FFFD.
QString Cp932Decode(const QByteArray &bytes);

// Encodes to CP932. Returns false in *ok (if given) when some character has no CP932 form; such a
// character is written as '?'.
QByteArray Cp932Encode(const QString &text, bool *ok = nullptr);

// True when every character of `text` has a CP932 form.
bool Cp932CanEncode(const QString &text);
