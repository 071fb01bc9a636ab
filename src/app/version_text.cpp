// The program's version text.
#include "app/version_text.h"

bool AsksForVersion(const QStringList &arguments)
{
    return arguments.size() == 1 && arguments.first() == QLatin1String("--version");
}

QString VersionText()
{
    const QString version = QString::fromLatin1(ProgramVersionName);
    const QString package = QStringLiteral(VELMORA_PACKAGE_VERSION);
    return QStringLiteral("ヴェルモラ バージョン %1（パッケージ %2）名刺デザイン・印刷プログラム\n"
                          "Velmora version %1 (package %2), a business-card designer\n")
        .arg(version, package);
}
