// The CP932 codec: Shift-JIS bytes and texts both ways, undefined bytes kept.
#include "platform/cp932.h"

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
    EXPECT_EQ(text.at(2), QChar(0xFFFD));
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
