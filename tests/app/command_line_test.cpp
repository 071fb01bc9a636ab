// The command line: the GUI's argument and the export mode's options.
#include "app/command_line.h"

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
