// Controls the measuring dialogs share: number fields, buttons and the unit group.
#include "dialogs/dialog_controls.h"

#include "dialogs/number_memo.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

TNumberMemo *NewNumberMemo(const char *name, int maxBytes, QWidget *parent, QRect geometry)
{
    auto *memo = new TNumberMemo(maxBytes, parent);
    memo->setObjectName(QLatin1String(name));
    memo->setGeometry(geometry);
    return memo;
}

QPushButton *NewDialogButton(const char *name, const QString &text, QWidget *parent, QRect geometry)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

UnitButtons NewUnitGroup(QWidget *parent, QRect geometry)
{
    UnitButtons u;
    u.group = new QGroupBox(QStringLiteral("単位"), parent);
    u.group->setObjectName(QStringLiteral("GroupBox"));
    u.group->setGeometry(geometry);
    const auto radio = [&](const char *name, const QString &text, int x, int w) {
        auto *b = new QRadioButton(text, u.group);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(x, 24, w, 22);
        return b;
    };
    u.mm = radio("TanniMmRB", QStringLiteral("ミリ"), 16, 60);
    u.inch = radio("TanniInRB", QStringLiteral("インチ"), 80, 72);
    u.pix = radio("TanniPixRB", QStringLiteral("ピクセル"), 160, 78);
    u.mm->setChecked(true);
    return u;
}
