// Streaming of TLabelEx: the ShowAccelChar quirk, texts in CP932 or UTF-16, fonts stored whole, the class
// library label's properties kept for write-back, Windows streams read and written back unchanged.
#include "controls/LabelEx.h"
#include "stream_helpers.h"

#include <gtest/gtest.h>

namespace {

// The Shift-JIS bytes of "名刺デザイン" (business-card design) and "ＭＳ Ｐ明朝".
const QByteArray kShiftJisCaption("\x96\xbc\x8e\x68\x83\x66\x83\x55\x83\x43\x83\x93");
const QByteArray kShiftJisFontName("\x82\x6c\x82\x72\x20\x82\x6f\x96\xbe\x92\xa9");

// A label as the editor leaves it: auto-size off, transparent, its own font.
void makeCardLabel(TLabelEx &label, const QString &caption)
{
    label.SetTransparent(true);
    label.SetAutoSize(false);
    label.Font().SetName(QStringLiteral("ＭＳ Ｐ明朝"));
    label.Font().SetSize(12);
    label.SetCaption(caption);
    label.SetBounds(40, 30, 120, 18);
}

QByteArray roundTrip(const QByteArray &bytes)
{
    QWidget panel;
    TLabelEx label(&panel);
    ReadComponent(bytes, label);
    return WriteComponent(label);
}

} // namespace

TEST(LabelStream, FreshLabelWritesItsBoundsAndShowAccelCharFalse)
{
    TLabelEx label;
    // Left, Top, Width and Height have no declared default; ShowAccelChar is declared true while a new
    // label has false.
    EXPECT_EQ(WrittenNames(label), Names("Left Top Width Height ShowAccelChar"));
    EXPECT_EQ(WrittenValue(label, "Left"), StreamValue::Int8(0));
    EXPECT_EQ(WrittenValue(label, "Width"), StreamValue::Int8(65));
    EXPECT_EQ(WrittenValue(label, "ShowAccelChar"), StreamValue::Bool(false));

    TLabelEx back;
    back.SetShowAccelChar(true);
    ReadComponent(WriteComponent(label), back);
    EXPECT_FALSE(back.ShowAccelChar());

    label.SetShowAccelChar(true);
    EXPECT_FALSE(WrittenNames(label).contains("ShowAccelChar"));
}

TEST(LabelStream, EmptyCaptionAndEmptyFontStyleRoundTripExactly)
{
    QWidget panel;
    TLabelEx label(&panel);
    makeCardLabel(label, QString());
    label.SetBounds(0, 0, 1, 13);
    EXPECT_FALSE(WrittenNames(label).contains("Caption"));
    EXPECT_EQ(WrittenValue(label, "Font.Style"), StreamValue::Set({}));

    const QByteArray bytes = WriteComponent(label);
    TLabelEx back(&panel);
    back.Font().SetStyle(fsBold); // the empty set is written, so it replaces a present style
    ReadComponent(bytes, back);
    EXPECT_TRUE(back.Caption().isEmpty());
    EXPECT_EQ(back.Font().Style(), 0);
    EXPECT_EQ(back.geometry(), QRect(0, 0, 1, 13));
    EXPECT_EQ(WriteComponent(back), bytes);
}

TEST(LabelStream, TextsAreCp932WhenTheyCanBeAndWideStringsOtherwise)
{
    QWidget panel;
    TLabelEx label(&panel);
    makeCardLabel(label, QStringLiteral("名刺デザイン"));
    EXPECT_EQ(WrittenValue(label, "Caption"), StreamValue::RawBytes(ValueType::String, kShiftJisCaption));
    EXPECT_EQ(WrittenValue(label, "Font.Name"), StreamValue::RawBytes(ValueType::String, kShiftJisFontName));

    const QString multiLine = QStringLiteral("株式会社ヴェルモラ\r\n営業部\r\n\r\n山田 太郎");
    const QString uncodable = QStringLiteral("카드 😀 名刺");
    const QString longText = QString(200, u'名'); // 400 bytes
    for (const QString &caption : {multiLine, uncodable, longText}) {
        label.SetCaption(caption);
        const QByteArray bytes = WriteComponent(label);
        TLabelEx back(&panel);
        ReadComponent(bytes, back);
        EXPECT_EQ(back.Caption(), caption);
        EXPECT_EQ(WriteComponent(back), bytes);
    }
    label.SetCaption(uncodable);
    EXPECT_EQ(WrittenValue(label, "Caption").type(), ValueType::WString);
    label.SetCaption(longText);
    EXPECT_EQ(WrittenValue(label, "Caption").type(), ValueType::LString);
    label.SetHint(QStringLiteral("😀"));
    EXPECT_EQ(WrittenValue(label, "Hint").type(), ValueType::WString);
}

TEST(LabelStream, ShiftJisCaptionIsKeptByteForByte)
{
    // "―" (0x81 0x5C), a half-width kana and a backslash, which CP932 and Shift-JIS map differently.
    const QByteArray caption = kShiftJisCaption + QByteArray("\x81\x5c\xb1\x5c");
    const QByteArray bytes =
        StreamOf("TLabelEx", {Prop("Left", StreamValue::Int8(0)), Prop("Top", StreamValue::Int8(0)),
                              Prop("Width", StreamValue::Int8(90)), Prop("Height", StreamValue::Int8(17)),
                              Prop("AutoSize", StreamValue::Bool(false)),
                              Prop("Caption", StreamValue::RawBytes(ValueType::String, caption)),
                              Prop("ShowAccelChar", StreamValue::Bool(false))});
    QWidget panel;
    TLabelEx label(&panel);
    ReadComponent(bytes, label);
    EXPECT_EQ(label.Caption(), QStringLiteral("名刺デザイン") + QChar(0x2015) + QChar(0xFF71) + u'\\');
    EXPECT_EQ(WriteComponent(label), bytes);
}

TEST(LabelStream, EveryPropertyInDeclaredOrderAndBackByteForByte)
{
    QWidget panel;
    TLabelEx label(&panel);
    makeCardLabel(label, QStringLiteral("A&B 名刺"));
    label.SetTag(7);
    label.SetCursor(crHandPoint);
    label.SetHint(QStringLiteral("ヒント"));
    label.Extras.Align = alBottom;
    label.SetAlignment(taCenter);
    label.Extras.Anchors = 1 << akRight;
    label.Extras.BiDiMode = bdRightToLeft;
    label.Extras.ParentBiDiMode = false;
    label.SetColor(clYellow);
    label.Extras.Constraints = {200, 300, 5, 10};
    label.Extras.DragCursor = crCross;
    label.Extras.DragKind = dkDock;
    label.Extras.DragMode = dmAutomatic;
    label.SetEnabled(false);
    label.SetFocusControl(QStringLiteral("Edit1"));
    label.Font().SetCharset(SHIFTJIS_CHARSET);
    label.Font().SetColor(clRed);
    label.Font().SetPitch(fpVariable);
    label.Font().SetStyle(fsBold | fsItalic | fsUnderline);
    label.SetGap(5);
    label.SetLayout(tlCenter);
    label.Extras.ShowHint = true;
    label.Extras.ParentShowHint = false;
    label.Extras.PopupMenu = QStringLiteral("PopupMenu1");
    label.SetVisible(false);
    label.SetWordWrap(true);

    EXPECT_EQ(
        WrittenNames(label),
        Names("Tag Left Top Width Height Cursor Hint Align Alignment Anchors AutoSize BiDiMode Caption Color "
              "Constraints.MaxHeight Constraints.MaxWidth Constraints.MinHeight Constraints.MinWidth "
              "DragCursor DragKind DragMode Enabled FocusControl Font.Charset Font.Color Font.Height "
              "Font.Name Font.Pitch Font.Style Gap Layout ParentBiDiMode ParentColor ParentFont "
              "ParentShowHint PopupMenu ShowAccelChar ShowHint Transparent Visible WordWrap"));
    EXPECT_EQ(WrittenValue(label, "Font.Height"), StreamValue::Int8(-16));
    EXPECT_EQ(WrittenValue(label, "Font.Style"), StreamValue::Set({"fsBold", "fsItalic", "fsUnderline"}));
    EXPECT_EQ(WrittenValue(label, "Font.Charset"), StreamValue::Ident("SHIFTJIS_CHARSET"));
    EXPECT_EQ(WrittenValue(label, "FocusControl"), StreamValue::Ident("Edit1"));

    const QByteArray bytes = WriteComponent(label);
    TLabelEx back(&panel);
    ReadComponent(bytes, back);
    EXPECT_EQ(WriteComponent(back), bytes);
    EXPECT_EQ(back.Caption(), QStringLiteral("A&B 名刺"));
    EXPECT_EQ(back.Gap(), 5);
    EXPECT_EQ(back.Font().Size(), 12);
    EXPECT_EQ(back.Font().Name(), QStringLiteral("ＭＳ Ｐ明朝"));
    EXPECT_EQ(back.Font().Style(), fsBold | fsItalic | fsUnderline);
    EXPECT_FALSE(back.Enabled());
    EXPECT_FALSE(back.Visible());
    EXPECT_TRUE(back.isHidden());
    EXPECT_EQ(back.Extras.Constraints, (TSizeConstraints{200, 300, 5, 10}));
    EXPECT_EQ(back.Extras.PopupMenu, QStringLiteral("PopupMenu1"));
    EXPECT_EQ(back.geometry(), QRect(40, 30, 120, 18));
}

TEST(LabelStream, WindowsStreamReadsIntoTheRightValuesAndWritesBackUnchanged)
{
    // As the Windows program writes a card label: bounds always, then its own font whole.
    const QByteArray windows =
        StreamOf("TLabelEx", {Prop("Left", StreamValue::Int8(24)),
                              Prop("Top", StreamValue::Int16(130)),
                              Prop("Width", StreamValue::Int16(193)),
                              Prop("Height", StreamValue::Int8(18)),
                              Prop("Cursor", StreamValue::Ident("crHandPoint")),
                              Prop("Anchors", StreamValue::Set({"akLeft", "akBottom"})),
                              Prop("AutoSize", StreamValue::Bool(false)),
                              Prop("Caption", StreamValue::RawBytes(ValueType::String, kShiftJisCaption)),
                              Prop("Constraints.MinWidth", StreamValue::Int8(10)),
                              Prop("Font.Charset", StreamValue::Ident("SHIFTJIS_CHARSET")),
                              Prop("Font.Color", StreamValue::Ident("clWindowText")),
                              Prop("Font.Height", StreamValue::Int8(-16)),
                              Prop("Font.Name", StreamValue::RawBytes(ValueType::String, kShiftJisFontName)),
                              Prop("Font.Style", StreamValue::Set({"fsBold", "fsItalic"})),
                              Prop("Gap", StreamValue::Int8(3)),
                              Prop("ParentFont", StreamValue::Bool(false)),
                              Prop("ParentShowHint", StreamValue::Bool(false)),
                              Prop("ShowAccelChar", StreamValue::Bool(false)),
                              Prop("ShowHint", StreamValue::Bool(true)),
                              Prop("Transparent", StreamValue::Bool(true))});
    QWidget panel;
    TLabelEx label(&panel);
    ReadComponent(windows, label);
    EXPECT_EQ(label.geometry(), QRect(24, 130, 193, 18));
    EXPECT_EQ(label.Cursor(), crHandPoint);
    EXPECT_EQ(label.Extras.Anchors, 1 << akLeft | 1 << akBottom);
    EXPECT_FALSE(label.AutoSize());
    EXPECT_EQ(label.Caption(), QStringLiteral("名刺デザイン"));
    EXPECT_EQ(label.Extras.Constraints.MinWidth, 10);
    EXPECT_EQ(label.Font().Charset(), SHIFTJIS_CHARSET);
    EXPECT_EQ(label.Font().Color(), clWindowText);
    EXPECT_EQ(label.Font().Size(), 12);
    EXPECT_EQ(label.Font().Name(), QStringLiteral("ＭＳ Ｐ明朝"));
    EXPECT_EQ(label.Font().Style(), fsBold | fsItalic);
    EXPECT_EQ(label.Gap(), 3);
    EXPECT_FALSE(label.ParentFont());
    EXPECT_TRUE(label.Extras.ShowHint);
    EXPECT_FALSE(label.ShowAccelChar());
    EXPECT_TRUE(label.Transparent());
    EXPECT_EQ(label.Alignment(), taLeftJustify);
    EXPECT_EQ(WriteComponent(label), windows);
}

TEST(LabelStream, ValuesEqualToTheDeclaredDefaultsAreReadAndLeftOut)
{
    TLabelEx label;
    ReadComponent(StreamOf("TLabelEx",
                           {Prop("Alignment", StreamValue::Ident("taLeftJustify")),
                            Prop("Anchors", StreamValue::Set({"akLeft", "akTop"})),
                            Prop("Layout", StreamValue::Ident("tlTop")), Prop("Gap", StreamValue::Int8(0))}),
                  label);
    EXPECT_EQ(WrittenNames(label), Names("Left Top Width Height ShowAccelChar"));
}

TEST(LabelStream, AlignmentCarriesItsAnchorsAndOnlyOtherAnchorsAreStored)
{
    TLabelEx label;
    ReadComponent(StreamOf("TLabelEx", {Prop("Align", StreamValue::Ident("alTop"))}), label);
    EXPECT_EQ(label.Extras.Anchors, 1 << akLeft | 1 << akTop | 1 << akRight);
    EXPECT_EQ(WrittenValue(label, "Align"), StreamValue::Ident("alTop"));
    EXPECT_FALSE(WrittenNames(label).contains("Anchors"));

    const QByteArray other =
        StreamOf("TLabelEx", {Prop("Left", StreamValue::Int8(0)), Prop("Top", StreamValue::Int8(0)),
                              Prop("Width", StreamValue::Int8(65)), Prop("Height", StreamValue::Int8(17)),
                              Prop("Align", StreamValue::Ident("alTop")),
                              Prop("Anchors", StreamValue::Set({"akTop", "akBottom"})),
                              Prop("ShowAccelChar", StreamValue::Bool(false))});
    EXPECT_EQ(roundTrip(other), other);
}

TEST(LabelStream, ParentFlagsFollowTheClassLibrary)
{
    // An own colour or reading order clears the parent flag, which is then stored too.
    const QByteArray bytes = StreamOf(
        "TLabelEx",
        {Prop("Left", StreamValue::Int8(0)), Prop("Top", StreamValue::Int8(0)),
         Prop("Width", StreamValue::Int8(65)), Prop("Height", StreamValue::Int8(17)),
         Prop("BiDiMode", StreamValue::Ident("bdLeftToRight")), Prop("Color", StreamValue::Ident("clAqua")),
         Prop("ParentBiDiMode", StreamValue::Bool(false)), Prop("ParentColor", StreamValue::Bool(false)),
         Prop("ShowAccelChar", StreamValue::Bool(false))});
    EXPECT_EQ(roundTrip(bytes), bytes);

    // ParentColor false without a colour: the colour is the declared default clWindow.
    TLabelEx label;
    ReadComponent(StreamOf("TLabelEx", {Prop("ParentColor", StreamValue::Bool(false))}), label);
    EXPECT_EQ(label.Color(), clWindow);
    EXPECT_FALSE(WrittenNames(label).contains("Color"));
    EXPECT_TRUE(WrittenNames(label).contains("ParentColor"));

    // A single font property equal to the present font still makes the font the label's own.
    TLabelEx fonted;
    ReadComponent(StreamOf("TLabelEx", {Prop("Font.Height", StreamValue::Int8(-11))}), fonted);
    EXPECT_FALSE(fonted.ParentFont());
    EXPECT_EQ(WrittenValue(fonted, "Font.Name"), StreamValue::Text("MS Sans Serif"));
    EXPECT_EQ(WrittenValue(fonted, "Font.Color"), StreamValue::Ident("clWindowText"));
    EXPECT_EQ(WrittenValue(fonted, "Font.Charset"), StreamValue::Ident("DEFAULT_CHARSET"));
    EXPECT_EQ(WrittenValue(fonted, "ParentFont"), StreamValue::Bool(false));

    // Font.Size is read (the class library publishes it) but never written.
    TLabelEx sized;
    ReadComponent(StreamOf("TLabelEx", {Prop("Font.Size", StreamValue::Int8(9))}), sized);
    EXPECT_EQ(sized.Font().Height(), -12);
    EXPECT_FALSE(WrittenNames(sized).contains("Font.Size"));
}

TEST(LabelStream, ReferencesAndEvents)
{
    TLabelEx label;
    label.SetFocusControl(QStringLiteral("Edit1"));
    label.Extras.PopupMenu = QStringLiteral("Menu1");
    ReadComponent(
        StreamOf("TLabelEx", {Prop("FocusControl", StreamValue::Nil()), Prop("PopupMenu", StreamValue::Nil()),
                              Prop("OnDblClick", StreamValue::Ident("LabelDblClick")),
                              Prop("OnStartDock", StreamValue::Nil())}),
        label);
    EXPECT_TRUE(label.FocusControl().isEmpty());
    EXPECT_TRUE(label.Extras.PopupMenu.isEmpty());
    EXPECT_EQ(WrittenNames(label), Names("Left Top Width Height ShowAccelChar"));
    EXPECT_NE(ReadError(StreamOf("TLabelEx", {Prop("PopupMenu", StreamValue::Text("Menu1"))}), label),
              QStringLiteral("(no error)"));
    // Events of the picture control are not the label's.
    EXPECT_NE(ReadError(StreamOf("TLabelEx", {Prop("OnProgress", StreamValue::Nil())}), label),
              QStringLiteral("(no error)"));
}

TEST(LabelStream, UnknownPropertiesAreReadErrors)
{
    TLabelEx label;
    EXPECT_EQ(ReadError(StreamOf("TLabelEx", {Prop("Bogus", StreamValue::Int8(1))}), label),
              QStringLiteral("TLabelEx.Bogus の読み込みエラー: プロパティ Bogus は存在しません"));
    for (const char *name : {"Font.Bogus", "Constraints.Width", "Picture.Data", "Stretch", "Shape"})
        EXPECT_NE(ReadError(StreamOf("TLabelEx", {Prop(name, StreamValue::Int8(1))}), label),
                  QStringLiteral("(no error)"))
            << name;
}
