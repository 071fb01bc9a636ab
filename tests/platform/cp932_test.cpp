// The CP932 codec: Shift-JIS bytes and texts both ways, undefined bytes kept.
#include "platform/cp932.h"

#include <QFont>
#include <QFontMetrics>
#include <gtest/gtest.h>

TEST(Cp932, JapaneseTextRoundTripsAsShiftJis)
{
    const QString text = QStringLiteral("ヴェルモラ ＭＳ Ｐ明朝 ﾌｧｲﾙ");
    bool ok = false;
    const QByteArray bytes = Cp932Encode(text, &ok);
    EXPECT_TRUE(ok);
    // ヴ is 0x83 0x94 in Shift-JIS; half-width katakana are single bytes.
    EXPECT_EQ(bytes.left(2), QByteArray("\x83\x94"));
    EXPECT_TRUE(bytes.contains(QByteArray("\xCC\xA7\xB2\xD9")));
    EXPECT_EQ(Cp932Decode(bytes), text);
}

TEST(Cp932, BackslashAndWaveDashFollowWindows)
{
    EXPECT_EQ(Cp932Encode(QStringLiteral("C:\\a")), QByteArray("C:\\a"));
    // Windows maps 0x81 0x60 to the full-width tilde and 0x81 0x5C to the horizontal bar.
    EXPECT_EQ(Cp932Decode(QByteArray("\x81\x60")), QString(QChar(0xFF5E)));
    EXPECT_EQ(Cp932Decode(QByteArray("\x81\x5C")), QString(QChar(0x2015)));
    EXPECT_EQ(Cp932Encode(QString(QChar(0x2015))), QByteArray("\x81\x5C"));
}

TEST(Cp932, UndefinedBytesAreKeptAndWrittenBack)
{
    const QByteArray raw("A\x80"
                         "B\xA0\xFD\xFE\xFF",
                         7);
    const QString text = Cp932Decode(raw);
    EXPECT_EQ(text.size(), 7);
    EXPECT_EQ(Cp932Encode(text), raw);
}

TEST(Cp932, TruncatedLeadByteDoesNotVanish)
{
    const QString text = Cp932Decode(QByteArray("ab\x83"));
    EXPECT_EQ(text.size(), 3);
    EXPECT_EQ(Cp932Encode(text), QByteArray("ab\x83"));
}

TEST(Cp932, DuplicateCodesKeepTheirBytesAndShowTheirCharacter)
{
    // NEC-selected IBM 0xED40 and IBM 0xFA5C are both U+7E8A; NEC 0x8790 and JIS 0x81E0 both U+2252.
    for (const char *bytes : {"\xED\x40", "\xFA\x5C", "\x87\x90", "\x81\xE0", "\xEE\xF9", "\xFA\x54"}) {
        const QString text = Cp932Decode(bytes);
        EXPECT_EQ(Cp932Encode(text), QByteArray(bytes)) << bytes;
        EXPECT_TRUE(Cp932CanEncode(text));
    }
    EXPECT_EQ(Cp932Decode("\xFA\x5C"), QString(QChar(0x7E8A)));
    EXPECT_EQ(Cp932Decode("\xED\x40").at(0), QChar(0x7E8A));
    EXPECT_EQ(Cp932Decode("\x81\xE0"), QString(QChar(0x2252)));
    EXPECT_EQ(Cp932Decode("\x87\x90").at(0), QChar(0x2252));
    // Typed text takes the code the character encodes to.
    EXPECT_EQ(Cp932Encode(QString(QChar(0x7E8A))), QByteArray("\xFA\x5C"));
    // A duplicate drawn costs no width: the selector draws nothing.
    EXPECT_EQ(
        QFontMetrics(QFont(QStringLiteral("IPAPGothic"), 12)).horizontalAdvance(Cp932Decode("\xED\x40")),
        QFontMetrics(QFont(QStringLiteral("IPAPGothic"), 12)).horizontalAdvance(QString(QChar(0x7E8A))));
}

TEST(Cp932, EveryByteSequenceComesBack)
{
    // Every pair of bytes, one after the other, and every lone byte: defined or not.
    QByteArray all;
    for (int lead = 0; lead < 256; ++lead)
        for (int trail = 0; trail < 256; ++trail)
            all.append(char(lead)).append(char(trail)).append('|');
    EXPECT_EQ(Cp932Encode(Cp932Decode(all)), all);
    for (int b = 0; b < 256; ++b) {
        const QByteArray one(1, char(b));
        EXPECT_EQ(Cp932Encode(Cp932Decode(one)), one) << b;
    }
}

TEST(Cp932, TextOutsideTheCodePageIsReported)
{
    bool ok = true;
    const QByteArray bytes = Cp932Encode(QStringLiteral("a€😀b"), &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(bytes, QByteArray("a??b"));
    EXPECT_FALSE(Cp932CanEncode(QStringLiteral("한국어")));
    EXPECT_TRUE(Cp932CanEncode(QStringLiteral("漢字かなカナ")));
}
