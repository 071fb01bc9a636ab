// A card restyled through the window system's event path with the palette and the font panel. With
// VELMORA_SCREENSHOT_DIR set the result is saved there; VELMORA_HOLD_MS keeps it on screen that long.
#include "editor_fixture.h"

#include "editor/inplace_editor.h"
#include "platform/graphics.h"

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>

namespace {

class Restyle : public EditorFixture
{
protected:
    void SetUp() override
    {
        InstallFontSubstitutions();
        EditorFixture::SetUp();
        form->move(0, 0);
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void swatch(int i, Qt::MouseButton b) { QTest::mouseClick(form->ColorPalette[i], b, {}, QPoint(5, 5)); }
    void typeText(const QString &text)
    {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, form->InPlaceEditor, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
    }
    void typeInto(QComboBox *combo, const QString &text)
    {
        QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), text);
    }
};

TEST_F(Restyle, PaletteAndFontPanelRestyleACard)
{
    // A filled navy band with a thick teal frame, drawn with colours picked beforehand.
    swatch(11, Qt::LeftButton);
    form->Width4->click();
    TQVShape *band = draw(form->RectButton, {10, 10}, {445, 70});
    ASSERT_NE(band, nullptr);
    click(inside(band, 100, 20));
    swatch(13, Qt::RightButton);
    EXPECT_EQ(band->Brush().Style(), bsSolid);
    EXPECT_EQ(band->Pen().Width(), 4);

    // A dotted circle in red.
    click({440, 260});
    swatch(4, Qt::LeftButton);
    form->psDotButton->click();
    TQVShape *circle = draw(form->CircleButton, {360, 150}, {430, 220});
    ASSERT_NE(circle, nullptr);
    EXPECT_EQ(circle->Pen().Style(), psDot);

    // The name in a large bold Gothic with letter spacing, typed with the font panel set first.
    click({440, 260});
    swatch(1, Qt::LeftButton);
    typeInto(form->FontNameComboBox, QStringLiteral("IPAPGothic"));
    typeInto(form->FontSizeComboBox, QStringLiteral("2a6"));
    typeInto(form->GapComboBox, QStringLiteral("6"));
    form->BoldButton->click();
    form->TextButton->click();
    EXPECT_EQ(form->FontSizeComboBox->currentText(), QStringLiteral("26"));
    click({30, 110});
    typeText(QStringLiteral("ヴェルモラ"));
    click({440, 260});

    // A second label, restyled after it was made: white on the band, italic, in another size.
    form->FontSize = 12;
    form->BoldButton->click();
    form->TextButton->click();
    click({30, 230});
    typeText(QStringLiteral("Velmora Card Design"));
    click({440, 260});
    ASSERT_EQ(form->ObjectList.size(), 4);
    auto *name = dynamic_cast<TLabelEx *>(form->ObjectList[2]);
    auto *title = dynamic_cast<TLabelEx *>(form->ObjectList[3]);
    ASSERT_TRUE(name && title);
    // Onto the band: a press on the worksheet there would reach the band instead.
    drag(inside(title, 5, 5), inside(title, 5, 5) - QPoint(0, 205));
    ASSERT_EQ(form->SelectedObject, title);
    EXPECT_EQ(title->y(), 30);
    swatch(0, Qt::LeftButton);
    form->ItalicButton->click();
    typeInto(form->FontSizeComboBox, QStringLiteral("18"));
    click({440, 260});

    EXPECT_EQ(name->Font().Name(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(name->Font().Size(), 26);
    EXPECT_EQ(name->Gap(), 6);
    EXPECT_TRUE(name->Font().Style() & fsBold);
    EXPECT_EQ(title->Font().Color(), TColor(0xFFFFFF));
    EXPECT_EQ(title->Font().Size(), 18);
    EXPECT_TRUE(title->Font().Style() & fsItalic);

    const QString dir = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        QCoreApplication::processEvents();
        QDir().mkpath(dir);
        form->grab().save(dir + QStringLiteral("/restyled_card.png"));
    }
    if (const int hold = qEnvironmentVariableIntValue("VELMORA_HOLD_MS"))
        QTest::qWait(hold);
}

} // namespace
