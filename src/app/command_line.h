// The program's command line: the GUI's one document argument, or a batch mode.
#pragma once

#include "layout/print_offset.h"

#include <QString>
#include <QStringList>

struct CommandLine
{
    enum Mode { Gui, ExportPng, PrintPdf, Help, Usage } mode = Gui;
    QStringList documents; // the GUI's arguments, or the batch mode's document
    QString output;        // the file a batch mode writes
    int dpi = 127;         // the worksheet's own resolution: 5 pixels per millimetre
    PrintOffset offset;    // --print-pdf's printer position offset, none unless given
    QString error;         // what is wrong with the arguments, for Usage
};

// Reads the arguments after the program name.
CommandLine ParseCommandLine(const QStringList &arguments);

// True when `path` names a card document: it ends in ".zrd" in any letter case.
bool IsDocumentPath(const QString &path);

// The usage text printed for wrong batch arguments.
QString UsageText();

// What --help prints: the usage and each option, in Japanese and English.
QString HelpText();
