// Streamable classes: what a class writes through the property API, reading it back, the registry.
#include "document/component_registry.h"
#include "document/stream_reader.h"
#include "document/stream_writer.h"
#include "document/streamable.h"
#include "platform/errors.h"
#include "platform/idents.h"
#include "sample_streams.h"

#include <QObject>
#include <gtest/gtest.h>

namespace {

// A card object with a property of each kind the controls stream; writes what differs from its defaults.
class TTestCard : public Streamable
{
public:
    explicit TTestCard(QObject *owner = nullptr) : owner(owner) {}

    QObject *owner;
    int Left = 0;
    int Top = 0;
    QString Caption;
    TCursor Cursor = crDefault;
    TColor Color = clBtnFace;
    TPenStyle PenStyle = psSolid;
    TFontStyles FontStyle = 0;
    int FontCharset = DEFAULT_CHARSET;
    TAnchors Anchors = 1 << akLeft | 1 << akTop;
    bool Visible = true;
    double Ratio = 0;
    QByteArray PictureData;
    QStringList Lines;
    int childrenRead = 0;

    QString ClassName() const override { return QStringLiteral("TTestCard"); }

    void WriteProperties(PropertyWriter &w) const override
    {
        if (Left != 0)
            w.writeInteger(QStringLiteral("Left"), Left);
        if (Top != 0)
            w.writeInteger(QStringLiteral("Top"), Top);
        if (!Caption.isEmpty())
            w.writeString(QStringLiteral("Caption"), Caption);
        if (Cursor != crDefault)
            w.writeNamedInteger(QStringLiteral("Cursor"), Cursor, CursorIdents());
        if (Color != clBtnFace)
            w.writeColor(QStringLiteral("Color"), Color);
        if (PenStyle != psSolid)
            w.writeEnum(QStringLiteral("Pen.Style"), PenStyle, PenStyleIdents());
        if (FontStyle != 0)
            w.writeSet(QStringLiteral("Font.Style"), FontStyle, FontStyleIdents());
        if (FontCharset != DEFAULT_CHARSET)
            w.writeNamedInteger(QStringLiteral("Font.Charset"), FontCharset, CharsetIdents());
        if (Anchors != (1 << akLeft | 1 << akTop))
            w.writeSet(QStringLiteral("Anchors"), Anchors, AnchorIdents());
        if (!Visible)
            w.writeBool(QStringLiteral("Visible"), Visible);
        if (Ratio != 0)
            w.writeReal(QStringLiteral("Ratio"), Ratio);
        if (!PictureData.isEmpty())
            w.writeBinary(QStringLiteral("Picture.Data"), PictureData);
        if (!Lines.isEmpty())
            w.writeStrings(QStringLiteral("Lines.Strings"), Lines);
    }

    void ReadProperty(const QString &name, const StreamValue &v) override
    {
        if (name == QLatin1String("Left"))
            Left = v.toInt();
        else if (name == QLatin1String("Top"))
            Top = v.toInt();
        else if (name == QLatin1String("Caption"))
            Caption = v.toText();
        else if (name == QLatin1String("Cursor"))
            Cursor = v.toNamedInteger(CursorIdents());
        else if (name == QLatin1String("Color"))
            Color = v.toColor();
        else if (name == QLatin1String("Pen.Style"))
            PenStyle = TPenStyle(v.toEnum(PenStyleIdents()));
        else if (name == QLatin1String("Font.Style"))
            FontStyle = v.toSetBits(FontStyleIdents());
        else if (name == QLatin1String("Font.Charset"))
            FontCharset = v.toNamedInteger(CharsetIdents());
        else if (name == QLatin1String("Anchors"))
            Anchors = v.toSetBits(AnchorIdents());
        else if (name == QLatin1String("Visible"))
            Visible = v.toBool();
        else if (name == QLatin1String("Ratio"))
            Ratio = v.toReal();
        else if (name == QLatin1String("Picture.Data"))
            PictureData = v.toBinary();
        else if (name == QLatin1String("Lines.Strings"))
            Lines = v.toStrings();
        else
            ThrowUnknownProperty(name);
    }
};

QString readErrorOf(const QByteArray &bytes, Streamable &target)
{
    try {
        ReadComponent(bytes, target);
    } catch (const EReadError &error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}

StreamBytes cardHeader()
{
    StreamBytes s;
    s.raw("TPF0").str("TTestCard").str("");
    return s;
}

} // namespace

TEST(Streamable, DefaultsAreNotWritten)
{
    // An empty caption, position 0,0 and an empty font style are the defaults: nothing but the frame.
    TTestCard card;
    const QByteArray bytes = WriteComponent(card);
    EXPECT_EQ(bytes, cardHeader().u8(0).u8(0).bytes());
    TTestCard read;
    read.Left = 99; // a value the stream does not mention stays as the object has it
    ReadComponent(bytes, read);
    EXPECT_EQ(read.Left, 99);
    EXPECT_EQ(read.Caption, QString());
}

TEST(Streamable, EveryKindOfPropertyIsWrittenInItsStoredForm)
{
    TTestCard card;
    card.Left = 128;
    card.Top = -129;
    card.Caption = QStringLiteral("名刺デザイン");
    card.Cursor = crHandPoint;
    card.Color = 0x123456;
    card.PenStyle = psDot;
    card.FontStyle = fsBold | fsStrikeOut;
    card.FontCharset = SHIFTJIS_CHARSET;
    card.Anchors = 0;
    card.Visible = false;
    card.Ratio = 1.0;
    card.PictureData = QByteArray("\x07TBitmap\x00\x00\x00\x00", 12);
    card.Lines = {QStringLiteral("one"), QStringLiteral("한")};

    const QByteArray expected = cardHeader()
                                    .str("Left")
                                    .u8(3)
                                    .i16(128)
                                    .str("Top")
                                    .u8(3)
                                    .i16(-129)
                                    .str("Caption")
                                    .u8(6)
                                    .str(ShiftJisCaption())
                                    .str("Cursor")
                                    .u8(7)
                                    .str("crHandPoint")
                                    .str("Color")
                                    .u8(4)
                                    .i32(0x123456)
                                    .str("Pen.Style")
                                    .u8(7)
                                    .str("psDot")
                                    .str("Font.Style")
                                    .u8(11)
                                    .str("fsBold")
                                    .str("fsStrikeOut")
                                    .u8(0)
                                    .str("Font.Charset")
                                    .u8(7)
                                    .str("SHIFTJIS_CHARSET")
                                    .str("Anchors")
                                    .u8(11)
                                    .u8(0)
                                    .str("Visible")
                                    .u8(8)
                                    .str("Ratio")
                                    .u8(5)
                                    .raw(QByteArray("\0\0\0\0\0\0\0\x80\xFF\x3F", 10))
                                    .str("Picture.Data")
                                    .u8(10)
                                    .i32(12)
                                    .raw(card.PictureData)
                                    .str("Lines.Strings")
                                    .u8(1)
                                    .u8(6)
                                    .str("one")
                                    .u8(18)
                                    .i32(1)
                                    .utf16(QStringLiteral("한"))
                                    .u8(0)
                                    .u8(0)
                                    .u8(0)
                                    .bytes();
    const QByteArray bytes = WriteComponent(card);
    EXPECT_EQ(bytes, expected);

    TTestCard read;
    ReadComponent(bytes, read);
    EXPECT_EQ(read.Left, 128);
    EXPECT_EQ(read.Top, -129);
    EXPECT_EQ(read.Caption, card.Caption);
    EXPECT_EQ(read.Cursor, crHandPoint);
    EXPECT_EQ(read.Color, 0x123456);
    EXPECT_EQ(read.PenStyle, psDot);
    EXPECT_EQ(read.FontStyle, fsBold | fsStrikeOut);
    EXPECT_EQ(read.FontCharset, SHIFTJIS_CHARSET);
    EXPECT_EQ(read.Anchors, 0);
    EXPECT_FALSE(read.Visible);
    EXPECT_EQ(read.Ratio, 1.0);
    EXPECT_EQ(read.PictureData, card.PictureData);
    EXPECT_EQ(read.Lines, card.Lines);
    EXPECT_EQ(WriteComponent(read), bytes);
}

TEST(Streamable, NamedValuesAreWrittenByNameOthersAsNumbers)
{
    TTestCard card;
    card.Color = clWhite;
    card.Cursor = 5;
    card.FontCharset = VIETNAMESE_CHARSET; // read by name, written as a number for older readers
    EXPECT_EQ(WriteComponent(card), cardHeader()
                                        .str("Cursor")
                                        .u8(2)
                                        .u8(5)
                                        .str("Color")
                                        .u8(7)
                                        .str("clWhite")
                                        .str("Font.Charset")
                                        .u8(3)
                                        .i16(163)
                                        .u8(0)
                                        .u8(0)
                                        .bytes());
    card.Cursor = crSize; // one value with two names: written as crSizeAll
    card.Color = clNone;
    const QByteArray bytes = WriteComponent(card);
    EXPECT_TRUE(bytes.contains("\x09"
                               "crSizeAll"));
    EXPECT_TRUE(bytes.contains("\x06"
                               "clNone"));

    TTestCard read;
    ReadComponent(cardHeader()
                      .str("Cursor")
                      .u8(7)
                      .str("crSize")
                      .str("Font.Charset")
                      .u8(7)
                      .str("VIETNAMESE_CHARSET")
                      .u8(0)
                      .u8(0)
                      .bytes(),
                  read);
    EXPECT_EQ(read.Cursor, crSizeAll);
    EXPECT_EQ(read.FontCharset, VIETNAMESE_CHARSET);
}

TEST(Streamable, TextsCp932CannotHoldSurviveAsWideStrings)
{
    TTestCard card;
    card.Caption = QStringLiteral("Grüße 😀 名刺");
    const QByteArray bytes = WriteComponent(card);
    const ObjectRecord record = ParseComponentStream(bytes);
    EXPECT_EQ(record.findProperty("Caption")->value.type(), ValueType::WString);
    TTestCard read;
    ReadComponent(bytes, read);
    EXPECT_EQ(read.Caption, card.Caption);
}

TEST(Streamable, AShiftJisCaptionReadsAndWritesBackByteForByte)
{
    const QByteArray bytes = cardHeader().str("Caption").u8(6).str(ShiftJisCaption()).u8(0).u8(0).bytes();
    TTestCard card;
    ReadComponent(bytes, card);
    EXPECT_EQ(card.Caption, QStringLiteral("名刺デザイン"));
    EXPECT_EQ(WriteComponent(card), bytes);
}

TEST(Streamable, ReadFailuresNameTheObjectAndProperty)
{
    TTestCard card;
    EXPECT_EQ(
        readErrorOf(cardHeader().str("Left").u8(6).str("12").u8(0).u8(0).bytes(), card),
        QStringLiteral(
            "TTestCard.Left の読み込みエラー: プロパティの値が不正です: 整数 が必要ですが、文字列 です"));
    EXPECT_EQ(readErrorOf(cardHeader().str("Shadow").u8(9).u8(0).u8(0).bytes(), card),
              QStringLiteral("TTestCard.Shadow の読み込みエラー: プロパティ Shadow は存在しません"));
    const QByteArray named = StreamBytes()
                                 .raw("TPF0")
                                 .str("TTestCard")
                                 .str("Card1")
                                 .str("Pen.Style")
                                 .u8(7)
                                 .str("psWavy")
                                 .u8(0)
                                 .u8(0)
                                 .bytes();
    EXPECT_TRUE(readErrorOf(named, card).startsWith(QStringLiteral("Card1.Pen.Style の読み込みエラー: ")));
    // A child component is refused by a class that owns none.
    const QByteArray withChild = cardHeader().u8(0).str("TLabel").str("L").u8(0).u8(0).u8(0).bytes();
    EXPECT_TRUE(readErrorOf(withChild, card).contains(QStringLiteral("を持てません")));
}

TEST(Streamable, ADamagedStreamLeavesTheComponentUntouched)
{
    TTestCard card;
    card.Left = 7;
    const QByteArray good = cardHeader().str("Left").u8(2).u8(50).str("Top").u8(2).u8(60).u8(0).u8(0).bytes();
    for (qsizetype size = 0; size < good.size(); ++size)
        EXPECT_THROW(ReadComponent(good.first(size), card), EReadError) << size;
    EXPECT_EQ(card.Left, 7);
    EXPECT_EQ(card.Top, 0);
}

TEST(Streamable, ComponentsAreReadAtAnOffsetOfALargerBuffer)
{
    TTestCard first;
    first.Left = 10;
    TTestCard second;
    second.Caption = QStringLiteral("b");
    const QByteArray buffer =
        QByteArray("\x11\x00\x00\x00", 4) + WriteComponent(first) + WriteComponent(second);
    TTestCard a, b;
    const qsizetype used = ReadComponentAt(buffer, 4, a);
    EXPECT_EQ(used, WriteComponent(first).size());
    EXPECT_EQ(ReadComponentAt(buffer, 4 + used, b), buffer.size() - 4 - used);
    EXPECT_EQ(a.Left, 10);
    EXPECT_EQ(b.Caption, QStringLiteral("b"));
}

TEST(Streamable, WritingAValueWithoutANameIsAWriteError)
{
    PropertyWriter writer;
    EXPECT_THROW(writer.writeEnum(QStringLiteral("Pen.Style"), 42, PenStyleIdents()), EWriteError);
    EXPECT_THROW(writer.writeSet(QStringLiteral("Anchors"), 1 << 7, AnchorIdents()), EWriteError);
    EXPECT_TRUE(writer.properties().empty());
}

TEST(ComponentRegistry, TheStreamChoosesTheClass)
{
    int created = 0;
    QObject owner;
    RegisterComponentClass(QStringLiteral("TTestCard"), [&created](QObject *parent) {
        ++created;
        return std::make_unique<TTestCard>(parent);
    });
    EXPECT_TRUE(IsComponentClassRegistered(QStringLiteral("TTestCard")));
    EXPECT_TRUE(RegisteredComponentClasses().contains(QStringLiteral("TTestCard")));

    TTestCard card;
    card.Left = 300;
    const QByteArray bytes = WriteComponent(card);
    std::unique_ptr<Streamable> read = ReadComponentCreating(bytes, &owner);
    ASSERT_NE(dynamic_cast<TTestCard *>(read.get()), nullptr);
    EXPECT_EQ(static_cast<TTestCard *>(read.get())->Left, 300);
    EXPECT_EQ(static_cast<TTestCard *>(read.get())->owner, &owner);
    EXPECT_EQ(created, 1);

    // A damaged stream creates nothing; an unknown class is the class library's error.
    EXPECT_THROW(ReadComponentCreating(bytes.left(bytes.size() - 1)), EReadError);
    EXPECT_EQ(created, 1);
    try {
        ReadComponentCreating(StreamBytes().raw("TPF0").str("TNope").str("").u8(0).u8(0).bytes());
        ADD_FAILURE() << "an unknown class was created";
    } catch (const EReadError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("クラス TNope が見つかりません"));
    }
    EXPECT_THROW(CreateComponent(QStringLiteral("TNope")), EReadError);
    EXPECT_THROW(ReadComponentCreating(cardHeader().str("Bad").u8(9).u8(0).u8(0).bytes()), EReadError);
    EXPECT_EQ(created, 2);
}
