// Reading the command line.
#include "app/command_line.h"

namespace {
constexpr int kMaxDpi = 2400;
}

bool IsDocumentPath(const QString &path)
{
    return path.size() > 4 && path.right(4).compare(QStringLiteral(".zrd"), Qt::CaseInsensitive) == 0;
}

QString UsageText()
{
    return QStringLiteral("usage: velmora [DOCUMENT.zrd]\n"
                          "       velmora --export-png OUT.png [--dpi N] DOCUMENT.zrd\n");
}

CommandLine ParseCommandLine(const QStringList &arguments)
{
    CommandLine line;
    if (arguments.value(0) != QLatin1String("--export-png")) {
        line.documents = arguments;
        return line;
    }
    line.mode = CommandLine::ExportPng;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (arg == QLatin1String("--dpi")) {
            bool ok = false;
            line.dpi = arguments.value(++i).toInt(&ok);
            if (!ok || line.dpi < 1 || line.dpi > kMaxDpi) {
                line.mode = CommandLine::Usage;
                line.error = QStringLiteral("--dpi takes a whole number from 1 to %1").arg(kMaxDpi);
                return line;
            }
        } else if (line.output.isEmpty()) {
            line.output = arg;
        } else {
            line.documents << arg;
        }
    }
    if (line.output.isEmpty() || line.documents.size() != 1) {
        line.mode = CommandLine::Usage;
        line.error = QStringLiteral("--export-png needs an output file and one document");
    }
    return line;
}
