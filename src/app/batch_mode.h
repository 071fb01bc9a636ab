// What the batch modes share: messages to stderr instead of boxes, and the document loaded into a
// main window that is never shown.
#pragma once

#include <functional>

class QString;
class TForm3;

// Loads the document and runs `work` on it; returns the exit status: 0 when `work` returned true, 1
// when the document could not be read, `work` returned false or threw (the reason is on stderr).
int RunOnDocument(const QString &documentPath, const std::function<bool(TForm3 &)> &work);
