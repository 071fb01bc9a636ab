// Qt's own texts (standard buttons, file, colour and print dialogs, context menus) in Japanese.
#pragma once

#include <QString>

// The folder Qt's translations are installed in.
QString QtTranslationsFolder();

// Installs Qt's Japanese translations into the application, whatever the locale, since the whole
// program speaks Japanese. Returns false when they are not installed (Qt's English texts remain).
// Installing twice installs once.
bool InstallQtJapaneseTranslations(const QString &folder = QtTranslationsFolder());
