// TForm2: the grid button shows and hides the grid overlay.
#include "controls/gridshape.h"
#include "editor/unit2.h"

void TForm2::GridButtonClick()
{
    // A view setting, not a change to the card: nothing is marked modified.
    if (GridOverlay)
        GridOverlay->SetVisible(!GridOverlay->Visible());
}
