// The colour dialog component, shown through the modal seam.
#include "controls/colordialog.h"

#include "platform/application.h"

bool TColorDialog::Execute()
{
    const auto result = Application().Modal().chooseColor({ToQColor(Color), CustomColors});
    if (!result)
        return false;
    Color = FromQColor(result->color);
    CustomColors = result->customColors;
    return true;
}
