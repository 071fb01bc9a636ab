// A shown editor with an empty worksheet, and the mouse driven through the window system's path, so
// presses go to the control under the pointer and moves and releases follow the pressed control.
#pragma once

#include "controls/LabelEx.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "editor/unit2.h"
#include "print_helpers.h"

#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

inline EditRect boxOf(const TGraphicControl *o)
{
    return {o->Left(), o->Top(), o->Width(), o->Height()};
}

class EditorFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form = std::make_unique<TForm2>();
        form->resize(720, 540);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->RebuildWorkSheet(455, 275);
        // As a new document starts: no background picture chosen yet.
        form->BackgroundPicture->SetVisible(false);
        QCoreApplication::processEvents();
    }

    void TearDown() override
    {
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWindow *window() { return form->windowHandle(); }
    // A point of the worksheet in the window's coordinates.
    QPoint at(QPoint panelPoint) { return form->DrawPanel->mapTo(form.get(), panelPoint); }

    void press(QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {})
    {
        QTest::mousePress(window(), b, m, at(p));
    }
    void move(QPoint p, Qt::KeyboardModifiers m = {})
    {
        QTest::mouseEvent(QTest::MouseMove, window(), Qt::NoButton, m, at(p));
    }
    void release(QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {})
    {
        QTest::mouseRelease(window(), b, m, at(p));
    }
    void click(QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {})
    {
        press(p, b, m);
        release(p, b, m);
    }
    // Press, two moves on the way and release, all with the same keys held.
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers m = {}, Qt::MouseButton b = Qt::LeftButton)
    {
        press(from, b, m);
        move((from + to) / 2, m);
        move(to, m);
        release(to, b, m);
    }
    void doubleClick(QPoint p) { QTest::mouseDClick(window(), Qt::LeftButton, {}, at(p)); }

    // Draws with a tool button; returns the new shape (the last object).
    TQVShape *draw(QToolButton *tool, QPoint from, QPoint to, Qt::KeyboardModifiers m = {})
    {
        tool->click();
        drag(from, to, m);
        return form->ObjectList.isEmpty() ? nullptr : dynamic_cast<TQVShape *>(form->ObjectList.last());
    }

    // A finished shape placed directly, as a document or the clipboard would bring it.
    TQVShape *addShape(EditRect r, TQVShapeType type = qvstRectangle, int penWidth = 1)
    {
        auto *shape = new TQVShape(form->DrawPanel);
        shape->SetShape(type);
        shape->Pen().SetWidth(penWidth);
        shape->Brush().SetStyle(bsClear);
        shape->SetLeft(r.left);
        shape->SetTop(r.top);
        shape->SetWidth(r.width);
        shape->SetHeight(r.height);
        form->AttachCardObject(shape);
        return shape;
    }

    TLabelEx *addLabel(QPoint at, const QString &caption, int size = 12, int gap = 0)
    {
        auto *label = new TLabelEx(form->DrawPanel);
        label->SetLeft(at.x());
        label->SetTop(at.y());
        label->SetTransparent(true);
        label->Font().SetName(QStringLiteral("ＭＳ Ｐ明朝"));
        label->Font().SetSize(size);
        label->SetCaption(caption);
        label->SetGap(gap);
        label->AdjustBounds();
        label->SetAutoSize(false);
        form->AttachCardObject(label);
        return label;
    }

    TImage *addPicture(EditRect r, int tag = 0);

    QPoint centre(const QWidget *w) { return w->geometry().center(); }
    // Presses go where the control shows on the worksheet; a point inside the figure's box.
    QPoint inside(const TGraphicControl *o, int dx = 2, int dy = 2)
    {
        return {o->Left() + dx, o->Top() + dy};
    }

    std::unique_ptr<TForm2> form;
};
