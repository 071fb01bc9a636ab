// The wizard's template list.
#include "dialogs/wizard_templates.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

QString TemplateSearchPattern(const QString &applicationDirectory)
{
    QString dir = applicationDirectory;
    while (dir.endsWith(u'/'))
        dir.chop(1);
    return dir + QStringLiteral("/Template/*.tpl");
}

QStringList FindTemplateFiles(const QString &pattern)
{
    const QFileInfo where(pattern);
    // Hidden and system files count as well; folders are no templates even when their names match.
    QStringList names =
        QDir(where.path(), where.fileName(), QDir::NoSort, QDir::Files | QDir::Hidden | QDir::System)
            .entryList();
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(),
                     [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    return names;
}

QString TemplateListName(const QString &fileName)
{
    return fileName.left(fileName.size() - 4);
}

QString TemplateFilePath(const QString &pattern, const QString &fileName)
{
    return pattern.left(pattern.size() - 5) + fileName;
}
