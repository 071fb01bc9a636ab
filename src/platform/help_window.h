// The in-app help window: the help file (HTML) shown at a topic anchor.
#pragma once

#include <QString>

// Opens (or raises) the help window showing `helpFile` at the anchor `topic`.
void ShowHelpWindow(const QString &helpFile, const QString &topic);
// Closes the help window if it is open (the program is quitting).
void CloseHelpWindow();
