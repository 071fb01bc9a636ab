// Pressing, moving, selecting and resizing card objects with the mouse.
#include "editor_fixture.h"

#include "platform/errors.h"

#include <QMenu>

namespace {

using Objects = EditorFixture;

TEST_F(Objects, ClickSelectsWithoutCountingAChange)
{
    TQVShape *shape = addShape({100, 50, 80, 40});
    click(inside(shape, 10, 10));
    EXPECT_TRUE(form->HasSelection);
    EXPECT_EQ(form->SelectedObject, shape);
    EXPECT_EQ(form->CurrentShape, shape);
    EXPECT_EQ(boxOf(shape), (EditRect{100, 50, 80, 40}));
    EXPECT_EQ(form->ModificationCount, 0);
    EXPECT_FALSE(form->Modified);
    // Clicking the empty worksheet deselects, again without a change.
    click({300, 200});
    EXPECT_FALSE(form->HasSelection);
    EXPECT_EQ(form->SelectedObject, shape); // kept until another object is selected
    for (TQVShape *h : form->SelectionHandles)
        EXPECT_EQ(h, nullptr);
    EXPECT_EQ(form->ModificationCount, 0);
}

TEST_F(Objects, OnePixelMoveCountsOneChangeAtRelease)
{
    form->SnapToGrid = false;
    TQVShape *shape = addShape({100, 50, 80, 40});
    const QPoint from = inside(shape, 10, 10);
    press(from);
    move(from + QPoint(1, 0));
    move(from + QPoint(1, 0));
    EXPECT_EQ(form->ModificationCount, 0);
    release(from + QPoint(1, 0));
    EXPECT_EQ(shape->Left(), 101);
    EXPECT_EQ(shape->Top(), 50);
    EXPECT_EQ(form->ModificationCount, 1);
    EXPECT_TRUE(form->HasSelection);
}

TEST_F(Objects, DragWithSnappingMovesInStepsOfThePitch)
{
    TQVShape *shape = addShape({10, 30, 50, 10});
    press({20, 35});
    move({33, 38});
    EXPECT_EQ(shape->Left() % 10, 0);
    EXPECT_EQ(shape->Top() % 10, 0);
    move({43, 42});
    EXPECT_EQ(shape->Left() % 10, 0);
    EXPECT_EQ(shape->Top() % 10, 0);
    release({43, 42});
    EXPECT_EQ(shape->Left(), 30);
    EXPECT_EQ(shape->Top(), 40);
    EXPECT_EQ(form->ModificationCount, 1);
}

TEST_F(Objects, AltMovesToTheExactPointer)
{
    TQVShape *shape = addShape({10, 30, 50, 10});
    press({20, 35}, Qt::LeftButton, Qt::AltModifier);
    move({27, 39}, Qt::AltModifier);
    release({27, 39}, Qt::LeftButton, Qt::AltModifier);
    EXPECT_EQ(boxOf(shape), (EditRect{17, 34, 50, 10}));
}

TEST_F(Objects, LabelsAndPicturesMoveLikeShapes)
{
    form->SnapToGrid = false;
    TLabelEx *label = addLabel({40, 40}, QStringLiteral("Velmora"));
    TImage *picture = addPicture({200, 100, 60, 40});
    drag(inside(label), inside(label) + QPoint(7, 5));
    EXPECT_EQ(label->Left(), 47);
    EXPECT_EQ(label->Top(), 45);
    EXPECT_EQ(form->SelectedObject, label);
    drag(inside(picture, 30, 20), inside(picture, 30, 20) + QPoint(-20, 11));
    EXPECT_EQ(boxOf(picture), (EditRect{180, 111, 60, 40}));
    EXPECT_EQ(form->CurrentPicture, picture);
    EXPECT_EQ(form->ModificationCount, 2);
}

TEST_F(Objects, ShapeToolPressingAnObjectMovesItAndReturnsToThePointer)
{
    form->SnapToGrid = false;
    TQVShape *shape = addShape({100, 50, 80, 40});
    form->RectButton->click();
    drag(inside(shape, 5, 5), inside(shape, 5, 5) + QPoint(20, 10));
    EXPECT_EQ(form->ObjectList.size(), 1);
    EXPECT_EQ(boxOf(shape), (EditRect{120, 60, 80, 40}));
    EXPECT_FALSE(form->ShapeToolOn);
    EXPECT_TRUE(form->PointButton->isChecked());
    EXPECT_EQ(form->CurrentTool, 9);
    EXPECT_TRUE(form->HasSelection);
}

TEST_F(Objects, HandlesSurroundASelectedShape)
{
    TQVShape *shape = addShape({100, 50, 80, 40});
    click(inside(shape));
    const auto expected = HandlePositions({100, 50, 80, 40});
    for (int i = 0; i < HandleCount; ++i) {
        TQVShape *h = form->SelectionHandles[i];
        ASSERT_NE(h, nullptr);
        EXPECT_TRUE(h->isVisible());
        EXPECT_EQ(QPoint(h->Left(), h->Top()), expected[i]) << i;
        EXPECT_EQ(h->geometry().size(), QSize(8, 8));
        EXPECT_EQ(h->Brush().Color(), clWhite);
        EXPECT_EQ(h->Cursor(), HandleCursor(i, false));
    }
    // Above every card object, corners above the middle handles.
    const QObjectList children = form->DrawPanel->children();
    const auto index = [&](QObject *o) { return children.indexOf(o); };
    EXPECT_GT(index(form->SelectionHandles[hTopMiddle]), index(shape));
    for (int corner : {hTopLeft, hTopRight, hBottomLeft, hBottomRight})
        for (int middle : {hTopMiddle, hMiddleLeft, hMiddleRight, hBottomMiddle})
            EXPECT_GT(index(form->SelectionHandles[corner]), index(form->SelectionHandles[middle]));
}

TEST_F(Objects, LinesShowTwoHandlesOnTheirEnds)
{
    TQVShape *line = addShape({100, 50, 80, 40}, qvstLineb);
    click(inside(line, 40, 20));
    ASSERT_TRUE(form->HasSelection);
    int shown = 0;
    for (TQVShape *h : form->SelectionHandles)
        shown += h->isVisible();
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(QPoint(form->SelectionHandles[hTopRight]->Left(), form->SelectionHandles[hTopRight]->Top()),
              QPoint(177, 47));
    EXPECT_EQ(form->SelectionHandles[hBottomLeft]->Cursor(), crSizeWE);
}

TEST_F(Objects, RightMiddleHandleFlipsPastTheLeftEdge)
{
    form->SnapToGrid = false;
    TQVShape *shape = addShape({100, 50, 80, 40});
    click(inside(shape));
    const QPoint handle = centre(form->SelectionHandles[hMiddleRight]);
    press(handle);
    move(handle + QPoint(-60, 3));
    move(handle + QPoint(-120, 7));
    EXPECT_EQ(boxOf(shape), (EditRect{60, 50, 40, 40}));
    // Every drag event on a handle counts.
    EXPECT_EQ(form->ModificationCount, 2);
    release(handle + QPoint(-120, 7));
    EXPECT_EQ(form->ModificationCount, 2);
    EXPECT_TRUE(form->HasSelection);
    const auto expected = HandlePositions({60, 50, 40, 40});
    for (int i = 0; i < HandleCount; ++i)
        EXPECT_EQ(QPoint(form->SelectionHandles[i]->Left(), form->SelectionHandles[i]->Top()), expected[i]);
}

TEST_F(Objects, HandleDragSnapsTheMovingEdge)
{
    TQVShape *shape = addShape({100, 50, 80, 40});
    click(inside(shape));
    const QPoint handle = centre(form->SelectionHandles[hBottomRight]);
    press(handle);
    move(handle + QPoint(23, 12));
    release(handle + QPoint(23, 12));
    // The pointer's displacement is snapped in the handle's own coordinates: (26, 15) becomes (30, 10).
    EXPECT_EQ(boxOf(shape), (EditRect{100, 50, 110, 50}));
}

TEST_F(Objects, SquareResizeKeepsEqualSides)
{
    form->SnapToGrid = false;
    TQVShape *square = addShape({100, 100, 40, 40}, qvstSquare);
    click(inside(square));
    const QPoint handle = centre(form->SelectionHandles[hTopLeft]);
    press(handle);
    move(handle + QPoint(-20, -5));
    release(handle + QPoint(-20, -5));
    EXPECT_EQ(boxOf(square), (EditRect{95, 95, 45, 45}));
}

TEST_F(Objects, LineHandleDraggedAcrossSwapsTheDiagonal)
{
    form->SnapToGrid = false;
    TQVShape *line = addShape({100, 50, 80, 40}, qvstLinea);
    click(inside(line, 40, 20));
    const QPoint handle = centre(form->SelectionHandles[hBottomRight]);
    press(handle);
    move(handle + QPoint(-120, 0));
    release(handle + QPoint(-120, 0));
    EXPECT_EQ(line->Shape(), qvstLineb);
    EXPECT_EQ(boxOf(line), (EditRect{60, 50, 40, 40}));
}

TEST_F(Objects, PictureCornerKeepsTheRatioUnlessTurnedOff)
{
    form->SnapToGrid = false;
    TImage *picture = addPicture({50, 50, 100, 50});
    click(inside(picture));
    QPoint handle = centre(form->SelectionHandles[hBottomRight]);
    press(handle);
    move(handle + QPoint(50, 50));
    release(handle + QPoint(50, 50));
    EXPECT_EQ(boxOf(picture), (EditRect{50, 50, 150, 75}));

    form->KeepImageRatio = false;
    handle = centre(form->SelectionHandles[hBottomRight]);
    press(handle);
    move(handle + QPoint(10, 40));
    release(handle + QPoint(10, 40));
    EXPECT_EQ(boxOf(picture), (EditRect{50, 50, 160, 115}));
}

TEST_F(Objects, HoverOverAHandleAfterItsReleaseResizesNothing)
{
    form->SnapToGrid = false;
    TQVShape *shape = addShape({100, 50, 80, 40});
    click(inside(shape));
    const QPoint handle = centre(form->SelectionHandles[hMiddleRight]);
    click(handle);
    const int count = form->ModificationCount;
    move(handle + QPoint(1, 0));
    EXPECT_EQ(boxOf(shape), (EditRect{100, 50, 80, 40}));
    EXPECT_EQ(form->ModificationCount, count);
}

TEST_F(Objects, LabelFrameSurroundsASelectedLabelAndLetsPressesThrough)
{
    TLabelEx *label = addLabel({60, 60}, QStringLiteral("Velmora"));
    click(inside(label));
    ASSERT_NE(form->LabelFrame, nullptr);
    const TQVShape *frame = form->LabelFrame;
    EXPECT_EQ(boxOf(frame), (EditRect{55, 55, label->width() + 10, label->height() + 10}));
    EXPECT_EQ(frame->Pen().Width(), 3);
    EXPECT_EQ(frame->Pen().Color(), 0xC0C0C0u);
    EXPECT_EQ(frame->Brush().Style(), bsClear);
    EXPECT_FALSE(frame->Enabled());
    for (TQVShape *h : form->SelectionHandles)
        EXPECT_EQ(h, nullptr);
    // A press on the frame reaches the worksheet below it.
    click({56, 57});
    EXPECT_FALSE(form->HasSelection);
    EXPECT_EQ(form->LabelFrame, nullptr);
}

TEST_F(Objects, PressOnTheSelectedObjectDeselectsItUntilRelease)
{
    TQVShape *shape = addShape({100, 50, 80, 40});
    click(inside(shape, 40, 20));
    press(inside(shape, 40, 20));
    EXPECT_FALSE(form->HasSelection);
    for (TQVShape *h : form->SelectionHandles)
        EXPECT_EQ(h, nullptr);
    release(inside(shape, 40, 20));
    EXPECT_TRUE(form->HasSelection);
}

TEST_F(Objects, AttachRefusesWhatIsNotACardObject)
{
    auto *panel = new TGraphicControl(form->DrawPanel);
    EXPECT_THROW(form->AttachCardObject(panel), VelmoraError);
    EXPECT_TRUE(form->ObjectList.isEmpty());
    EXPECT_THROW(form->AttachCardObject(nullptr), VelmoraError);
}

TEST_F(Objects, RemoveTakesTheSelectedObjectAway)
{
    TQVShape *a = addShape({10, 10, 30, 30});
    TQVShape *b = addShape({100, 10, 30, 30});
    click(inside(b));
    form->RemoveCardObject(b);
    EXPECT_EQ(form->ObjectList, QList<QWidget *>{a});
    EXPECT_FALSE(form->HasSelection);
    EXPECT_EQ(form->SelectedObject, nullptr);
    EXPECT_EQ(form->CurrentShape, nullptr);
    EXPECT_FALSE(form->DrawPanel->children().contains(b));
    for (TQVShape *h : form->SelectionHandles)
        EXPECT_EQ(h, nullptr);
    EXPECT_EQ(form->ModificationCount, 1);
}

// The items a right-click shows, by object name of the action.
QStringList shownItems(TForm2 &f)
{
    QStringList names;
    const std::pair<QAction *, const char *> items[] = {{f.PenColorChange, "PenColorChange"},
                                                        {f.BrushColorChange, "BrushColorChange"},
                                                        {f.Brushed, "Brushed"},
                                                        {f.FontColorChange, "FontColorChange"},
                                                        {f.ImageChange, "ImageChange"},
                                                        {f.ImageReduction, "ImageReduction"},
                                                        {f.Order, "Order"},
                                                        {f.BGImageSetting, "BGImageSetting"},
                                                        {f.BGImageClear, "BGImageClear"},
                                                        {f.GridSetting, "GridSetting"}};
    for (auto [action, name] : items)
        if (action->isVisible())
            names << QString::fromLatin1(name);
    names.sort();
    return names;
}

void closePopup(TForm2 &f)
{
    f.PopupMenu->close();
    QCoreApplication::processEvents();
}

TEST_F(Objects, RightClickOnAShapeSelectsItAndOpensItsMenu)
{
    TQVShape *shape = addShape({100, 50, 80, 40});
    click(inside(shape), Qt::RightButton);
    EXPECT_TRUE(form->HasSelection);
    EXPECT_EQ(form->SelectedObject, shape);
    EXPECT_TRUE(form->PopupMenu->isVisible());
    EXPECT_EQ(shownItems(*form), (QStringList{"Brushed", "Order", "PenColorChange"}));
    EXPECT_EQ(form->Brushed->text(), QStringLiteral("背景を塗りつぶす"));
    EXPECT_EQ(form->ModificationCount, 0);
    closePopup(*form);
    EXPECT_TRUE(shownItems(*form).isEmpty());

    shape->Brush().SetStyle(bsSolid);
    click(inside(shape, 40, 20), Qt::RightButton);
    EXPECT_EQ(shownItems(*form), (QStringList{"BrushColorChange", "Brushed", "Order", "PenColorChange"}));
    EXPECT_EQ(form->Brushed->text(), QStringLiteral("背景を透明にする"));
    closePopup(*form);
}

TEST_F(Objects, RightClickMenusOfLabelsPicturesAndTheWorksheet)
{
    TLabelEx *label = addLabel({60, 60}, QStringLiteral("Velmora"));
    click(inside(label), Qt::RightButton);
    EXPECT_EQ(shownItems(*form), (QStringList{"FontColorChange", "Order"}));
    closePopup(*form);

    TImage *picture = addPicture({200, 100, 60, 40}, 1);
    click(inside(picture), Qt::RightButton);
    EXPECT_EQ(shownItems(*form), (QStringList{"ImageChange", "ImageReduction", "Order"}));
    closePopup(*form);

    click({400, 250}, Qt::RightButton);
    EXPECT_EQ(shownItems(*form), (QStringList{"BGImageSetting", "GridSetting"}));
    closePopup(*form);
    form->BackgroundPicture->SetVisible(true);
    click({400, 250}, Qt::RightButton);
    EXPECT_EQ(shownItems(*form), (QStringList{"BGImageClear", "BGImageSetting", "GridSetting"}));
    closePopup(*form);

    // With a shape tool the right button draws; no menu.
    form->RectButton->click();
    click({400, 250}, Qt::RightButton);
    EXPECT_FALSE(form->PopupMenu->isVisible());
    EXPECT_TRUE(shownItems(*form).isEmpty());
}

TEST_F(Objects, AShapesPopupCommandsAreOffered)
{
    TQVShape *shape = addShape({100, 50, 80, 40});
    shape->Brush().SetStyle(bsSolid);
    click(inside(shape), Qt::RightButton);
    for (QAction *a : {form->PenColorChange, form->BrushColorChange, form->Brushed, form->Front, form->Back})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    EXPECT_TRUE(form->Order->isEnabled());
    closePopup(*form);
}

} // namespace
