// Front and Back: the stacking on the worksheet and ObjectList change together, and the background
// picture and the grid stay lowest.
#include "editor_fixture.h"

#include "controls/gridshape.h"

namespace {

class Stacking : public EditorFixture
{
protected:
    // The worksheet's children from the bottom that are not selection handles.
    QList<QObject *> layers()
    {
        QList<QObject *> order;
        for (QObject *child : form->DrawPanel->children()) {
            bool handle = false;
            for (TQVShape *h : form->SelectionHandles)
                handle = handle || child == h;
            if (!handle)
                order << child;
        }
        return order;
    }
};

TEST_F(Stacking, BackPutsTheObjectFirstButAboveBackgroundAndGrid)
{
    form->BackgroundPicture->SetVisible(true);
    TQVShape *a = addShape({20, 20, 100, 60});
    TQVShape *b = addShape({40, 40, 100, 60});
    TQVShape *c = addShape({60, 60, 100, 60});
    click(inside(c, 90, 50));
    ASSERT_EQ(form->SelectedObject, c);
    const int before = form->ModificationCount;
    form->Back->trigger();
    EXPECT_EQ(form->ObjectList, (QList<QWidget *>{c, a, b}));
    EXPECT_EQ(layers(), (QList<QObject *>{form->BackgroundPicture, form->GridOverlay, c, a, b}));
    EXPECT_EQ(form->ModificationCount, before + 1);
    EXPECT_TRUE(form->HasSelection);
    // What the screen shows at a point all three cover is the top one.
    EXPECT_EQ(form->DrawPanel->childAt(70, 70), b);

    form->Front->trigger();
    EXPECT_EQ(form->ObjectList, (QList<QWidget *>{a, b, c}));
    EXPECT_EQ(form->DrawPanel->childAt(100, 90), c);
    // Front on the topmost object runs and counts all the same.
    form->Front->trigger();
    EXPECT_EQ(form->ObjectList, (QList<QWidget *>{a, b, c}));
    EXPECT_EQ(form->ModificationCount, before + 3);
}

TEST_F(Stacking, ALabelSentBackKeepsItsFrameBehindIt)
{
    TQVShape *shape = addShape({20, 20, 200, 100});
    TLabelEx *label = addLabel({60, 50}, QStringLiteral("Velmora"));
    click(inside(label));
    ASSERT_NE(form->LabelFrame, nullptr);
    form->Back->trigger();
    EXPECT_EQ(form->ObjectList, (QList<QWidget *>{label, shape}));
    EXPECT_EQ(layers(),
              (QList<QObject *>{form->BackgroundPicture, form->GridOverlay, form->LabelFrame, label, shape}));
}

} // namespace
