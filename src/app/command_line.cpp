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
                          "       velmora --export-png OUT.png [--dpi N] DOCUMENT.zrd\n"
                          "       velmora --print-pdf OUT.pdf DOCUMENT.zrd\n");
}

QString HelpText()
{
    return UsageText() +
           QStringLiteral(
               "\n"
               "  DOCUMENT.zrd             起動時に開く名刺ファイル\n"
               "                           the card document to open at start-up\n"
               "  --export-png OUT.png     名刺を画像ファイルに書き出す (ウィンドウなし)\n"
               "                           write the card as a PNG image, without a window\n"
               "  --dpi N                  画像の解像度 (1〜%1、既定 127)\n"
               "                           the image's resolution (1 to %1; 127, the worksheet's own, unless "
               "given)\n"
               "  --print-pdf OUT.pdf      印刷と同じ用紙一枚を PDF に書き出す (600 dpi、ウィンドウなし)\n"
               "                           write the sheet as the print command prints it into a PDF (600 "
               "dpi, without a window)\n"
               "  --version                バージョンを表示する\n"
               "                           show the version\n"
               "  --help                   この説明を表示する\n"
               "                           show this text\n")
               .arg(kMaxDpi);
}

namespace {

CommandLine parsePrintPdf(const QStringList &arguments)
{
    CommandLine line;
    line.mode = CommandLine::PrintPdf;
    if (arguments.size() == 3) {
        line.output = arguments[1];
        line.documents << arguments[2];
    } else {
        line.mode = CommandLine::Usage;
        line.error = QStringLiteral("--print-pdf needs an output file and one document");
    }
    return line;
}

} // namespace

CommandLine ParseCommandLine(const QStringList &arguments)
{
    CommandLine line;
    if (arguments.value(0) == QLatin1String("--help")) {
        line.mode = CommandLine::Help;
        return line;
    }
    if (arguments.value(0) == QLatin1String("--print-pdf"))
        return parsePrintPdf(arguments);
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
