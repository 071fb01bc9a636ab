// Qt's own texts in Japanese whatever the locale, and the font names the font combo offers.
#include "common/japanese_text.h"
#include "platform/font_families.h"
#include "platform/qt_translations.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFont>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(QtTexts, StandardButtonsAndTheLineEditMenuSpeakJapanese)
{
    ASSERT_TRUE(InstallQtJapaneseTranslations())
        << "qtbase_ja.qm not found in " << QtTranslationsFolder().toStdString()
        << " (Debian package qt6-translations-l10n)";
    EXPECT_TRUE(InstallQtJapaneseTranslations()); // a second call changes nothing

    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("ヴェルモラ Message"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    for (auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
        EXPECT_TRUE(HasJapanese(box.button(button)->text())) << box.button(button)->text().toStdString();
    EXPECT_EQ(box.windowTitle(), QStringLiteral("ヴェルモラ Message"));

    QDialogButtonBox okCancel(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_TRUE(HasJapanese(okCancel.button(QDialogButtonBox::Cancel)->text()));

    QLineEdit edit(QStringLiteral("abc"));
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    int japanese = 0, items = 0;
    for (QAction *a : menu->actions())
        if (!a->isSeparator()) {
            ++items;
            japanese += HasJapanese(a->text());
        }
    EXPECT_GT(items, 0);
    EXPECT_EQ(japanese, items);
}

InstalledFont font(QStringList families, QStringList languages, bool japanese = false)
{
    return {std::move(families), std::move(languages), japanese};
}

TEST(FontNames, JapaneseNamesOnceJapaneseFirstWindowsNamesAsGiven)
{
    const std::vector<InstalledFont> fonts = {
        font({"Nimbus Roman"}, {"en"}),
        font({"IPAPMincho", "IPA P明朝"}, {"en", "ja"}, true),
        font({"C059"}, {"en"}),
        font({"C059"}, {"en"}), // the same family from a second foundry
        font({"DejaVu Sans", "DejaVu Sans Condensed"}, {"en", "en"}),
        font({"IPAGothic", "IPAゴシック"}, {"en", "ja"}, true),
        font({"Noto Sans CJK JP"}, {"en"}, true), // covers Japanese under a Latin name
        font({".Hidden"}, {"en"}),
        font({"ＭＳ Ｐ明朝"}, {"ja"}, true), // a font installed under a Windows name
    };
    const QStringList windows = {"ＭＳ Ｐ明朝", "ＭＳ Ｐゴシック"};
    const QStringList names = FontNameList(fonts, windows);
    EXPECT_EQ(names, (QStringList{"ＭＳ Ｐ明朝", "ＭＳ Ｐゴシック", "IPA P明朝", "IPAゴシック",
                                  "Noto Sans CJK JP", "C059", "DejaVu Sans", "Nimbus Roman"}));
}

TEST(FontNames, TheInstalledListHoldsTheDefaultFontAndNoFamilyTwice)
{
    const QStringList names = ScreenFontNames();
    EXPECT_EQ(names.value(0), QStringLiteral("ＭＳ Ｐ明朝"));
    for (const char *windows : {"ＭＳ Ｐゴシック", "ＭＳ 明朝", "ＭＳ ゴシック"})
        EXPECT_TRUE(names.contains(QString::fromUtf8(windows))) << windows;
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size());
    for (const QString &name : names)
        EXPECT_FALSE(name.contains(u'[')) << name.toStdString(); // no foundry tags
    // fonts-ipafont is installed: its families appear by their Japanese names, before Latin ones.
    const qsizetype mincho = names.indexOf(QStringLiteral("IPA P明朝"));
    ASSERT_GE(mincho, 0);
    EXPECT_FALSE(names.contains(QStringLiteral("IPAPMincho")));
    const qsizetype dejavu = names.indexOf(QStringLiteral("DejaVu Sans"));
    if (dejavu >= 0) {
        EXPECT_LT(mincho, dejavu);
    }
}

TEST(FontNames, AJapaneseNameDrawsWithItsFont)
{
    // Qt knows a family by its localised name too, so a label set to a listed name draws with it.
    const QFontInfo byJapanese(QFont(QStringLiteral("IPA P明朝")));
    const QFontInfo byLatin(QFont(QStringLiteral("IPAPMincho")));
    EXPECT_EQ(byJapanese.family(), byLatin.family());
}

} // namespace
