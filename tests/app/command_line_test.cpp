// The command line: the GUI's argument and the export mode's options.
#include "app/command_line.h"

#include <algorithm>
#include <gtest/gtest.h>

TEST(CommandLine, GuiTakesTheArgumentsAsGiven)
{
    const CommandLine line = ParseCommandLine({QStringLiteral("/home/Ann/Card.ZRD")});
    EXPECT_EQ(line.mode, CommandLine::Gui);
    EXPECT_EQ(line.documents, QStringList{QStringLiteral("/home/Ann/Card.ZRD")});
    EXPECT_EQ(ParseCommandLine({}).documents.size(), 0);
}

TEST(CommandLine, DocumentExtensionInAnyCase)
{
    EXPECT_TRUE(IsDocumentPath(QStringLiteral("/home/Ann/Card.ZRD")));
    EXPECT_TRUE(IsDocumentPath(QStringLiteral("名刺.zrd")));
    EXPECT_FALSE(IsDocumentPath(QStringLiteral("template.tpl")));
    EXPECT_FALSE(IsDocumentPath(QStringLiteral(".zrd")));
    EXPECT_FALSE(IsDocumentPath(QStringLiteral("card.zrd.bak")));
}

TEST(CommandLine, ExportPngWithAndWithoutDpi)
{
    CommandLine line = ParseCommandLine({"--export-png", "out.png", "card.zrd"});
    EXPECT_EQ(line.mode, CommandLine::ExportPng);
    EXPECT_EQ(line.output, QStringLiteral("out.png"));
    EXPECT_EQ(line.documents, QStringList{"card.zrd"});
    EXPECT_EQ(line.dpi, 127);
    line = ParseCommandLine({"--export-png", "out.png", "--dpi", "300", "card.zrd"});
    EXPECT_EQ(line.mode, CommandLine::ExportPng);
    EXPECT_EQ(line.dpi, 300);
}

TEST(CommandLine, WrongExportArgumentsGiveUsage)
{
    for (const QStringList &args : {QStringList{"--export-png"}, QStringList{"--export-png", "out.png"},
                                    QStringList{"--export-png", "out.png", "a.zrd", "b.zrd"},
                                    QStringList{"--export-png", "out.png", "--dpi", "x", "a.zrd"},
                                    QStringList{"--export-png", "out.png", "--dpi", "0", "a.zrd"},
                                    QStringList{"--export-png", "out.png", "--dpi", "99999999", "a.zrd"}}) {
        const CommandLine line = ParseCommandLine(args);
        EXPECT_EQ(line.mode, CommandLine::Usage) << args.join(' ').toStdString();
        EXPECT_FALSE(line.error.isEmpty());
    }
}

TEST(CommandLine, PrintPdfTakesAnOutputAndOneDocument)
{
    const CommandLine line = ParseCommandLine({"--print-pdf", "sheet.pdf", "card.zrd"});
    EXPECT_EQ(line.mode, CommandLine::PrintPdf);
    EXPECT_EQ(line.output, QStringLiteral("sheet.pdf"));
    EXPECT_EQ(line.documents, QStringList{"card.zrd"});
    for (const QStringList &args : {QStringList{"--print-pdf"}, QStringList{"--print-pdf", "sheet.pdf"},
                                    QStringList{"--print-pdf", "sheet.pdf", "a.zrd", "b.zrd"},
                                    QStringList{"--print-pdf", "sheet.pdf", "--dpi", "300", "a.zrd"}}) {
        const CommandLine wrong = ParseCommandLine(args);
        EXPECT_EQ(wrong.mode, CommandLine::Usage) << args.join(u' ').toStdString();
        EXPECT_TRUE(wrong.error.contains(QStringLiteral("--print-pdf")));
    }
}

TEST(CommandLine, PrintPdfTakesAnOffsetInMillimetres)
{
    EXPECT_EQ(ParseCommandLine({"--print-pdf", "sheet.pdf", "card.zrd"}).offset, PrintOffset());
    for (const QStringList &args :
         {QStringList{"--print-pdf", "sheet.pdf", "--offset", "1.5,-0.7", "card.zrd"},
          QStringList{"--print-pdf", "--offset", "1.5,-0.7", "sheet.pdf", "card.zrd"},
          QStringList{"--print-pdf", "sheet.pdf", "card.zrd", "--offset", "1.5,-0.7"}}) {
        const CommandLine line = ParseCommandLine(args);
        EXPECT_EQ(line.mode, CommandLine::PrintPdf) << args.join(u' ').toStdString();
        EXPECT_EQ(line.output, QStringLiteral("sheet.pdf"));
        EXPECT_EQ(line.documents, QStringList{"card.zrd"});
        EXPECT_EQ(line.offset, (PrintOffset{1.5f, -0.7f}));
    }
    for (const char *bad : {"1.5", "12,0", "x,y", "1.5,-0.7,2"}) {
        const CommandLine wrong = ParseCommandLine({"--print-pdf", "sheet.pdf", "--offset", bad, "card.zrd"});
        EXPECT_EQ(wrong.mode, CommandLine::Usage) << bad;
        EXPECT_TRUE(wrong.error.contains(QStringLiteral("--offset"))) << bad;
    }
    EXPECT_EQ(ParseCommandLine({"--print-pdf", "sheet.pdf", "card.zrd", "--offset"}).mode,
              CommandLine::Usage);
    EXPECT_TRUE(UsageText().contains(QStringLiteral("--offset X,Y")));
}

TEST(CommandLine, HelpNamesEveryOptionInBothLanguages)
{
    EXPECT_EQ(ParseCommandLine({"--help"}).mode, CommandLine::Help);
    const QString help = HelpText();
    for (const char *option : {"--export-png", "--dpi", "--print-pdf", "--offset", "--version", "--help"}) {
        const int at = help.indexOf(QStringLiteral("\n  ") + QString::fromLatin1(option) + u' ');
        ASSERT_GE(at, 0) << option;
        // The option's line is Japanese, the next English.
        const QStringList lines = help.mid(at + 1).split(u'\n');
        ASSERT_GE(lines.size(), 2);
        EXPECT_TRUE(std::any_of(lines[0].begin(), lines[0].end(), [](QChar c) {
            return c.unicode() > 0x3000;
        })) << lines[0].toStdString();
        EXPECT_TRUE(std::all_of(lines[1].begin(), lines[1].end(), [](QChar c) { return c.unicode() < 0x80; }))
            << lines[1].toStdString();
    }
}
