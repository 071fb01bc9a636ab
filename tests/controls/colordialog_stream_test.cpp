// Streaming of the colour dialog's state: chosen colour, custom colours and the published options.
#include "controls/colordialog.h"
#include "stream_helpers.h"

#include <gtest/gtest.h>

TEST(ColorDialogStream, FreshDialogWritesNothing)
{
    TColorDialog dialog;
    EXPECT_EQ(WriteComponent(dialog), QByteArray("TPF0\x0cTColorDialog\x00\x00\x00", 20));
}

TEST(ColorDialogStream, EveryPropertyInDeclaredOrderAndBackByteForByte)
{
    TColorDialog dialog;
    dialog.Tag = 4;
    dialog.Ctl3D = false;
    dialog.HelpContext = 1200;
    dialog.Color = 0x3F3F3F;
    dialog.CustomColors = {QStringLiteral("ColorA=FFFFFF"), QStringLiteral("ColorB=C0C0C0"),
                           QStringLiteral("ColorC=FFFFFFFF")};
    dialog.Options = 1 << cdFullOpen | 1 << cdAnyColor;
    EXPECT_EQ(WrittenNames(dialog), Names("Tag Ctl3D HelpContext Color CustomColors.Strings Options"));
    EXPECT_EQ(WrittenValue(dialog, "Options"), StreamValue::Set({"cdFullOpen", "cdAnyColor"}));
    EXPECT_EQ(WrittenValue(dialog, "Color"), StreamValue::Int32(0x3F3F3F));
    EXPECT_EQ(WrittenValue(dialog, "CustomColors.Strings"),
              StreamValue::List({StreamValue::Text("ColorA=FFFFFF"), StreamValue::Text("ColorB=C0C0C0"),
                                 StreamValue::Text("ColorC=FFFFFFFF")}));

    const QByteArray bytes = WriteComponent(dialog);
    TColorDialog back;
    ReadComponent(bytes, back);
    EXPECT_EQ(back.CustomColors, dialog.CustomColors);
    EXPECT_EQ(back.Color, 0x3F3F3F);
    EXPECT_FALSE(back.Ctl3D);
    EXPECT_EQ(back.HelpContext, 1200);
    EXPECT_EQ(back.Options, dialog.Options);
    EXPECT_EQ(WriteComponent(back), bytes);
}

TEST(ColorDialogStream, WindowsStreamReadsAndWritesBack)
{
    const QByteArray windows = StreamOf(
        "TColorDialog",
        {Prop("Color", StreamValue::Ident("clAqua")),
         Prop("CustomColors.Strings",
              StreamValue::List({StreamValue::Text("ColorA=80FF80"), StreamValue::Text("ColorB=FFFFFFFF")})),
         Prop("Options", StreamValue::Set({"cdPreventFullOpen", "cdShowHelp", "cdSolidColor"}))});
    TColorDialog dialog;
    ReadComponent(windows, dialog);
    EXPECT_EQ(dialog.Color, clAqua);
    EXPECT_EQ(dialog.CustomColors, (QStringList{"ColorA=80FF80", "ColorB=FFFFFFFF"}));
    EXPECT_EQ(dialog.Options, 1 << cdPreventFullOpen | 1 << cdShowHelp | 1 << cdSolidColor);
    EXPECT_EQ(WriteComponent(dialog), windows);

    // Events name methods of the Windows form: accepted, not kept.
    ReadComponent(StreamOf("TColorDialog", {Prop("OnShow", StreamValue::Ident("DialogShow"))}), dialog);
    EXPECT_EQ(WriteComponent(dialog), windows);
}

TEST(ColorDialogStream, BadValuesAreReadErrors)
{
    TColorDialog dialog;
    dialog.Color = clRed;
    for (const Property &bad : {Prop("Options", StreamValue::Set({"cdFullOpen", "cdNoSuchOption"})),
                                Prop("CustomColors.Strings", StreamValue::List({StreamValue::Int8(1)})),
                                Prop("CustomColors", StreamValue::Text("ColorA=FFFFFF")),
                                Prop("Color", StreamValue::Ident("clNoSuchColour")),
                                Prop("Left", StreamValue::Int8(8)), Prop("OnClick", StreamValue::Nil())}) {
        const QString error = ReadError(StreamOf("TColorDialog", {bad}), dialog);
        EXPECT_TRUE(error.startsWith(QStringLiteral("TColorDialog.")) &&
                    error.contains(QStringLiteral(" の読み込みエラー: ")))
            << bad.name.toStdString();
    }
    EXPECT_EQ(dialog.Color, clRed);
}
