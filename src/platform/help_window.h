// The in-app help window: the help file (HTML) shown at a topic anchor, beside the main window.
#pragma once

#include <QRect>
#include <QString>
#include <optional>

// Opens (or raises) the help window showing `helpFile` at the anchor `topic`. It opens where it was
// last closed, or else beside the main window.
void ShowHelpWindow(const QString &helpFile, const QString &topic);
// Closes the help window if it is open (the program is quitting).
void CloseHelpWindow();

// A readable size for help text beside a main window of height `mainHeight`, within `screen`.
QSize HelpWindowSize(int mainHeight, const QRect &screen);
// Where a help window of `size` stands beside the main window's frame `main`: to its right when it
// fits on `screen`, else to its left, else narrower on the roomier side while that leaves a readable
// width, else at the screen's right edge; never outside the screen.
QRect HelpWindowPlace(const QRect &main, const QRect &screen, QSize size);

// The remembered place, kept in a small file of its own in the per-user configuration folder.
QString HelpWindowSettingsPath();
std::optional<QRect> ReadHelpWindowGeometry(const QString &path);
void WriteHelpWindowGeometry(const QString &path, const QRect &geometry);
