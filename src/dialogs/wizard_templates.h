// The wizard's template list: where the templates are, their names in list order, and their paths.
#pragma once

#include <QString>
#include <QStringList>

// The search pattern: the application directory, exactly one '/', then "Template/*.tpl".
QString TemplateSearchPattern(const QString &applicationDirectory);

// The names (with extension) of the files matching the pattern, sorted as the class library's string
// list sorts: locale-aware and without regard to case.
QStringList FindTemplateFiles(const QString &pattern);

// A list entry: the file name without its last four characters (the ".tpl").
QString TemplateListName(const QString &fileName);

// The template directory (the pattern without its "*.tpl") followed by the file name.
QString TemplateFilePath(const QString &pattern, const QString &fileName);
