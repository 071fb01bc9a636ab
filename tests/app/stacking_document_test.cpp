// The stacking order survives saving: an object sent to the back is still lowest after reopening.
#include "app/unit3.h"
#include "controls/gridshape.h"
#include "controls/qvshape.h"

#include <QAction>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TQVShape *shapeAt(TForm3 &form, int left, TColor pen)
{
    auto *shape = new TQVShape(form.DrawPanel);
    shape->SetLeft(left);
    shape->SetTop(left);
    shape->SetWidth(100);
    shape->SetHeight(60);
    shape->Pen().SetColor(pen);
    form.AttachCardObject(shape);
    return shape;
}

TEST(StackingDocument, BackOnTheLastOfThreeIsKeptBySavingAndReopening)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("order.zrd"));
    {
        TForm3 form;
        form.RebuildWorkSheet(form.WorkSheetWidthPx, form.WorkSheetHeightPx);
        shapeAt(form, 20, 0x0000AA);
        shapeAt(form, 40, 0x00BB00);
        TQVShape *c = shapeAt(form, 60, 0xCC0000);
        form.SelectObject(c, c->Top(), c->Left(), c->Height(), c->Width());
        form.Back->trigger();
        ASSERT_EQ(form.SaveDocument(path), 0);
    }
    TForm3 again;
    ASSERT_EQ(again.LoadDocument(path), 0);
    ASSERT_EQ(again.ObjectList.size(), 3);
    QList<TColor> pens;
    for (QWidget *object : again.ObjectList)
        pens << static_cast<TQVShape *>(object)->Pen().Color();
    EXPECT_EQ(pens, (QList<TColor>{0xCC0000, 0x0000AA, 0x00BB00}));
    // And the worksheet draws them in that order, above the background and grid.
    const QObjectList children = again.DrawPanel->children();
    EXPECT_LT(children.indexOf(static_cast<QObject *>(again.GridOverlay)),
              children.indexOf(static_cast<QObject *>(again.ObjectList[0])));
    EXPECT_LT(children.indexOf(static_cast<QObject *>(again.ObjectList[0])),
              children.indexOf(static_cast<QObject *>(again.ObjectList[1])));
    EXPECT_LT(children.indexOf(static_cast<QObject *>(again.ObjectList[1])),
              children.indexOf(static_cast<QObject *>(again.ObjectList[2])));
}

} // namespace
