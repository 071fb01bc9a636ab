// TColorDialog: the colour dialog component: the chosen colour and the custom colours it remembers.
#pragma once

#include "platform/colors.h"

#include <QObject>
#include <QStringList>

class TColorDialog : public QObject
{
public:
    explicit TColorDialog(QObject *owner = nullptr) : QObject(owner) {}

    TColor Color = clBlack;
    // "ColorA=RRGGBB"-style entries (the value is 0xBBGGRR in hex), as the dialog keeps them.
    QStringList CustomColors;
    bool Ctl3D = true;
    int Options = 0; // a set of the dialog's option bits
    int HelpContext = 0;

    // Shows the dialog with Color preselected; on OK takes the chosen colour and the custom colours.
    bool Execute();
};
