// TForm2: the right-click pop-up menu: which items a shape, label, picture or the worksheet offers.
#include "controls/image.h"
#include "controls/qvshape.h"
#include "editor/unit2.h"
#include "platform/strings.h"

#include <QAction>
#include <QMenu>

void TForm2::setUpPopupMenu()
{
    connect(PopupMenu, &QMenu::aboutToHide, this, [this] {
        // After the chosen item has run; a menu opened again meanwhile keeps its items.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!PopupMenu->isVisible())
                    hidePopupItems();
            },
            Qt::QueuedConnection);
    });
}

void TForm2::hidePopupItems()
{
    for (QAction *a : {PenColorChange, BrushColorChange, Brushed, FontColorChange, ImageChange,
                       ImageReduction, Order, BGImageSetting, BGImageClear, GridSetting})
        a->setVisible(false);
}

void TForm2::showPopupFor(QWidget *object, QPoint globalPos)
{
    hidePopupItems();
    switch (KindOf(object)) {
    case CardKind::Shape: {
        const bool clear = static_cast<TQVShape *>(object)->Brush().Style() == bsClear;
        PenColorChange->setVisible(true);
        Brushed->setVisible(true);
        Order->setVisible(true);
        Brushed->setText(LoadStr(clear ? Str::FillBackground : Str::ClearBackground));
        BrushColorChange->setVisible(!clear);
        break;
    }
    case CardKind::Label:
        FontColorChange->setVisible(true);
        Order->setVisible(true);
        break;
    case CardKind::Picture:
        ImageReduction->setVisible(true);
        Order->setVisible(true);
        ImageChange->setVisible(true);
        break;
    case CardKind::None:
        GridSetting->setVisible(true);
        BGImageSetting->setVisible(true);
        BGImageClear->setVisible(BackgroundPicture && BackgroundPicture->Visible());
        break;
    }
    PopupMenu->popup(globalPos);
}
