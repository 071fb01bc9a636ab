// The layout preset store: msetpage.txt and usetpage.txt in one table, the user file rewritten whole.
#pragma once

#include "layout/page_layout.h"
#include "platform/config_paths.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

// One named sheet layout; lengths in millimetres;
// one that is unused is all zero.
struct LayoutPreset : PaperSize, CardSizeMM, CardGrid
{
    LayoutPreset() : PaperSize{}, CardSizeMM{0.0f, 0.0f}, CardGrid{0, 0, 0.0f, 0.0f, 0.0f, 0.0f} {}

    PresetNameField PresetName{};

    bool operator==(const LayoutPreset &) const = default;
};

constexpr int PresetTableSize = 256;
// Bytes fgets takes at a time; a longer line comes in pieces, each read as a line of its own.
constexpr int PresetLineBuffer = 256;

// The maker presets first, in file order, then the user presets; unused entries are zero.
struct PresetTable
{
    std::array<LayoutPreset, PresetTableSize> Entries{};
    int MakerPresetCount = 0;
    int UserPresetCount = 0;

    int Total() const { return MakerPresetCount + UserPresetCount; }
    bool operator==(const PresetTable &) const = default;
};

// One line of a preset file (zero-terminated): "name" then ten comma-separated values. Nothing when
// the line lacks the two quotes or one of the ten commas. Numbers are read as strtod and atol read
// them in the C locale (a value that is no number gives 0). A name longer than 63 bytes is cut
// between characters.
std::optional<LayoutPreset> ParsePresetLine(const char *line);

// One line as the program writes it, ending in CR LF.
QByteArray FormatPresetLine(const LayoutPreset &preset);

// The whole user file: the header naming `programVersion` (read up to its first zero byte), then the
// user presets of `table` in order.
QByteArray FormatUserPresetFile(const PresetTable &table, const QByteArray &programVersion);

// Reads at most `room` presets from the file into `into`; returns how many. A file that cannot be
// opened gives none; malformed lines are skipped.
int ReadPresetFile(const QString &path, LayoutPreset *into, int room);

struct PresetFiles
{
    QString makerPath;     // shipped beside the executable, never written
    QString userReadPath;  // where the user presets are read
    QString userWritePath; // where they are rewritten
};

inline constexpr char MakerPresetFileName[] = "msetpage.txt";
inline constexpr char UserPresetFileName[] = "usetpage.txt";

PresetFiles DefaultPresetFiles(const DataLocations &where = DefaultDataLocations());

// Messages go through the application's message box with the program's caption.
class TPresetStore
{
public:
    TPresetStore(PresetFiles files, QByteArray programVersion);

    PresetTable Table;

    // Builds the table afresh from both files; never fails.
    void LoadPresets();

    // Rewrites the user file from `table` (through a temporary file, so a failure keeps the old file
    // whole). 0 on success; -1 after message 1120.
    int SaveUserPresets(const PresetTable &table);

    // Appends a user preset named `name` with the numbers of `values` and saves. Returns the preset
    // list item to select: the new one, or 0 (the free setting) when saving failed or the table is full.
    int AddUserPreset(const QByteArray &name, const LayoutPreset &values);

    // Removes the user preset shown as list item `listItem` and saves. Returns the item to select: the
    // one above, or `listItem` when saving failed (or it is not a user preset).
    int DeleteUserPreset(int listItem);

    // The list item that belongs to a document's layout when the dialog opens; may show messages
    // 1100 to 1102. `document` carries the layout's name and ten values.
    int FindPresetForLayout(const LayoutPreset &document, int presetSource, bool newDocument,
                            bool legacyLayout);

    // List item k >= 1 is table entry k-1.
    bool IsMakerItem(int listItem) const { return listItem >= 1 && listItem <= Table.MakerPresetCount; }
    bool IsUserItem(int listItem) const
    {
        return listItem > Table.MakerPresetCount && listItem <= Table.Total();
    }

    const PresetFiles &Files() const { return files_; }
    const QByteArray &ProgramVersion() const { return programVersion_; }

private:
    void showMessage(int id, const PresetNameField &name);

    PresetFiles files_;
    QByteArray programVersion_;
};
