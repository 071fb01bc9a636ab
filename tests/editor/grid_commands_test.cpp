// The grid button and the grid setting dialog's round trip: pitch, visibility, snapping and the unit.
#include "editor_fixture.h"

#include "common/scripted_modal.h"
#include "controls/gridshape.h"
#include "dialogs/gsdlg.h"
#include "dialogs/irdlg.h"
#include "dialogs/number_memo.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace {

using GridCommands = EditorFixture;

TGridSettingDlg &grid(QDialog &d)
{
    return static_cast<TGridSettingDlg &>(d);
}

TEST_F(GridCommands, TheButtonHidesTheGridAndObjectsStillSnap)
{
    EXPECT_TRUE(form->GridOverlay->Visible());
    EXPECT_EQ(form->GridOverlay->GridWidth(), 10);
    form->GridButton->setEnabled(true);
    form->GridButton->click();
    EXPECT_FALSE(form->GridOverlay->Visible());
    EXPECT_EQ(form->ModificationCount, 0);
    TQVShape *shape = draw(form->RectButton, {23, 37}, {64, 88});
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(QPoint(shape->Left(), shape->Top()), QPoint(20, 40));
    form->GridButton->click();
    EXPECT_TRUE(form->GridOverlay->Visible());
}

TEST_F(GridCommands, ThreeMillimetresGiveFifteenPixelsAndReopenInEveryUnit)
{
    ScopedScriptedModal modal;
    modal->answerDialog([](QDialog &dialog) {
        TGridSettingDlg &d = grid(dialog);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("グリッドの設定"));
        EXPECT_TRUE(d.TanniPixRB->isChecked());
        EXPECT_EQ(d.GridMemo->text(), QStringLiteral("10"));
        EXPECT_TRUE(d.GridDspCheckBox->isChecked());
        EXPECT_TRUE(d.FitGridCheckBox->isChecked());
        d.TanniMmRB->click();
        d.GridMemo->clear();
        QTest::keyClicks(d.GridMemo, QStringLiteral("3"));
        d.OKBtn->click();
        return d.result();
    });
    form->GridSetting->trigger();
    EXPECT_EQ(form->GridOverlay->GridWidth(), 15);
    EXPECT_EQ(form->MeasureUnit, muMillimetre);
    EXPECT_EQ(form->ModificationCount, 0);

    modal->answerDialog([](QDialog &dialog) {
        TGridSettingDlg &d = grid(dialog);
        EXPECT_EQ(d.GridMemo->text(), QStringLiteral("3.0"));
        d.TanniInRB->click();
        EXPECT_EQ(d.GridMemo->text(), QStringLiteral("0.118"));
        d.TanniPixRB->click();
        EXPECT_EQ(d.GridMemo->text(), QStringLiteral("15"));
        d.TanniInRB->click();
        d.FitGridCheckBox->setChecked(false);
        d.GridDspCheckBox->setChecked(false);
        d.OKBtn->click();
        return d.result();
    });
    emit form->OtherMenu->aboutToShow(); // the menu item is enabled as the menu opens
    form->BGGrid->trigger();
    EXPECT_EQ(form->GridOverlay->GridWidth(), 15);
    EXPECT_FALSE(form->GridOverlay->Visible());
    EXPECT_FALSE(form->SnapToGrid);
    EXPECT_EQ(form->MeasureUnit, muInch);
    // Snapping is off for presses.
    TQVShape *shape = draw(form->RectButton, {23, 37}, {64, 88});
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(QPoint(shape->Left(), shape->Top()), QPoint(23, 37));

    // The image size dialog opens in the grid dialog's unit.
    TImage *picture = addPicture({100, 100, 127, 127});
    click(inside(picture));
    modal->answerDialog([](QDialog &dialog) {
        auto &d = static_cast<TImageReductionDlg &>(dialog);
        EXPECT_TRUE(d.TanniInRB->isChecked());
        EXPECT_EQ(d.ImageWidthMemo->text(), QStringLiteral("1.00"));
        return int(QDialog::Rejected);
    });
    form->ImageReduction->trigger();
    EXPECT_EQ(modal->asked.size(), 3u);
}

TEST_F(GridCommands, CancelLeavesEverySettingAsItWas)
{
    ScopedScriptedModal modal;
    modal->answerDialog([](QDialog &dialog) {
        TGridSettingDlg &d = grid(dialog);
        d.TanniMmRB->click();
        d.GridMemo->clear();
        QTest::keyClicks(d.GridMemo, QStringLiteral("7"));
        d.FitGridCheckBox->setChecked(false);
        d.GridDspCheckBox->setChecked(false);
        d.CancelBtn->click();
        return d.result();
    });
    form->EditGridSettings();
    EXPECT_EQ(form->GridOverlay->GridWidth(), 10);
    EXPECT_TRUE(form->GridOverlay->Visible());
    EXPECT_TRUE(form->SnapToGrid);
    EXPECT_EQ(form->MeasureUnit, muPixel);
}

} // namespace
