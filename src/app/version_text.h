// The program's version: the text documents and the About box carry, and what --version prints.
#pragma once

#include <QString>
#include <QStringList>

// ProgramVersion's text, written into documents and the user's preset file.
inline constexpr char ProgramVersionName[] = "2.0j";

// True when the command line asks only for the version.
bool AsksForVersion(const QStringList &arguments);

// What `velmora --version` prints: the version in Japanese, then in English.
QString VersionText();
