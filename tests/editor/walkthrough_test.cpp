// A person's session on the worksheet, through the window system's event path: draw every shape, type
// Latin and Japanese labels, move, resize, edit a label and open a pop-up menu. With
// VELMORA_SCREENSHOT_DIR set, each step is also saved there as a numbered PNG.
#include "editor_fixture.h"

#include "controls/gridshape.h"
#include "editor/inplace_editor.h"
#include "platform/graphics.h"

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace {

class Walkthrough : public EditorFixture
{
protected:
    void SetUp() override
    {
        InstallFontSubstitutions();
        EditorFixture::SetUp();
        form->move(0, 0);
        shotDir = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    }

    // The window (and any pop-up over it) as the screen shows it.
    void shot(const char *name)
    {
        if (shotDir.isEmpty())
            return;
        QCoreApplication::processEvents();
        QDir().mkpath(shotDir);
        const QRect area = form->frameGeometry().united(
            form->PopupMenu->isVisible() ? form->PopupMenu->geometry() : QRect());
        QPixmap pixels =
            QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        if (pixels.isNull() || pixels.toImage().allGray())
            pixels = form->grab();
        ++shotNumber;
        pixels.save(
            QStringLiteral("%1/%2_%3.png").arg(shotDir).arg(shotNumber, 2, 10, QChar(u'0')).arg(name));
    }

    void typeText(const QString &text)
    {
        ASSERT_NE(form->InPlaceEditor, nullptr);
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, form->InPlaceEditor, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
    }

    QString shotDir;
    int shotNumber = 0;
};

TEST_F(Walkthrough, DrawTypeMoveResizeAndEdit)
{
    shot("empty_worksheet");

    // A rectangle, caught while the rubber band is out.
    form->RectButton->click();
    press({30, 30});
    move({90, 60});
    move({150, 90});
    shot("rubber_band");
    release({150, 90});
    ASSERT_EQ(form->ObjectList.size(), 1);

    form->PenWidth = 2;
    draw(form->SquareButton, {180, 30}, {240, 110});
    form->BrushStyle = bsSolid;
    form->BrushColor = 0xF0D0A0;
    draw(form->EllipseButton, {270, 30}, {400, 90});
    form->BrushStyle = bsClear;
    form->PenColor = 0x0000C0;
    draw(form->CircleButton, {300, 120}, {360, 190});
    form->PenColor = clBlack;
    form->PenWidth = 1;
    TQVShape *line = draw(form->LineButton, {30, 250}, {160, 200});
    draw(form->LineButton, {180, 200}, {260, 250});
    ASSERT_EQ(form->ObjectList.size(), 6);
    EXPECT_EQ(line->Shape(), qvstLineb);
    shot("every_shape");

    // Labels: Latin, then Japanese.
    form->TextButton->click();
    click({30, 110});
    typeText(QStringLiteral("Velmora Design"));
    shot("typing_latin");
    click({430, 260});
    form->FontSizeComboBox->setCurrentText(QStringLiteral("16"));
    form->TextButton->click();
    click({30, 140});
    typeText(QStringLiteral("株式会社ヴェルモラ"));
    shot("typing_japanese");
    click({430, 260});
    ASSERT_EQ(form->ObjectList.size(), 8);
    auto *japanese = dynamic_cast<TLabelEx *>(form->ObjectList.last());
    ASSERT_NE(japanese, nullptr);
    EXPECT_EQ(japanese->Caption(), QStringLiteral("株式会社ヴェルモラ"));
    EXPECT_EQ(japanese->Font().Size(), 16);
    shot("labels");

    // Select the rectangle, drag it, resize it by a corner.
    auto *rect = static_cast<TQVShape *>(form->ObjectList[0]);
    click(inside(rect, 60, 30));
    ASSERT_TRUE(form->HasSelection);
    shot("rectangle_selected");
    drag(inside(rect, 60, 30), inside(rect, 60, 30) + QPoint(20, 40));
    EXPECT_EQ(boxOf(rect), (EditRect{50, 70, 120, 60}));
    shot("rectangle_moved");
    const QPoint corner = centre(form->SelectionHandles[hBottomRight]);
    drag(corner, corner + QPoint(40, 30));
    EXPECT_EQ(boxOf(rect), (EditRect{50, 70, 160, 90}));
    shot("rectangle_resized");

    // The Japanese label: selected with its frame, then opened for editing.
    click(inside(japanese, 10, 5));
    ASSERT_NE(form->LabelFrame, nullptr);
    shot("label_selected");
    doubleClick(inside(japanese, 10, 5));
    ASSERT_TRUE(form->EditingLabel);
    QTest::keyClick(form->InPlaceEditor, Qt::Key_End);
    typeText(QStringLiteral(" 営業部"));
    shot("label_editing");
    click({430, 260});
    EXPECT_EQ(japanese->Caption(), QStringLiteral("株式会社ヴェルモラ 営業部"));

    // A right-click on the ellipse selects it and opens its menu.
    auto *ellipse = static_cast<TQVShape *>(form->ObjectList[2]);
    click(inside(ellipse, 60, 30), Qt::RightButton);
    EXPECT_TRUE(form->PopupMenu->isVisible());
    EXPECT_EQ(form->Brushed->text(), QStringLiteral("背景を透明にする"));
    shot("shape_popup");
    form->PopupMenu->close();

    click(inside(line, 60, 25));
    ASSERT_EQ(form->SelectedObject, line);
    shot("line_selected");
    EXPECT_GT(form->ModificationCount, 10);
}

} // namespace

TEST_F(Walkthrough, ALetterSpacedLabelShowsEveryGlyphWhole)
{
    // Typed with a gap of 2 as a user types it; on the worksheet its ink is that of the same text
    // drawn without any clipping.
    form->GapComboBox->setCurrentText(QStringLiteral("2"));
    form->FontSizeComboBox->setCurrentText(QStringLiteral("14"));
    form->TextButton->click();
    click({30, 60});
    typeText(QStringLiteral("Taro Yamada / Sales Dept."));
    click({430, 260});
    ASSERT_EQ(form->ObjectList.size(), 1);
    auto *label = dynamic_cast<TLabelEx *>(form->ObjectList.last());
    ASSERT_NE(label, nullptr);
    ASSERT_EQ(label->Gap(), 2);
    shot("letter_spaced_label");

    form->GridOverlay->SetVisible(false); // grid lines under the glyphs would darken their edges
    QImage sheet(form->DrawPanel->size(), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    form->DrawPanel->render(&sheet, QPoint(), QRegion(), QWidget::DrawChildren);
    QFont font = label->Font().ToQFont();
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    QImage free(sheet.size(), QImage::Format_RGB32);
    free.fill(Qt::white);
    {
        QPainter p(&free);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(label->pos() + QPoint(0, QFontMetrics(font).ascent()), label->Caption());
    }
    if (!shotDir.isEmpty()) {
        sheet.save(shotDir + QStringLiteral("/letter_spaced_sheet.png"));
        free.save(shotDir + QStringLiteral("/letter_spaced_free.png"));
    }
    const QRect area = label->geometry().adjusted(-20, -10, 40, 10);
    int differing = 0, ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const bool expected = qGray(free.pixel(x, y)) < 160;
            ink += expected;
            differing += expected != (qGray(sheet.pixel(x, y)) < 160);
        }
    EXPECT_GT(ink, 100);
    EXPECT_EQ(differing, 0);
}
