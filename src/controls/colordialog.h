// TColorDialog: the colour dialog component: the chosen colour and the custom colours it remembers.
#pragma once

#include "document/streamable.h"
#include "platform/colors.h"

#include <QObject>
#include <QStringList>

// The dialog's options; Options holds 1 << each option chosen.
enum TColorDialogOption { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor };

class TColorDialog : public QObject, public Streamable
{
public:
    explicit TColorDialog(QObject *owner = nullptr) : QObject(owner) {}

    TColor Color = clBlack;
    // "ColorA=RRGGBB"-style entries (the value is 0xBBGGRR in hex), as the dialog keeps them.
    QStringList CustomColors;
    // Tag, the 3-D look, the options and the help topic are kept for documents only.
    int Tag = 0;
    bool Ctl3D = true;
    int Options = 0; // a set of TColorDialogOption bits
    int HelpContext = 0;

    // Shows the dialog with Color preselected; on OK takes the chosen colour and the custom colours.
    bool Execute();

    // Streaming (Streamable).
    QString ClassName() const override { return QStringLiteral("TColorDialog"); }
    void WriteProperties(PropertyWriter &writer) const override;
    void ReadProperty(const QString &name, const StreamValue &value) override;
};
