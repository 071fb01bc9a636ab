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
                          "       velmora --print-pdf OUT.pdf [--offset X,Y] DOCUMENT.zrd\n");
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
               "  --offset X,Y             印刷位置の補正 (mm、右と下が +、-10〜+10、既定 0,0)\n"
               "                           move every card and crop mark by X mm right and Y mm down (-10 "
               "to +10; none unless given, whatever page setup keeps for PDF output)\n"
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
    QStringList files;
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] != QLatin1String("--offset")) {
            files << arguments[i];
        } else if (!ParseOffsetArgument(arguments.value(++i), line.offset)) {
            line.mode = CommandLine::Usage;
            line.error = QStringLiteral("--offset takes two millimetre values from -10 to +10, as 1.5,-0.7");
            return line;
        }
    }
    if (files.size() == 2) {
        line.output = files[0];
        line.documents << files[1];
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
