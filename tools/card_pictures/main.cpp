// card_pictures CPHRASE_FOLDER BKIMAGES_FOLDER: writes the pictures shipped beside the program.
#include "card_pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: card_pictures CPHRASE_FOLDER BKIMAGES_FOLDER\n");
        return 2;
    }
    // Fonts need a GUI application; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString phrases = QString::fromLocal8Bit(argv[1]), backgrounds = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(phrases) || !QDir().mkpath(backgrounds)) {
        std::fprintf(stderr, "card_pictures: cannot create the folders\n");
        return 1;
    }
    return WriteCatchPhrases(phrases) && WriteBackgrounds(backgrounds) ? 0 : 1;
}
