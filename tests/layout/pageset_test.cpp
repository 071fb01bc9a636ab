// The page setup dialog driven through its controls and handlers, with the modal seam scripted.
#include "common/scripted_modal.h"
#include "dialogs/number_memo.h"
#include "dialogs/units.h"
#include "layout/layout_diagram.h"
#include "layout/pageset.h"
#include "layout/setnamein.h"
#include "platform/application.h"
#include "platform/strings.h"
#include "preset_test_files.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const char *const LetterEight = "Letter 8面 88.9×50.8";

// Two maker presets (A4 ten-up, Letter eight-up) and one user preset.
struct Fixture
{
    PresetFolder folder;
    Fixture()
    {
        folder.setMaker("Velmora version 2.0j\r\n\"" + sjis("A4 10面 91×55") +
                        "\", 210.0, 297.0, 91.0, 55.0, 2,5,14.0,11.0,0.0,0.0\r\n\"" + sjis(LetterEight) +
                        "\", 215.9, 279.4, 88.9, 50.8, 2,4,12.7,19.05,12.7,12.7\r\n");
        folder.setUser(
            "Velmora version 2.0j\r\n\"mine\", 210.0, 297.0, 91.0, 55.0, 2,5,14.0,11.0,0.0,0.0\r\n");
    }
};

// The main window's defaults on A4 paper, as a free setting.
PageSetupData documentData()
{
    PageSetupData d;
    d.Layout.PaperWidth = 210.0f;
    d.Layout.PaperHeight = 297.0f;
    d.Layout.MeasureUnit = UnitMillimetres;
    return d;
}

std::vector<QString> texts(std::initializer_list<TNumberMemo *> memos)
{
    std::vector<QString> out;
    for (TNumberMemo *m : memos)
        out.push_back(m->text());
    return out;
}

std::vector<QString> lengthTexts(TPageSetDlg &d)
{
    return texts(
        {d.WidthMemo, d.HeightMemo, d.LMarginMemo, d.TopMarginMemo, d.RMarginMemo, d.BottomMarginMemo});
}

using Texts = std::vector<QString>;

void choose(QComboBox *box, int item)
{
    box->setCurrentIndex(item);
    emit box->activated(item);
}

} // namespace

TEST(PageSetDlg, DefaultLayoutOnA4)
{
    Fixture f;
    ScopedScriptedModal modal;
    TPageSetDlg dlg(documentData(), f.folder.files());
    EXPECT_EQ(dlg.windowTitle(), "ページ設定");
    // The layout controls keep their 612 x 446; the printer offset group is a strip under them.
    EXPECT_EQ(dlg.ScrollBox1->geometry(), QRect(0, 0, 612, 446));
    EXPECT_EQ(dlg.size(), QSize(612, 446 + TPageSetDlg::OffsetStripHeight));
    EXPECT_GE(dlg.OffsetGB->y(), 446);
    EXPECT_LE(dlg.OffsetGB->geometry().bottom(), dlg.height());
    dlg.FormActivate();
    EXPECT_TRUE(modal->asked.empty());
    EXPECT_EQ(dlg.YousiCB->currentIndex(), 0);
    EXPECT_EQ(dlg.YousiCB->count(), 4);
    EXPECT_EQ(dlg.YousiCB->itemText(0), "自由設定");
    EXPECT_EQ(dlg.YousiCB->itemText(2), QString::fromUtf8(LetterEight));
    EXPECT_EQ(lengthTexts(dlg), (Texts{"91.0", "55.0", "14.0", "11.0", "14.0", "11.0"}));
    EXPECT_EQ(texts({dlg.RetuMemo, dlg.DannMemo, dlg.InsideMarginXMemo, dlg.InsideMarginYMemo}),
              (Texts{"2", "5", "0.0", "0.0"}));
    EXPECT_EQ(dlg.PaperSizeCB->currentIndex(), 0);
    EXPECT_TRUE(dlg.TanniMmRB->isChecked());
    EXPECT_FALSE(dlg.TanniPixRB->isVisibleTo(&dlg));
    EXPECT_EQ(dlg.LayoutPanel->geometry(), QRect(359, 20, 210, 297));
    ASSERT_EQ(dlg.LayoutPanel->Cells().size(), 10u);
    EXPECT_EQ(dlg.LayoutPanel->Cells().front(), QRect(14, 11, 91, 55));
    EXPECT_EQ(dlg.LayoutPanel->Cells().back(), QRect(105, 231, 91, 55));
    EXPECT_TRUE(dlg.WidthMemo->isEnabled());
    EXPECT_FALSE(dlg.RMarginMemo->isEnabled());
    EXPECT_FALSE(dlg.BottomMarginMemo->isEnabled());
    EXPECT_TRUE(dlg.NewBtn->isEnabled());
    EXPECT_FALSE(dlg.DeleteBtn->isEnabled());
    EXPECT_TRUE(dlg.TonboCB->isChecked());
    EXPECT_EQ(dlg.TrackBar->minimum(), -3);
    EXPECT_EQ(dlg.TrackBar->maximum(), 3);

    dlg.FormActivate(); // later activations change nothing
    EXPECT_EQ(dlg.YousiCB->count(), 4);
}

TEST(PageSetDlg, LetterPaperGivesANegativeBottomMargin)
{
    Fixture f;
    TPageSetDlg dlg(documentData(), f.folder.files());
    dlg.FormActivate();
    choose(dlg.PaperSizeCB, 1);
    EXPECT_FLOAT_EQ(dlg.PaperWidth, 215.9f);
    EXPECT_EQ(dlg.RMarginMemo->text(), "19.9");
    EXPECT_EQ(dlg.BottomMarginMemo->text(), "-6.6");
    EXPECT_EQ(dlg.LayoutPanel->size(), QSize(215, 279));
    ASSERT_EQ(dlg.LayoutPanel->Cells().size(), 10u);
    EXPECT_GT(dlg.LayoutPanel->Cells().back().bottom(), 279);
}

TEST(PageSetDlg, SwitchingUnitsConvertsThroughPixels)
{
    Fixture f;
    TPageSetDlg dlg(documentData(), f.folder.files());
    dlg.FormActivate();
    dlg.TanniInchRB->click();
    EXPECT_EQ(dlg.MeasureUnit, UnitInches);
    EXPECT_EQ(lengthTexts(dlg), (Texts{"3.583", "2.165", "0.551", "0.433", "0.551", "0.433"}));
    EXPECT_FALSE(dlg.WidthMemo->Modified);
    dlg.TanniMmRB->click();
    EXPECT_EQ(dlg.MeasureUnit, UnitMillimetres);
    EXPECT_EQ(lengthTexts(dlg), (Texts{"91.0", "55.0", "14.0", "11.0", "14.0", "11.0"}));
    EXPECT_EQ(texts({dlg.RetuMemo, dlg.DannMemo}), (Texts{"2", "5"}));
}

TEST(PageSetDlg, AWidthTypedInInches)
{
    Fixture f;
    ScopedScriptedModal modal;
    TPageSetDlg dlg(documentData(), f.folder.files());
    dlg.show();
    dlg.FormActivate();
    dlg.TanniInchRB->click();
    dlg.WidthMemo->setText("3.5");
    emit dlg.WidthMemo->Exit();
    EXPECT_EQ(dlg.WorkSheetWidthPx, 445);
    EXPECT_EQ(FormatMm(dlg.WorkSheetWidthMM), "88.9");
    EXPECT_EQ(dlg.WidthMemo->text(), "3.500");
    EXPECT_EQ(dlg.FreeWorkSheetSize.WorkSheetWidthPx, 445);
    dlg.OKBtn->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    const PageSetupData r = dlg.Result();
    EXPECT_EQ(r.WorkSheetWidthPx, 445);
    EXPECT_NEAR(r.WorkSheetWidthMM, 88.9, 0.001);
    EXPECT_EQ(r.Layout.MeasureUnit, UnitInches);
    EXPECT_TRUE(modal->asked.empty());
}

TEST(PageSetDlg, OkWithAnEmptyWidthShowsMessage1040AndStaysOpen)
{
    Fixture f;
    ScopedScriptedModal modal;
    TPageSetDlg dlg(documentData(), f.folder.files());
    dlg.show();
    dlg.FormActivate();
    dlg.WidthMemo->setText("");
    modal->answerMessage(IDOK);
    dlg.OKBtn->click();
    EXPECT_TRUE(dlg.isVisible());
    ASSERT_EQ(modal->messagesShown().size(), 1u);
    EXPECT_EQ(modal->messagesShown()[0], "ワークシートのサイズが入力されていません。\n\nサイズを省略するとワ"
                                         "ークシートは開かれません。");
    EXPECT_EQ(modal->asked[0].caption, "ヴェルモラ Message");
    EXPECT_EQ(dlg.WidthMemo->text(), "0.0");

    dlg.WidthMemo->setText("80");
    dlg.OKBtn->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.Result().WorkSheetWidthPx, 400);
}

TEST(PageSetDlg, ACardLargerThanADocumentMayHoldIsRefusedAndTheDialogStaysOpen)
{
    Fixture f;
    ScopedScriptedModal modal;
    TPageSetDlg dlg(documentData(), f.folder.files());
    dlg.show();
    dlg.FormActivate();
    dlg.WidthMemo->setText("1200.2"); // 6001 pixels
    modal->answerMessage(IDOK);
    dlg.OKBtn->click();
    EXPECT_TRUE(dlg.isVisible());
    ASSERT_EQ(modal->messagesShown().size(), 1u);
    EXPECT_EQ(modal->messagesShown()[0], LoadStr(Str::CardTooLarge).arg(6000).arg(1200));

    dlg.WidthMemo->setText("1200.0");
    dlg.OKBtn->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.Result().WorkSheetWidthPx, 6000);
}

TEST(PageSetDlg, APresetLocksTheFieldsAndTheFreeSettingKeepsItsValues)
{
    Fixture f;
    TPageSetDlg dlg(documentData(), f.folder.files());
    dlg.FormActivate();
    choose(dlg.YousiCB, 2);
    EXPECT_EQ(dlg.PresetSource, MakerPreset);
    EXPECT_EQ(Cp932Decode(PresetNameText(dlg.PresetName)), QString::fromUtf8(LetterEight));
    for (QWidget *w : std::initializer_list<QWidget *>{
             dlg.WidthMemo, dlg.HeightMemo, dlg.RetuMemo, dlg.DannMemo, dlg.LMarginMemo, dlg.TopMarginMemo,
             dlg.InsideMarginXMemo, dlg.InsideMarginYMemo, dlg.PaperSizeCB, dlg.NewBtn, dlg.DeleteBtn})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(dlg.PaperSizeCB->currentIndex(), 1);
    EXPECT_EQ(texts({dlg.WidthMemo, dlg.RetuMemo, dlg.DannMemo, dlg.LMarginMemo, dlg.TopMarginMemo}),
              (Texts{"88.9", "2", "4", "12.7", "19.0"}));
    EXPECT_EQ(dlg.LayoutPanel->Cells().size(), 8u);

    choose(dlg.YousiCB, 0);
    EXPECT_EQ(dlg.PresetSource, FreeSetting);
    EXPECT_EQ(PresetNameText(dlg.PresetName), "");
    EXPECT_EQ(texts({dlg.WidthMemo, dlg.HeightMemo, dlg.DannMemo, dlg.LMarginMemo, dlg.InsideMarginXMemo}),
              (Texts{"91.0", "55.0", "4", "12.7", "12.7"}));
    EXPECT_FLOAT_EQ(dlg.PaperWidth, 215.9f);
    EXPECT_TRUE(dlg.WidthMemo->isEnabled());
    EXPECT_TRUE(dlg.PaperSizeCB->isEnabled());
    EXPECT_FALSE(dlg.RMarginMemo->isEnabled());
    EXPECT_TRUE(dlg.NewBtn->isEnabled());

    choose(dlg.YousiCB, 3); // the user preset can be deleted
    EXPECT_EQ(dlg.PresetSource, UserPreset);
    EXPECT_TRUE(dlg.DeleteBtn->isEnabled());
}

TEST(PageSetDlg, AFullTableOffersNoRegistration)
{
    PresetFolder folder;
    QByteArray maker = "Velmora version 2.0j\r\n";
    for (int i = 0; i < 256; ++i)
        maker += "\"p" + QByteArray::number(i) + "\", 210.0, 297.0, 91.0, 55.0, 2,5,14.0,11.0,0.0,0.0\r\n";
    folder.setMaker(maker);
    TPageSetDlg dlg(documentData(), folder.files());
    dlg.FormActivate();
    EXPECT_EQ(dlg.YousiCB->currentIndex(), 0);
    EXPECT_FALSE(dlg.NewBtn->isEnabled());
}

TEST(PageSetDlg, OtherPaperKeepsTheListSelectionButDrawsTheTrueSize)
{
    Fixture f;
    PageSetupData data = documentData();
    data.Layout.PaperWidth = 257.0f; // B4
    data.Layout.PaperHeight = 364.0f;
    TPageSetDlg dlg(data, f.folder.files());
    dlg.FormActivate();
    EXPECT_EQ(dlg.PaperSizeCB->currentIndex(), -1);
    EXPECT_EQ(dlg.LayoutPanel->size(), QSize(257, 364));
    EXPECT_EQ(dlg.RMarginMemo->text(), "61.0");
}

TEST(PageSetDlg, NoColumnsDrawNoCards)
{
    Fixture f;
    TPageSetDlg dlg(documentData(), f.folder.files());
    dlg.FormActivate();
    dlg.InsideMarginXMemo->setText("3");
    emit dlg.InsideMarginXMemo->Exit();
    dlg.RetuMemo->setText("0");
    emit dlg.RetuMemo->Exit();
    EXPECT_TRUE(dlg.LayoutPanel->Cells().empty());
    EXPECT_EQ(dlg.RMarginMemo->text(), "199.0");
    EXPECT_EQ(dlg.InsideMarginXMemo->text(), "3.0");
    dlg.RetuMemo->setText("");
    emit dlg.RetuMemo->Exit();
    EXPECT_EQ(dlg.RetuMemo->text(), "0");
}

TEST(PageSetDlg, FieldsTakeOnlyNumbers)
{
    Fixture f;
    TPageSetDlg dlg(documentData(), f.folder.files());
    dlg.FormActivate();
    dlg.RetuMemo->setText("");
    dlg.RetuMemo->insert("-3");
    EXPECT_EQ(dlg.RetuMemo->text(), "3");
    dlg.LMarginMemo->setText("1.2.3");
    EXPECT_EQ(dlg.LMarginMemo->text(), "1.23");
    emit dlg.LMarginMemo->Exit();
    EXPECT_EQ(dlg.LMarginMemo->text(), "1.2");
    EXPECT_FLOAT_EQ(dlg.LeftMargin, 1.2f);
}

TEST(PageSetDlg, AFieldThatIsOnlyAPointIsReportedAndKeepsTheValue)
{
    Fixture f;
    ScopedScriptedModal modal;
    Application().Title = "ヴェルモラ";
    TPageSetDlg dlg(documentData(), f.folder.files());
    dlg.FormActivate();
    dlg.LMarginMemo->setText(".");
    modal->answerMessage(IDOK);
    emit dlg.LMarginMemo->Exit();
    ASSERT_EQ(modal->messagesShown().size(), 1u);
    EXPECT_TRUE(modal->messagesShown()[0].startsWith("'.' は正しい浮動小数点数値ではありません。"));
    EXPECT_FLOAT_EQ(dlg.LeftMargin, 14.0f);

    // Switching units with it reports again and leaves the unit as it was.
    modal->answerMessage(IDOK);
    dlg.TanniInchRB->click();
    EXPECT_EQ(dlg.MeasureUnit, UnitMillimetres);
    EXPECT_TRUE(dlg.TanniMmRB->isChecked());
    EXPECT_EQ(dlg.WidthMemo->text(), "91.0");
}

TEST(PageSetDlg, TheDocumentsUnitIsShownFirst)
{
    Fixture f;
    PageSetupData data = documentData();
    data.Layout.MeasureUnit = UnitInches;
    TPageSetDlg inches(data, f.folder.files());
    inches.FormActivate();
    EXPECT_TRUE(inches.TanniInchRB->isChecked());
    EXPECT_EQ(inches.WidthMemo->text(), "3.583");
    EXPECT_EQ(inches.RMarginMemo->text(), "0.551");

    data.Layout.MeasureUnit = 0; // a layout never set up: millimetres
    TPageSetDlg none(data, f.folder.files());
    none.FormActivate();
    EXPECT_EQ(none.MeasureUnit, UnitMillimetres);
    EXPECT_TRUE(none.TanniMmRB->isChecked());
}

TEST(PageSetDlg, TheDocumentsPresetIsFoundOrReported)
{
    Fixture f;
    ScopedScriptedModal modal;
    PageSetupData data = documentData();
    data.Layout.PresetSource = UserPreset;
    data.Layout.PresetName = MakePresetName("mine");
    data.Layout.LeftMargin = 20.0f; // the file says 14.0
    modal->answerMessage(IDOK);
    TPageSetDlg changed(data, f.folder.files());
    changed.FormActivate();
    ASSERT_EQ(modal->messagesShown().size(), 1u);
    EXPECT_EQ(modal->messagesShown()[0], LoadStr(Str::PresetMismatch).replace("%s", "mine"));
    EXPECT_EQ(changed.YousiCB->currentIndex(), 0);
    EXPECT_EQ(changed.LMarginMemo->text(), "20.0");
    EXPECT_EQ(changed.RMarginMemo->text(), "8.0");

    data.Layout.LeftMargin = 14.0f;
    TPageSetDlg same(data, f.folder.files());
    same.FormActivate();
    EXPECT_EQ(same.YousiCB->currentIndex(), 3);
    EXPECT_EQ(modal->messagesShown().size(), 1u);

    data.Layout.PresetSource = MakerPreset;
    data.Layout.PresetName = MakePresetName(sjis(LetterEight));
    data.LegacyLayoutLoaded = true;
    TPageSetDlg legacy(data, f.folder.files());
    legacy.FormActivate();
    EXPECT_EQ(legacy.YousiCB->currentIndex(), 0);
    EXPECT_EQ(modal->messagesShown().size(), 1u);
}

TEST(PageSetDlg, NewDocumentModeStartsOnTheFirstPreset)
{
    Fixture f;
    ScopedScriptedModal modal;
    PageSetupData data = NewDocumentPageSetup(Version);
    TPageSetDlg dlg(data, f.folder.files());
    EXPECT_EQ(dlg.windowTitle(), "新規作成");
    dlg.show();
    dlg.FormActivate();
    EXPECT_EQ(dlg.YousiCB->currentIndex(), 1);
    EXPECT_EQ(dlg.WidthMemo->text(), "91.0");
    dlg.TrackBar->setValue(-2);
    dlg.TonboCB->setChecked(false);
    dlg.OKBtn->click();
    ASSERT_EQ(dlg.result(), QDialog::Accepted);
    const PageSetupData r = dlg.Result();
    EXPECT_TRUE(r.NewDocument);
    EXPECT_EQ(r.Layout.PresetIndex, 1);
    EXPECT_EQ(r.Layout.PresetSource, MakerPreset);
    EXPECT_EQ(PresetNameText(r.Layout.PresetName), sjis("A4 10面 91×55"));
    EXPECT_EQ(r.WorkSheetWidthPx, 455);
    EXPECT_EQ(r.WorkSheetHeightPx, 275);
    EXPECT_EQ(r.Layout.Retu, 2);
    EXPECT_EQ(r.Layout.Dann, 5);
    EXPECT_FLOAT_EQ(r.Layout.PaperHeight, 297.0f);
    EXPECT_EQ(r.Layout.Overhang, -2);
    EXPECT_FALSE(r.Layout.Tonbo);
    EXPECT_EQ(r.Layout.MeasureUnit, UnitMillimetres);
    EXPECT_TRUE(modal->asked.empty());
}

TEST(PageSetDlg, NewDocumentModeWithoutPresetsNeedsASize)
{
    PresetFolder empty;
    ScopedScriptedModal modal;
    TPageSetDlg dlg(NewDocumentPageSetup(Version), empty.files());
    dlg.show();
    dlg.FormActivate();
    EXPECT_EQ(dlg.YousiCB->currentIndex(), 0);
    EXPECT_EQ(dlg.WidthMemo->text(), "0.0");
    modal->answerMessage(IDOK);
    dlg.OKBtn->click();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(modal->messagesShown().size(), 1u);
    dlg.WidthMemo->setText("91");
    dlg.HeightMemo->setText("55");
    dlg.OKBtn->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.Result().WorkSheetHeightPx, 275);
}

TEST(PageSetDlg, RegisteringAndDeletingAUserPreset)
{
    Fixture f;
    ScopedScriptedModal modal;
    TPageSetDlg dlg(documentData(), f.folder.files());
    dlg.FormActivate();
    dlg.LMarginMemo->setText("15");
    emit dlg.LMarginMemo->Exit();

    // The first name is taken; the second is registered.
    modal->answerMessage(IDOK);
    modal->answerDialog([](QDialog &d) {
        auto &names = dynamic_cast<TSetNameInDlg &>(d);
        names.NameEdit->setText("mine");
        names.OKBtn->click();
        EXPECT_EQ(names.result(), QDialog::Rejected);
        names.NameEdit->setText(QString::fromUtf8(" 私の設定 "));
        names.OKBtn->click();
        return names.result();
    });
    dlg.NewBtn->click();
    EXPECT_EQ(modal->messagesShown(), std::vector<QString>{LoadStr(Str::PresetNameTaken)});
    EXPECT_EQ(dlg.YousiCB->currentIndex(), 4);
    EXPECT_EQ(dlg.YousiCB->itemText(4), QString::fromUtf8("私の設定"));
    EXPECT_EQ(dlg.PresetSource, UserPreset);
    EXPECT_TRUE(dlg.DeleteBtn->isEnabled());
    EXPECT_FALSE(dlg.WidthMemo->isEnabled());
    EXPECT_EQ(readBytes(f.folder.user()),
              "Velmora version 2.0j\r\n\"mine\", 210.0, 297.0, 91.0, 55.0, 2,5,14.0,11.0,0.0,0.0\r\n\"" +
                  sjis("私の設定") + "\", 210.0, 297.0, 91.0, 55.0, 2,5,15.0,11.0,0.0,0.0\r\n");

    dlg.DeleteBtn->click();
    EXPECT_EQ(dlg.YousiCB->currentIndex(), 3);
    EXPECT_EQ(dlg.YousiCB->count(), 4);
    EXPECT_EQ(readBytes(f.folder.user()),
              "Velmora version 2.0j\r\n\"mine\", 210.0, 297.0, 91.0, 55.0, 2,5,14.0,11.0,0.0,0.0\r\n");

    // A cancelled name dialog registers nothing.
    choose(dlg.YousiCB, 0);
    modal->answerDialog([](QDialog &) { return int(QDialog::Rejected); });
    dlg.NewBtn->click();
    EXPECT_EQ(dlg.YousiCB->count(), 4);
}

TEST(PageSetDlg, EnterInAnyFieldMovesOnInsteadOfClosing)
{
    Fixture f;
    ScopedScriptedModal modal;
    TPageSetDlg dlg(documentData(), f.folder.files());
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    dlg.FormActivate();
    // The paper field first, then wherever Enter moved on to.
    dlg.PaperSizeCB->setFocus();
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        QWidget *before = QApplication::focusWidget();
        QTest::keyClick(before, key);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_NE(dlg.result(), QDialog::Accepted);
        EXPECT_NE(QApplication::focusWidget(), before);
    }
    for (QWidget *field : std::initializer_list<QWidget *>{dlg.YousiCB, dlg.TonboCB, dlg.TrackBar}) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_TRUE(dlg.isVisible()) << field->objectName().toStdString();
    }
    // The OK button itself still closes it.
    dlg.OKBtn->setFocus();
    QTest::keyClick(dlg.OKBtn, Qt::Key_Return);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}
