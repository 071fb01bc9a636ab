// Whether a text reads as Japanese: it holds kana or kanji.
#pragma once

#include <QString>

inline bool HasJapanese(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x3040 && c.unicode() <= 0x9FFF)
            return true;
    return false;
}
