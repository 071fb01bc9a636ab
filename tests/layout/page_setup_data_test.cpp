// Taking the page setup dialog's results into the document, group by group.
#include "layout/page_setup_data.h"

#include <gtest/gtest.h>

namespace {

PageSetupData document()
{
    PageSetupData d;
    d.Layout.PaperWidth = 210.0f;
    d.Layout.PaperHeight = 297.0f;
    d.Layout.MeasureUnit = UnitMillimetres;
    d.Layout.PresetIndex = 7;
    d.LegacyLayoutLoaded = true;
    return d;
}

} // namespace

TEST(PageSetupResults, EqualValuesChangeNothingButTheLegacyFlag)
{
    PageSetupData doc = document();
    const PageSetupChanges c = TakePageSetupResults(document(), doc);
    EXPECT_FALSE(c.modified);
    EXPECT_FALSE(c.cardSize);
    EXPECT_FALSE(doc.LegacyLayoutLoaded);
}

TEST(PageSetupResults, TheCardSizeIsTakenOnlyWhenItsPixelsChange)
{
    PageSetupData doc = document();
    PageSetupData results = document();
    results.WorkSheetWidthMM = 91.04f; // the same 455 pixels
    EXPECT_FALSE(TakePageSetupResults(results, doc).modified);
    EXPECT_FLOAT_EQ(doc.WorkSheetWidthMM, 91.0f);

    results.WorkSheetWidthMM = 88.9f;
    results.WorkSheetWidthPx = 445;
    const PageSetupChanges c = TakePageSetupResults(results, doc);
    EXPECT_TRUE(c.cardSize);
    EXPECT_TRUE(c.modified);
    EXPECT_FLOAT_EQ(doc.WorkSheetWidthMM, 88.9f);
    EXPECT_EQ(doc.WorkSheetWidthPx, 445);
}

TEST(PageSetupResults, EachGroupIsTakenWhenItDiffers)
{
    PageSetupData results = document();
    results.Layout.InsideMarginY = 1.5f;
    results.Layout.PresetIndex = 3; // not taken outside new-document mode
    PageSetupData doc = document();
    PageSetupChanges c = TakePageSetupResults(results, doc);
    EXPECT_TRUE(c.modified);
    EXPECT_FALSE(c.cardSize);
    EXPECT_FLOAT_EQ(doc.Layout.InsideMarginY, 1.5f);
    EXPECT_EQ(doc.Layout.PresetIndex, 7);

    for (auto change : std::initializer_list<void (*)(PageLayout &)>{
             [](PageLayout &l) { l.PresetName = MakePresetName("p"); },
             [](PageLayout &l) { l.PresetSource = MakerPreset; },
             [](PageLayout &l) { l.MeasureUnit = UnitInches; }, [](PageLayout &l) { l.Overhang = 3; },
             [](PageLayout &l) { l.Tonbo = false; }, [](PageLayout &l) { l.PaperHeight = 279.4f; }}) {
        results = document();
        change(results.Layout);
        doc = document();
        EXPECT_TRUE(TakePageSetupResults(results, doc).modified);
        EXPECT_EQ(doc.Layout, results.Layout);
    }
}

TEST(PageSetupResults, ANewDocumentTakesEverything)
{
    PageSetupData doc = NewDocumentPageSetup("2.0j");
    EXPECT_EQ(doc.WorkSheetWidthPx, 0);
    EXPECT_EQ(doc.Layout.Retu, 0);
    EXPECT_EQ(doc.Layout.LeftMargin, 0.0f);
    PageSetupData results = document();
    results.NewDocument = true;
    results.Layout.PresetIndex = 1;
    const PageSetupChanges c = TakePageSetupResults(results, doc);
    EXPECT_TRUE(c.cardSize && c.modified);
    EXPECT_EQ(doc.Layout, results.Layout);
    EXPECT_EQ(doc.WorkSheetWidthPx, 455);
}
