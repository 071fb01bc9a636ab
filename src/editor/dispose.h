// Taking a transient or card control off the worksheet safely.
#pragma once

class QWidget;

// Hides the control, takes it off its parent and destroys it once the event being handled is over:
// the handler that asked for it may still be running on it.
void DisposeControl(QWidget *control);
