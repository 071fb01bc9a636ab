// Program entry: the application object, its title, then the main window or a batch mode.
#include "app/entry.h"

#include "app/command_line.h"
#include "app/export_png.h"
#include "app/print_pdf.h"
#include "app/unit3.h"
#include "app/version_text.h"
#include "platform/application.h"
#include "platform/graphics.h"
#include "platform/qt_translations.h"
#include "platform/strings.h"

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

void SetUpApplication()
{
    Application().Title = LoadStr(Str::AppTitle);
    QApplication::setApplicationName(QStringLiteral("velmora"));
    // No display name: Qt would append it to every window title, and the titles name the program
    // themselves.
    InstallQtJapaneseTranslations();
    InstallFontSubstitutions();
    QFont uiFont(QStringLiteral("ＭＳ Ｐゴシック"));
    uiFont.setPixelSize(12);
    QApplication::setFont(uiFont);
}

int VelmoraMain(int argc, char **argv)
{
    const QStringList arguments = argumentsOf(argc, argv);
    if (AsksForVersion(arguments)) {
        std::fputs(VersionText().toUtf8().constData(), stdout);
        return 0;
    }
    const CommandLine line = ParseCommandLine(arguments);
    if (line.mode == CommandLine::Usage) {
        std::fprintf(stderr, "velmora: %s\n%s", line.error.toLocal8Bit().constData(),
                     UsageText().toLocal8Bit().constData());
        return 2;
    }
    if (line.mode == CommandLine::Help) {
        std::fputs(HelpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    // A batch mode needs no display.
    if (line.mode != CommandLine::Gui && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    GuardedApplication app(argc, argv);
    try {
        SetUpApplication();
        if (line.mode == CommandLine::ExportPng)
            return ExportPng(line.documents.first(), line.output, line.dpi);
        if (line.mode == CommandLine::PrintPdf)
            return PrintPdf(line.documents.first(), line.output, line.offset);
        TForm3 window(line.documents);
        window.show();
        return app.exec();
    } catch (const std::exception &error) {
        // What escapes start-up is shown, and the program ends normally.
        Application().ShowException(error);
        return 0;
    }
}
