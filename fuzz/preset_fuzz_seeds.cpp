// Writes a small seed corpus for preset_fuzz: the shipped preset file, a user file and single lines.
#include "layout/presets.h"
#include "seed_files.h"

namespace {

LayoutPreset preset(const QByteArray &name, float paperWidth, float paperHeight, int columns, int rows)
{
    LayoutPreset p;
    p.PresetName = MakePresetName(name);
    p.PaperWidth = paperWidth;
    p.PaperHeight = paperHeight;
    p.WorkSheetWidthMM = 91;
    p.WorkSheetHeightMM = 55;
    p.Retu = columns;
    p.Dann = rows;
    p.LeftMargin = 14;
    p.TopMargin = 11.5f;
    p.InsideMarginX = 0.5f;
    return p;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SHIPPED_PRESET_FILE DIRECTORY\n", argv[0]);
        return 2;
    }
    QFile shipped(QString::fromLocal8Bit(argv[1]));
    if (!shipped.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    PresetTable user;
    // A double-byte name that reaches past the 63-byte field, so that it is cut between characters.
    user.Entries[0] = preset(QByteArray(32, 'n') + QByteArray(40, '\x83'), 210, 297, 2, 5);
    user.Entries[1] = preset("Letter 8", 215.9f, 279.4f, 2, 4);
    user.UserPresetCount = 2;
    const QByteArray longLine = "\"" + QByteArray(300, 'a') + "\", 1, 2, 3, 4, 5,6,7,8,9,10\n";
    return WriteSeedFiles(argv[0], argv[2],
                          {
                              {"msetpage.txt", shipped.readAll()},
                              {"usetpage.txt", FormatUserPresetFile(user, "2.0j")},
                              {"line.txt", FormatPresetLine(preset("B5", 182, 257, 2, 4))},
                              {"odd_numbers.txt", "\"x\",1e39,-0,nan,inf,99999999999,-7,0x1p3,  .5,,\r\n"},
                              {"long_line.txt", longLine + "\"b\",1,2,3,4,5,6,7,8,9,10\n"},
                          });
}
