// The grid setting dialog: the pitch in three units while typing and on leaving the field, and OK's check.
#include "common/scripted_modal.h"
#include "dialogs/gsdlg.h"
#include "dialogs/number_memo.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// As the editor opens it for a pitch, with the text of the chosen unit in the field.
void openWith(TGridSettingDlg &d, int px, QRadioButton *unit)
{
    d.PitchPx = px;
    d.PitchMm = float(px) / 5.0f;
    d.PitchInch = float(px) * 0.007874f;
    unit->setChecked(true);
    unit->click(); // writes the stored form of the unit
}

void retype(TNumberMemo *memo, const QString &text)
{
    memo->clear();
    QTest::keyClicks(memo, text);
}

TEST(GridSettingDlg, SwitchingUnitsShowsTheSamePitch)
{
    TGridSettingDlg d;
    openWith(d, 10, d.TanniMmRB);
    EXPECT_EQ(d.GridMemo->text(), QStringLiteral("2.0"));
    d.TanniInRB->click();
    EXPECT_EQ(d.GridMemo->text(), QStringLiteral("0.079"));
    d.TanniPixRB->click();
    EXPECT_EQ(d.GridMemo->text(), QStringLiteral("10"));
    EXPECT_EQ(d.PitchPx, 10);
}

TEST(GridSettingDlg, TypedLengthsRoundOnlyThePixelsUntilTheFieldIsLeft)
{
    TGridSettingDlg d;
    openWith(d, 10, d.TanniMmRB);
    retype(d.GridMemo, QStringLiteral("2.33"));
    EXPECT_EQ(d.PitchPx, 12); // 11.65 + 0.5, cut
    EXPECT_FLOAT_EQ(d.PitchMm, 2.33f);
    EXPECT_EQ(d.GridMemo->text(), QStringLiteral("2.33"));
    d.GridMemoExit();
    EXPECT_EQ(d.GridMemo->text(), QStringLiteral("2.4"));

    d.TanniInRB->click();
    retype(d.GridMemo, QStringLiteral("0.1"));
    EXPECT_EQ(d.PitchPx, 13); // 12.70 + 0.5, cut
    d.GridMemoExit();
    EXPECT_EQ(d.GridMemo->text(), QStringLiteral("0.102"));

    d.TanniPixRB->click();
    retype(d.GridMemo, QStringLiteral("7"));
    d.TanniMmRB->click();
    EXPECT_EQ(d.GridMemo->text(), QStringLiteral("1.4"));
    d.TanniInRB->click();
    EXPECT_EQ(d.GridMemo->text(), QStringLiteral("0.055"));

    d.TanniMmRB->click();
    retype(d.GridMemo, QStringLiteral("3"));
    EXPECT_EQ(d.PitchPx, 15);
}

TEST(GridSettingDlg, FilteredAndEmptiedFieldsKeepTheLastPitch)
{
    ScopedScriptedModal modal;
    TGridSettingDlg d;
    openWith(d, 10, d.TanniPixRB);
    retype(d.GridMemo, QStringLiteral("1a"));
    EXPECT_EQ(d.GridMemo->text(), QStringLiteral("1"));
    EXPECT_EQ(d.PitchPx, 1);
    d.GridMemo->clear(); // an empty field is no value
    EXPECT_EQ(d.PitchPx, 1);
    d.OKBtn->click(); // OK with the field empty takes the pitch last computed
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.PitchPx, 1);
    d.setResult(0);

    // A lone point cannot be converted: the error is shown, the values stay, typing goes on.
    d.TanniMmRB->click();
    modal->answerMessage(IDOK);
    retype(d.GridMemo, QStringLiteral("."));
    EXPECT_EQ(modal->asked.size(), 1u);
    EXPECT_EQ(d.PitchPx, 1);
    QTest::keyClicks(d.GridMemo, QStringLiteral("6"));
    EXPECT_EQ(d.PitchPx, 3);
    EXPECT_FALSE(d.Updating);
}

TEST(GridSettingDlg, OkRefusesAPitchBelowOnePixel)
{
    ScopedScriptedModal modal;
    TGridSettingDlg d;
    openWith(d, 10, d.TanniMmRB);
    retype(d.GridMemo, QStringLiteral("0.05")); // 0.25 + 0.5 cuts to 0
    EXPECT_EQ(d.PitchPx, 0);
    modal->answerMessage(IDOK);
    d.OKBtn->click();
    ASSERT_EQ(modal->messagesShown().size(), 1u);
    EXPECT_TRUE(modal->messagesShown()[0].contains(QStringLiteral("1 ピクセル")));
    EXPECT_EQ(d.result(), 0);
    EXPECT_FALSE(d.isHidden() && d.result() == QDialog::Accepted);

    retype(d.GridMemo, QStringLiteral("0.1"));
    d.OKBtn->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.PitchPx, 1);
    EXPECT_EQ(d.GridMemo->text(), QStringLiteral("0.2")); // the field shows the pitch that is used
    EXPECT_EQ(modal->messagesShown().size(), 1u);
}

} // namespace
