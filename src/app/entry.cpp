// Program entry: the application object, its title, the main window and the message loop.
#include "app/entry.h"

#include "app/unit3.h"
#include "platform/application.h"
#include "platform/graphics.h"
#include "platform/strings.h"

int VelmoraMain(int argc, char **argv)
{
    GuardedApplication app(argc, argv);
    try {
        Application().Title = LoadStr(Str::AppTitle);
        QApplication::setApplicationName(QStringLiteral("velmora"));
        QApplication::setApplicationDisplayName(Application().Title);
        InstallFontSubstitutions();
        QFont uiFont(QStringLiteral("ＭＳ Ｐゴシック"));
        uiFont.setPixelSize(12);
        QApplication::setFont(uiFont);

        QStringList arguments = QApplication::arguments();
        arguments.removeFirst();
        TForm3 window(arguments);
        window.show();
        return app.exec();
    } catch (const std::exception &error) {
        // What escapes start-up is shown, and the program ends normally.
        Application().ShowException(error);
        return 0;
    }
}
