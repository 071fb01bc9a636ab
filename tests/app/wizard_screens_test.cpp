// The start-up wizard as a person sees it, through the window system: with VELMORA_SCREENSHOT_DIR set
// (and a real display, e.g. under xvfb-run with QT_QPA_PLATFORM=xcb), the screen is saved at each
// step: the wizard at start-up, its pages, a template's preview and the card after choosing it.
#include "app/unit3.h"
#include "common/scripted_modal.h"
#include "dialogs/wizard.h"
#include "dialogs/wizard_templates.h"
#include "platform/graphics.h"

#include <QDir>
#include <QGuiApplication>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

void shot(const QString &dir, const char *name)
{
    QCoreApplication::processEvents();
    const QString file = QStringLiteral("%1/%2.png").arg(dir, QLatin1String(name));
    // The whole screen as the window system shows it; Qt's own grab where imagemagick is missing.
    if (QProcess::execute(QStringLiteral("import"),
                          {QStringLiteral("-window"), QStringLiteral("root"), file}) != 0)
        QGuiApplication::primaryScreen()->grabWindow(0).save(file);
}

TEST(WizardScreens, StartUpTemplatePreviewAndTheChosenCard)
{
    const QString dir = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "VELMORA_SCREENSHOT_DIR not set";
    QDir().mkpath(dir);
    InstallFontSubstitutions();
    QFont ui(QStringLiteral("ＭＳ Ｐゴシック"));
    ui.setPixelSize(12);
    QApplication::setFont(ui);

    // VELMORA_SCREENSHOT_TEMPLATE names another template to choose.
    const QString templateName =
        qEnvironmentVariable("VELMORA_SCREENSHOT_TEMPLATE", QStringLiteral("ウェーブ 横"));
    ScopedScriptedModal modal;
    bool chosen = false;
    modal->answerDialog([&](QDialog &d) {
        auto &wizard = dynamic_cast<TWizardDlg &>(d);
        // The templates the build wrote, in place of the test program's own folder.
        wizard.TemplatePattern = TemplateSearchPattern(qEnvironmentVariable("VELMORA_TEST_DATA"));
        wizard.TemplateFiles = FindTemplateFiles(wizard.TemplatePattern);
        wizard.TemplateListBox->clear();
        for (const QString &name : wizard.TemplateFiles)
            wizard.TemplateListBox->addItem(TemplateListName(name));
        QTimer::singleShot(800, &wizard, [&] {
            shot(dir, "wizard_1_start");
            QTest::mouseClick(wizard.OKBtn, Qt::LeftButton);
            QTimer::singleShot(400, &wizard, [&] {
                shot(dir, "wizard_2_new");
                QTest::mouseClick(wizard.OKBtn, Qt::LeftButton);
                for (int row = 0; row < wizard.TemplateListBox->count(); ++row)
                    if (wizard.TemplateListBox->item(row)->text() == templateName)
                        wizard.TemplateListBox->setCurrentRow(row);
                QTimer::singleShot(400, &wizard, [&] {
                    shot(dir, "wizard_3_preview");
                    chosen = true;
                    QTest::mouseClick(wizard.OKBtn, Qt::LeftButton);
                });
            });
        });
        return wizard.exec();
    });

    TForm3 form;
    form.move(0, 0);
    form.resize(640, 480);
    form.show();
    for (int i = 0; i < 100 && !chosen; ++i)
        QTest::qWait(50);
    QTest::qWait(400);
    ASSERT_TRUE(chosen);
    EXPECT_TRUE(form.DocumentOpen);
    EXPECT_FALSE(form.Modified);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("ヴェルモラ  newfile.zrd"));
    shot(dir, "wizard_4_card");
}

} // namespace
