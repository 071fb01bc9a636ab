// The preset name dialog: trimming, and the names it refuses with a message.
#include "common/scripted_modal.h"
#include "layout/setnamein.h"
#include "platform/strings.h"
#include "preset_test_files.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

PresetTable tableWith(const char *name)
{
    PresetTable t;
    t.Entries[0] = defaultPreset(sjis(name));
    t.MakerPresetCount = 1;
    return t;
}

} // namespace

TEST(SetNameInDlg, HasItsCaptionPromptAndNoDefaultButton)
{
    const PresetTable table;
    TSetNameInDlg dlg(table);
    EXPECT_EQ(dlg.windowTitle(), "設定名入力");
    EXPECT_EQ(dlg.size(), QSize(318, 195));
    EXPECT_EQ(dlg.PromptLabel->text(), "この設定を保存する名前を入力してください");
    EXPECT_EQ(dlg.OKBtn->text(), "OK");
    EXPECT_EQ(dlg.CancelBtn->text(), "Cancel");
    EXPECT_FALSE(dlg.OKBtn->isDefault() || dlg.OKBtn->autoDefault());
    EXPECT_FALSE(dlg.CancelBtn->isDefault() || dlg.CancelBtn->autoDefault());
}

TEST(SetNameInDlg, TrimsTheNameAndClosesWithOk)
{
    ScopedScriptedModal modal;
    const PresetTable table = tableWith("A4 10面");
    TSetNameInDlg dlg(table);
    dlg.NameEdit->setText(QStringLiteral(" \t私の設定 \x01"));
    dlg.OKBtn->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.NameEdit->text(), "私の設定");
    EXPECT_EQ(dlg.Name(), sjis("私の設定"));
    EXPECT_TRUE(modal->asked.empty());
}

TEST(SetNameInDlg, RefusesNamesItCannotRegister)
{
    const PresetTable table = tableWith("A4 10面");
    EXPECT_EQ(TSetNameInDlg::RefusalFor("", table), Str::PresetNameRequired);
    EXPECT_EQ(TSetNameInDlg::RefusalFor(QString::fromUtf8("A4 10面"), table), Str::PresetNameTaken);
    EXPECT_EQ(TSetNameInDlg::RefusalFor("A4 10", table), 0);
    EXPECT_EQ(TSetNameInDlg::RefusalFor(QString::fromUtf8("名刺 😀"), table), Str::PresetNameUnstorable);
    EXPECT_EQ(TSetNameInDlg::RefusalFor("say \"hi\"", table), Str::PresetNameUnstorable);
    EXPECT_EQ(TSetNameInDlg::RefusalFor("two\nlines", table), Str::PresetNameUnstorable);
    EXPECT_EQ(TSetNameInDlg::RefusalFor(QString(63, 'n'), table), 0);
    EXPECT_EQ(TSetNameInDlg::RefusalFor(QString(64, 'n'), table), Str::PresetNameTooLong);
    EXPECT_EQ(TSetNameInDlg::RefusalFor(QString(31, QChar(0x540D)), table), 0); // 62 bytes
    EXPECT_EQ(TSetNameInDlg::RefusalFor(QString(32, QChar(0x540D)), table), Str::PresetNameTooLong);
}

TEST(SetNameInDlg, StaysOpenAfterEachRefusal)
{
    ScopedScriptedModal modal;
    const PresetTable table = tableWith("taken");
    TSetNameInDlg dlg(table);
    dlg.show();
    for (const char *name : {"   ", "taken", "😀"}) {
        modal->answerMessage(IDOK);
        dlg.NameEdit->setText(QString::fromUtf8(name));
        dlg.OKBtn->click();
        EXPECT_TRUE(dlg.isVisible()) << name;
    }
    const auto shown = modal->messagesShown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], "設定名の入力が必要です。");
    EXPECT_EQ(shown[1], "入力した名前は、既に登録されています。別の名前を指定して下さい。");
    EXPECT_EQ(shown[2], LoadStr(Str::PresetNameUnstorable));
    EXPECT_EQ(modal->asked[0].caption, "ヴェルモラ Message");

    dlg.NameEdit->setText("fine");
    dlg.OKBtn->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST(SetNameInDlg, CancelNeedsNoName)
{
    ScopedScriptedModal modal;
    const PresetTable table;
    TSetNameInDlg dlg(table);
    dlg.CancelBtn->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_TRUE(modal->asked.empty());
}
