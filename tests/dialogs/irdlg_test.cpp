// The image size dialog: width and height in three units, the fixed ratio, and the preview's layout.
#include "common/scripted_modal.h"
#include "controls/image.h"
#include "dialogs/irdlg.h"
#include "dialogs/number_memo.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// As the editor opens it for a picture of w x h, showing the chosen unit.
void openWith(TImageReductionDlg &d, int w, int h, QRadioButton *unit, bool fixed = true)
{
    d.WidthPx = w;
    d.HeightPx = h;
    d.WidthMm = float(w) / 5.0f;
    d.HeightMm = float(h) / 5.0f;
    d.WidthInch = float(w) * 0.007874f;
    d.HeightInch = float(h) * 0.007874f;
    d.WidthToHeight = float(w) / float(h);
    d.FixedRateCB->setChecked(fixed);
    unit->setChecked(true);
    unit->click();
    d.PreviewImage->resize(w, h);
    d.PreviewLayout();
}

void retype(TNumberMemo *memo, const QString &text)
{
    memo->clear();
    QTest::keyClicks(memo, text);
}

TEST(ImageReductionDlg, FixedRatioKeepsTheLongerSideInStepWithTheRoundedShorterOne)
{
    TImageReductionDlg landscape;
    openWith(landscape, 200, 100, landscape.TanniPixRB);
    retype(landscape.ImageWidthMemo, QStringLiteral("301"));
    EXPECT_EQ(landscape.HeightPx, 151); // 150.5 + 0.5, cut
    EXPECT_EQ(landscape.ImageHeightMemo->text(), QStringLiteral("151"));
    landscape.ImageWidthMemoExit();
    EXPECT_EQ(landscape.WidthPx, 302);
    EXPECT_EQ(landscape.ImageWidthMemo->text(), QStringLiteral("302"));

    TImageReductionDlg portrait;
    openWith(portrait, 100, 200, portrait.TanniPixRB);
    retype(portrait.ImageHeightMemo, QStringLiteral("301"));
    EXPECT_EQ(portrait.WidthPx, 151);
    portrait.ImageHeightMemoExit();
    EXPECT_EQ(portrait.HeightPx, 302);
    EXPECT_EQ(portrait.ImageHeightMemo->text(), QStringLiteral("302"));
    portrait.ImageWidthMemoExit(); // a portrait picture's width is not derived again
    EXPECT_EQ(portrait.WidthPx, 151);
}

TEST(ImageReductionDlg, FreeRatioLeavesTheOtherSideAndTickingRestoresTheRatio)
{
    TImageReductionDlg d;
    openWith(d, 200, 100, d.TanniPixRB, false);
    retype(d.ImageWidthMemo, QStringLiteral("301"));
    EXPECT_EQ(d.HeightPx, 100);
    d.ImageWidthMemoExit();
    EXPECT_EQ(d.WidthPx, 301);

    d.FixedRateCB->click(); // ticked: the height follows the width, the width the rounded height
    EXPECT_EQ(d.HeightPx, 151);
    EXPECT_EQ(d.WidthPx, 302);
    EXPECT_EQ(d.ImageHeightMemo->text(), QStringLiteral("151"));
    EXPECT_EQ(d.ImageWidthMemo->text(), QStringLiteral("302"));
    d.FixedRateCB->click(); // unticked: nothing changes
    EXPECT_EQ(d.WidthPx, 302);
    EXPECT_EQ(d.HeightPx, 151);
}

TEST(ImageReductionDlg, UnitsShowTheSameSizeAndTypedLengthsConvert)
{
    TImageReductionDlg d;
    openWith(d, 455, 275, d.TanniMmRB);
    EXPECT_EQ(d.ImageWidthMemo->text(), QStringLiteral("91.0"));
    EXPECT_EQ(d.ImageHeightMemo->text(), QStringLiteral("55.0"));
    d.TanniInRB->click();
    EXPECT_EQ(d.ImageWidthMemo->text(), QStringLiteral("3.583"));
    EXPECT_EQ(d.ImageHeightMemo->text(), QStringLiteral("2.165"));

    // 1 inch wide: 127 px; the height follows by the ratio in inches and rounds on its own.
    retype(d.ImageWidthMemo, QStringLiteral("1"));
    EXPECT_EQ(d.WidthPx, 127);
    EXPECT_EQ(d.ImageHeightMemo->text(), QStringLiteral("0.604"));
    EXPECT_EQ(d.HeightPx, 77);
    d.ImageWidthMemoExit(); // landscape: the width is derived again from 77 px
    EXPECT_EQ(d.WidthPx, 127);
    EXPECT_EQ(d.ImageHeightMemo->text(), QStringLiteral("0.606"));

    d.TanniMmRB->click();
    retype(d.ImageHeightMemo, QStringLiteral("11.1"));
    EXPECT_EQ(d.HeightPx, 56); // 55.5 + 0.5, cut
    EXPECT_EQ(d.ImageWidthMemo->text(), QStringLiteral("18.4"));
}

TEST(ImageReductionDlg, OkRefusesSidesOutsideOneToTheLargestSize)
{
    ScopedScriptedModal modal;
    TImageReductionDlg d;
    openWith(d, 200, 100, d.TanniPixRB);
    retype(d.ImageWidthMemo, QStringLiteral("0"));
    modal->answerMessage(IDOK);
    d.OKBtn->click();
    EXPECT_EQ(modal->messagesShown().size(), 1u);
    EXPECT_NE(d.result(), QDialog::Accepted);
    retype(d.ImageWidthMemo, QStringLiteral("99999"));
    modal->answerMessage(IDOK);
    d.OKBtn->click();
    EXPECT_EQ(modal->messagesShown().size(), 2u);
    EXPECT_NE(d.result(), QDialog::Accepted);
    retype(d.ImageWidthMemo, QStringLiteral("300"));
    d.OKBtn->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.WidthPx, 300);
    EXPECT_EQ(d.HeightPx, 150);
}

TEST(PreviewLayout, BarsAppearOnlyWhereThePictureDoesNotFit)
{
    PreviewPlacement p = PreviewLayoutFor(170, 100);
    EXPECT_FALSE(p.hBar || p.vBar || p.cover);
    EXPECT_EQ(p.image, QPoint(7, 42));

    p = PreviewLayoutFor(186, 100);
    EXPECT_TRUE(p.hBar);
    EXPECT_FALSE(p.vBar || p.cover);
    EXPECT_EQ(p.hRange, 1);
    EXPECT_EQ(p.hBarWidth, 183);
    EXPECT_EQ(p.image, QPoint(0, 35));

    p = PreviewLayoutFor(186, 171);
    EXPECT_TRUE(p.hBar && p.vBar && p.cover);
    EXPECT_EQ(p.hRange, 186 - 168);
    EXPECT_EQ(p.vRange, 171 - 170);
    EXPECT_EQ(p.image, QPoint(0, 0));

    p = PreviewLayoutFor(100, 186); // only too tall
    EXPECT_TRUE(p.vBar);
    EXPECT_FALSE(p.hBar);
    EXPECT_EQ(p.vRange, 1);
    EXPECT_EQ(p.image, QPoint(34, 0));

    p = PreviewLayoutFor(169, 186); // too tall and wider than what the vertical bar leaves
    EXPECT_TRUE(p.hBar && p.vBar);
}

TEST(PreviewLayout, ThePreviewButtonSizesThePictureAndTheBarsScrollIt)
{
    TImageReductionDlg d;
    openWith(d, 100, 50, d.TanniPixRB);
    EXPECT_TRUE(d.IPHScrollBar->isHidden());
    retype(d.ImageWidthMemo, QStringLiteral("400"));
    d.ImagePreviewBtn->click();
    EXPECT_EQ(d.PreviewImage->size(), QSize(400, 200));
    EXPECT_FALSE(d.IPHScrollBar->isHidden());
    EXPECT_FALSE(d.IPVScrollBar->isHidden());
    EXPECT_FALSE(d.MekakushiPanel->isHidden());
    d.IPHScrollBar->setValue(d.IPHScrollBar->maximum());
    // At the end the picture's right edge meets the vertical bar.
    EXPECT_EQ(d.PreviewImage->geometry().right() + 1, d.IPVScrollBar->x());
    d.IPVScrollBar->setValue(d.IPVScrollBar->maximum());
    EXPECT_EQ(d.PreviewImage->geometry().bottom() + 1, d.IPHScrollBar->y());
}

} // namespace
