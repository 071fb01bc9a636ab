// Deferred destruction of worksheet controls.
#include "editor/dispose.h"

#include <QWidget>

void DisposeControl(QWidget *control)
{
    if (!control)
        return;
    control->hide();
    control->setParent(nullptr);
    control->deleteLater();
}
