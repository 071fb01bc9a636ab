// Writes the shipped templates, Template/*.tpl, with the program's own document writer.
#include "app/unit3.h"
#include "card_builder.h"
#include "designs.h"
#include "platform/graphics.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_templates FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Labels are measured with the fonts the program draws them in.
    InstallFontSubstitutions();
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_templates: cannot create %s\n", argv[1]);
        return 1;
    }
    // Templates of designs that are gone do not linger.
    for (const QString &old : folder.entryList({QStringLiteral("*.tpl")}, QDir::Files))
        folder.remove(old);
    TForm3 form;
    CardBuilder builder(form);
    for (const TemplateDesign &design : TemplateDesigns()) {
        design.draw(builder);
        if (!builder.Save(folder.filePath(design.name + QStringLiteral(".tpl"))))
            return 1;
    }
    return 0;
}
