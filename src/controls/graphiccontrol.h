// The windowless control that every card control derives from: tag, hint, cursor, enabled and visible
// state, and the mouse event hooks that the editor attaches.
#pragma once

#include "controls/cursors.h"
#include "platform/idents.h"
#include "platform/scaling.h"

#include <QString>
#include <QWidget>
#include <functional>

class TGraphicControl;

// A press, move or release: the button (Qt::NoButton for a move), the keys held, and the pointer in the
// control's own coordinates.
using TMouseEvent = std::function<void(TGraphicControl *sender, Qt::MouseButton button,
                                       Qt::KeyboardModifiers shift, int x, int y)>;
using TNotifyEvent = std::function<void(TGraphicControl *sender)>;

// The class library's size limits of a control (0: no limit).
struct TSizeConstraints
{
    int MaxHeight = 0;
    int MaxWidth = 0;
    int MinHeight = 0;
    int MinWidth = 0;

    bool operator==(const TSizeConstraints &) const = default;
};

// Published control state that documents written on Windows may carry but that the program does not act
// on (alignment in the parent, anchors, reading order, size limits, drag and drop, hints, pop-up menu).
// It is kept so that such a document writes back unchanged.
struct TControlExtras
{
    TAlign Align = alNone;
    TAnchors Anchors = 1 << akLeft | 1 << akTop;
    TBiDiMode BiDiMode = bdLeftToRight;
    bool ParentBiDiMode = true;
    TSizeConstraints Constraints;
    TCursor DragCursor = crDrag;
    TDragKind DragKind = dkDrag;
    TDragMode DragMode = dmManual;
    bool ShowHint = false;
    bool ParentShowHint = true;
    // The pop-up menu component by its name; empty for none.
    QString PopupMenu;
};

// An alien child widget that paints on its parent's surface. A handler may not delete the control it
// was called for (use deleteLater): Qt still delivers the rest of the event to it.
class TGraphicControl : public QWidget, public ScaleAware
{
public:
    explicit TGraphicControl(QWidget *parent = nullptr);

    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    // A double-click of the left button; OnMouseDown follows it with the same press.
    TNotifyEvent OnDblClick;

    QString Name() const { return objectName(); }
    void SetName(const QString &value) { setObjectName(value); }
    int Tag() const { return tag_; }
    void SetTag(int value) { tag_ = value; }
    QString Hint() const { return hint_; }
    void SetHint(const QString &value) { hint_ = value; }
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value);

    // A disabled control lets presses fall through to what lies below it.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    // Moves the control to another parent, keeping its own visibility (QWidget::setParent hides it).
    void SetParent(QWidget *parent);
    // Whether the control shows once its parent shows; kept across SetParent.
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    // Position and size as the control reports them; a shape reports its figure's box instead of its
    // bounds.
    virtual int Left() const { return x(); }
    virtual int Top() const { return y(); }
    virtual int Width() const { return width(); }
    virtual int Height() const { return height(); }
    virtual void SetLeft(int value);
    virtual void SetTop(int value);
    virtual void SetWidth(int value);
    virtual void SetHeight(int value);
    // Moves and resizes the control itself (negative sizes count as 0).
    void SetBounds(int left, int top, int width, int height);

    // State the program keeps for documents only.
    TControlExtras Extras;

    // Scales the bounds by M/D; label fonts scale as well.
    void ChangeScale(int multiplier, int divisor) override;
    // Scales by M/D what the control keeps apart from its bounds and font (a shape's figure and pen,
    // a label's gap); after ChangeScale, so that a scaled copy draws as the original at a larger size.
    virtual void ScaleFigure(int multiplier, int divisor);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void fire(const TMouseEvent &handler, Qt::MouseButton button, QMouseEvent *event);

    int tag_ = 0;
    QString hint_;
    TCursor cursor_ = crDefault;
    bool enabled_ = true;
    bool visible_ = true;
};
