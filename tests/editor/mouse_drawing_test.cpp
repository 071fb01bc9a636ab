// Choosing tools and drawing shapes on the worksheet with the mouse.
#include "editor_fixture.h"

#include "controls/gridshape.h"
#include "editor/tool_cursors.h"
#include "editor/drawpanel.h"

#include <QImage>

namespace {

using Drawing = EditorFixture;

TPanel *panel(TForm2 &f)
{
    return static_cast<TPanel *>(f.DrawPanel);
}

TEST_F(Drawing, ToolButtonsSetFlagCursorAndPrompts)
{
    form->RectButton->click();
    EXPECT_TRUE(form->ShapeToolOn);
    EXPECT_EQ(form->CurrentTool, 0);
    EXPECT_EQ(panel(*form)->Cursor(), ShapeCursorSlot);
    const QString shapePrompt =
        QStringLiteral("図形描画を開始したいところでクリックし、そのままマウスを移動させてください");
    EXPECT_EQ(form->DrawPanel->toolTip(), shapePrompt);
    EXPECT_EQ(form->RectButton->toolTip(), shapePrompt);

    form->TextButton->click();
    EXPECT_FALSE(form->ShapeToolOn);
    EXPECT_TRUE(form->TextToolOn);
    EXPECT_EQ(form->CurrentTool, 7);
    EXPECT_EQ(panel(*form)->Cursor(), TextCursorSlot);
    EXPECT_EQ(form->DrawPanel->toolTip(), QStringLiteral("文字を貼り付けたいところでクリックして下さい"));
    // The shape tool's hint is its name again.
    EXPECT_EQ(form->RectButton->toolTip(), QStringLiteral("矩形（長方形）"));

    form->imageButton->click();
    EXPECT_TRUE(form->PictureToolOn);
    EXPECT_FALSE(form->TextToolOn);
    EXPECT_EQ(form->CurrentTool, 8);
    EXPECT_EQ(panel(*form)->Cursor(), ImageCursorSlot);
    EXPECT_EQ(form->imageButton->toolTip(), QStringLiteral("画像を貼り付けたいところでクリックしてください"));

    form->CFButton->click();
    EXPECT_TRUE(form->CatchPhraseToolOn);
    EXPECT_FALSE(form->PictureToolOn);
    EXPECT_EQ(form->CurrentTool, 8);
    EXPECT_EQ(form->DrawPanel->toolTip(),
              QStringLiteral("キャッチフレーズを貼り付けたいところでクリックしてください"));
    EXPECT_EQ(form->imageButton->toolTip(), QStringLiteral("画像の読み込み"));

    form->PointButton->click();
    EXPECT_FALSE(form->CatchPhraseToolOn);
    EXPECT_EQ(form->CurrentTool, 9);
    EXPECT_EQ(panel(*form)->Cursor(), crDefault);
    EXPECT_TRUE(form->DrawPanel->toolTip().isEmpty());
    EXPECT_EQ(form->CFButton->toolTip(), QStringLiteral("キャッチフレーズの読み込み"));
    for (auto [button, tool] : {std::pair{form->SquareButton, 1},
                                {form->EllipseButton, 4},
                                {form->CircleButton, 5},
                                {form->LineButton, 6}}) {
        button->click();
        EXPECT_EQ(form->CurrentTool, tool);
        EXPECT_TRUE(form->ShapeToolOn);
    }
    EXPECT_EQ(form->ModificationCount, 0);
}

TEST_F(Drawing, RectangleSnapsBothCornersToTheGrid)
{
    TQVShape *shape = draw(form->RectButton, {13, 27}, {58, 44});
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(form->ObjectList.size(), 1);
    EXPECT_EQ(shape->Shape(), qvstRectangle);
    EXPECT_EQ(boxOf(shape), (EditRect{10, 30, 50, 10}));
    EXPECT_EQ(shape->Pen().Mode(), pmCopy);
    EXPECT_EQ(shape->Pen().Color(), form->PenColor);
    EXPECT_EQ(shape->Pen().Width(), 0); // before any width button was pressed
    EXPECT_EQ(shape->Brush().Color(), form->BrushColor);
    EXPECT_EQ(shape->Brush().Style(), bsClear);
    EXPECT_EQ(shape->Cursor(), crHandPoint);
    EXPECT_EQ(form->ModificationCount, 1);
    EXPECT_TRUE(form->Modified);
    // Back to the pointer, and the new shape is not selected.
    EXPECT_FALSE(form->ShapeToolOn);
    EXPECT_TRUE(form->PointButton->isChecked());
    EXPECT_EQ(form->CurrentTool, 9);
    EXPECT_FALSE(form->HasSelection);
    EXPECT_EQ(form->CurrentShape, shape);
}

TEST_F(Drawing, AltDrawsAtTheExactPointer)
{
    TQVShape *shape = draw(form->RectButton, {13, 27}, {58, 44}, Qt::AltModifier);
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(boxOf(shape), (EditRect{13, 27, 45, 17}));
    // Snapping off in the settings works the same way.
    form->SnapToGrid = false;
    shape = draw(form->EllipseButton, {101, 99}, {33, 71});
    EXPECT_EQ(shape->Shape(), qvstEllipse);
    EXPECT_EQ(boxOf(shape), (EditRect{33, 71, 68, 28}));
}

TEST_F(Drawing, RubberBandInvertsWhatLiesBelowUntilRelease)
{
    form->RectButton->click();
    press({13, 27}, Qt::LeftButton, Qt::AltModifier);
    move({58, 44}, Qt::AltModifier);
    ASSERT_NE(form->CurrentShape, nullptr);
    EXPECT_EQ(form->CurrentShape->Pen().Mode(), pmNot);
    EXPECT_TRUE(form->ObjectList.isEmpty());
    EXPECT_EQ(form->ModificationCount, 0);
    const QImage image = form->DrawPanel->grab().toImage();
    // The left edge (x 13) on white turns black; the top edge crosses the grey grid line x 20.
    EXPECT_EQ(QColor(image.pixel(13, 35)), QColor(Qt::black));
    EXPECT_EQ(QColor(image.pixel(20, 27)), QColor(0x3F, 0x3F, 0x3F));
    EXPECT_EQ(QColor(image.pixel(33, 35)), QColor(Qt::white));
    release({58, 44}, Qt::LeftButton, Qt::AltModifier);
    EXPECT_EQ(form->ObjectList.size(), 1);
}

TEST_F(Drawing, SquareAndCircleKeepTheSmallerSide)
{
    TQVShape *square = draw(form->SquareButton, {100, 100}, {40, 130});
    EXPECT_EQ(square->Shape(), qvstSquare);
    EXPECT_EQ(boxOf(square), (EditRect{70, 100, 30, 30}));
    TQVShape *circle = draw(form->CircleButton, {300, 100}, {340, 50});
    EXPECT_EQ(circle->Shape(), qvstCircle);
    EXPECT_EQ(boxOf(circle), (EditRect{300, 60, 40, 40}));
    EXPECT_EQ(form->ModificationCount, 2);
}

TEST_F(Drawing, LineTakesTheDiagonalOfTheDrag)
{
    TQVShape *upRight = draw(form->LineButton, {100, 150}, {200, 100});
    EXPECT_EQ(upRight->Shape(), qvstLineb);
    EXPECT_EQ(boxOf(upRight), (EditRect{100, 100, 100, 50}));
    TQVShape *down = draw(form->LineButton, {250, 50}, {250, 150});
    EXPECT_EQ(down->Shape(), qvstLinea);
    EXPECT_EQ(down->Width(), 0);
    TQVShape *downRight = draw(form->LineButton, {300, 50}, {350, 100});
    EXPECT_EQ(downRight->Shape(), qvstLinea);
}

TEST_F(Drawing, ClickWithoutMovementAddsAShapeOfSizeZero)
{
    form->RectButton->click();
    click({42, 58});
    ASSERT_EQ(form->ObjectList.size(), 1);
    auto *shape = dynamic_cast<TQVShape *>(form->ObjectList[0]);
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(boxOf(shape), (EditRect{40, 60, 0, 0}));
    EXPECT_EQ(form->ModificationCount, 1);
    EXPECT_TRUE(form->Modified);
}

TEST_F(Drawing, ToolStaysActiveOnlyUntilUsedOnce)
{
    draw(form->RectButton, {10, 10}, {50, 50});
    // The pointer is back: a second drag on the empty worksheet draws nothing.
    drag({100, 100}, {150, 150});
    EXPECT_EQ(form->ObjectList.size(), 1);
    EXPECT_EQ(form->ModificationCount, 1);
}

TEST_F(Drawing, NewShapesTakeTheCurrentSettings)
{
    form->PenWidth = 3;
    form->PenStyle = psDot;
    form->PenColor = 0x0000FF;
    form->BrushColor = 0x00FF00;
    form->BrushStyle = bsSolid;
    TQVShape *shape = draw(form->RectButton, {20, 20}, {80, 60});
    EXPECT_EQ(shape->Pen().Width(), 3);
    EXPECT_EQ(shape->Pen().Style(), psDot);
    EXPECT_EQ(shape->Pen().Color(), 0x0000FFu);
    EXPECT_EQ(shape->Brush().Color(), 0x00FF00u);
    EXPECT_EQ(shape->Brush().Style(), bsSolid);
}

TEST_F(Drawing, GridPitchDecidesTheSnap)
{
    form->GridOverlay->SetGridWidth(15);
    TQVShape *shape = draw(form->RectButton, {22, 23}, {68, 52});
    EXPECT_EQ(boxOf(shape), (EditRect{15, 30, 60, 15}));
    // Snapping is independent of the grid being shown.
    form->GridOverlay->SetVisible(false);
    shape = draw(form->RectButton, {22, 23}, {68, 52});
    EXPECT_EQ(shape->Left(), 15);
}

TEST_F(Drawing, SecondPressBeforeReleaseLeavesNoRubberBandBehind)
{
    form->RectButton->click();
    press({20, 20});
    move({60, 60});
    QPointer<TQVShape> first = form->CurrentShape;
    press({100, 100}, Qt::RightButton);
    release({140, 130}, Qt::RightButton);
    release({140, 130});
    EXPECT_EQ(form->ObjectList.size(), 1);
    EXPECT_TRUE(first.isNull() || first->parent() == nullptr);
    for (QObject *child : form->DrawPanel->children()) {
        if (auto *shape = dynamic_cast<TQVShape *>(child)) {
            EXPECT_EQ(shape->Pen().Mode(), pmCopy);
        }
    }
}

} // namespace
