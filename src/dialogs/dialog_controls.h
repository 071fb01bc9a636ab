// Controls the measuring dialogs share: number fields, buttons, the unit group and the updating guard.
#pragma once

#include <QRect>

class QGroupBox;
class QPushButton;
class QRadioButton;
class QString;
class QWidget;
class TNumberMemo;

// A right-aligned number field of at most `maxBytes` characters.
TNumberMemo *NewNumberMemo(const char *name, int maxBytes, QWidget *parent, QRect geometry);
// A push button that Enter in a field does not press.
QPushButton *NewDialogButton(const char *name, const QString &text, QWidget *parent, QRect geometry);

// The "単位" group with its millimetre, inch and pixel buttons at their places in the group.
struct UnitButtons
{
    QGroupBox *group;
    QRadioButton *mm;
    QRadioButton *inch;
    QRadioButton *pix;
};
UnitButtons NewUnitGroup(QWidget *parent, QRect geometry);

// Sets a dialog's Updating flag for one handler and clears it at the end, also when a conversion
// fails, so typing goes on being converted after the error was shown.
class UpdatingScope
{
public:
    explicit UpdatingScope(bool &flag) : flag_(flag) { flag_ = true; }
    ~UpdatingScope() { flag_ = false; }
    UpdatingScope(const UpdatingScope &) = delete;
    UpdatingScope &operator=(const UpdatingScope &) = delete;

private:
    bool &flag_;
};
