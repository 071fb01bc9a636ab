// The layout preset store: msetpage.txt and usetpage.txt in one table, the user file rewritten whole.
#include "layout/presets.h"

#include "dialogs/units.h"
#include "platform/application.h"
#include "platform/c_locale.h"
#include "platform/cp932.h"
#include "platform/strings.h"

#include <QFile>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// A double as a 32-bit float; values past its range become infinities rather than undefined.
float toFloat32(double value)
{
    if (value > double(FLT_MAX))
        return INFINITY;
    if (value < -double(FLT_MAX))
        return -INFINITY;
    return float(value);
}

float readFloat(const char *text)
{
    return toFloat32(CStrtod(text));
}

// atol, held to the 32-bit range.
std::int32_t readInt(const char *text)
{
    const long value = std::strtol(text, nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return std::int32_t(value);
}

// The values a document's layout and a user preset are compared by, as the dialog shows them.
std::array<QString, 10> comparable(const LayoutPreset &p)
{
    const double values[10] = {p.PaperWidth,    p.PaperHeight,  p.WorkSheetWidthMM, p.WorkSheetHeightMM,
                               float(p.Retu),   float(p.Dann),  p.LeftMargin,       p.TopMargin,
                               p.InsideMarginX, p.InsideMarginY};
    std::array<QString, 10> texts;
    for (int i = 0; i < 10; ++i)
        texts[i] = FormatFixed(values[i], 1);
    return texts;
}

} // namespace

std::optional<LayoutPreset> ParsePresetLine(const char *line)
{
    const char *open = std::strchr(line, '"');
    if (!open)
        return std::nullopt;
    const char *close = std::strchr(open + 1, '"');
    if (!close)
        return std::nullopt;
    const char *values[10];
    const char *p = close;
    for (const char *&value : values) {
        p = std::strchr(p, ',');
        if (!p)
            return std::nullopt;
        value = ++p;
    }
    LayoutPreset preset;
    preset.PresetName = MakePresetName(QByteArray(open + 1, int(close - open - 1)));
    preset.PaperWidth = readFloat(values[0]);
    preset.PaperHeight = readFloat(values[1]);
    preset.WorkSheetWidthMM = readFloat(values[2]);
    preset.WorkSheetHeightMM = readFloat(values[3]);
    preset.Retu = readInt(values[4]);
    preset.Dann = readInt(values[5]);
    preset.LeftMargin = readFloat(values[6]);
    preset.TopMargin = readFloat(values[7]);
    preset.InsideMarginX = readFloat(values[8]);
    preset.InsideMarginY = readFloat(values[9]);
    return preset;
}

QByteArray FormatPresetLine(const LayoutPreset &p)
{
    // Lengths are written as they are compared when a document looks for its preset (halves away
    // from zero); the C library's "%.1f" rounds halves to even and 11.25 would no longer match.
    const auto mm = [](float value) { return FormatFixed(value, 1).toLatin1(); };
    return "\"" + PresetNameText(p.PresetName) + "\", " + mm(p.PaperWidth) + ", " + mm(p.PaperHeight) + ", " +
           mm(p.WorkSheetWidthMM) + ", " + mm(p.WorkSheetHeightMM) + ", " + QByteArray::number(int(p.Retu)) +
           ',' + QByteArray::number(int(p.Dann)) + ',' + mm(p.LeftMargin) + ',' + mm(p.TopMargin) + ',' +
           mm(p.InsideMarginX) + ',' + mm(p.InsideMarginY) + "\r\n";
}

QByteArray FormatUserPresetFile(const PresetTable &table, const QByteArray &programVersion)
{
    const QByteArray version(programVersion.constData(),
                             int(strnlen(programVersion.constData(), size_t(programVersion.size()))));
    QByteArray out = "Velmora version " + version + "\r\n";
    for (int i = table.MakerPresetCount; i < table.Total(); ++i)
        out += FormatPresetLine(table.Entries[size_t(i)]);
    return out;
}

int ReadPresetFile(const QString &path, LayoutPreset *into, int room)
{
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "r");
    if (!file)
        return 0;
    int count = 0;
    char buffer[PresetLineBuffer];
    while (count < room) {
        std::memset(buffer, 0, sizeof buffer);
        if (!std::fgets(buffer, sizeof buffer, file))
            break;
        if (auto preset = ParsePresetLine(buffer))
            into[count++] = *preset;
    }
    std::fclose(file);
    return count;
}

PresetFiles DefaultPresetFiles(const DataLocations &where)
{
    const QString user = QString::fromLatin1(UserPresetFileName);
    return {where.appDir + QString::fromLatin1(MakerPresetFileName), ReadableDataPath(user, where),
            WritableDataPath(user, where)};
}

TPresetStore::TPresetStore(PresetFiles files, QByteArray programVersion)
    : files_(std::move(files)), programVersion_(std::move(programVersion))
{}

void TPresetStore::LoadPresets()
{
    Table = PresetTable{};
    Table.MakerPresetCount = ReadPresetFile(files_.makerPath, Table.Entries.data(), PresetTableSize);
    Table.UserPresetCount = ReadPresetFile(files_.userReadPath, Table.Entries.data() + Table.MakerPresetCount,
                                           PresetTableSize - Table.MakerPresetCount);
}

int TPresetStore::SaveUserPresets(const PresetTable &table)
{
    if (!WriteFileAtomically(files_.userWritePath, FormatUserPresetFile(table, programVersion_))) {
        Application().MessageBox(LoadStr(Str::PresetWriteFailed), LoadStr(Str::MessageCaption), MB_OK);
        return -1;
    }
    // From now on the user presets are where they were written.
    files_.userReadPath = files_.userWritePath;
    return 0;
}

int TPresetStore::AddUserPreset(const QByteArray &name, const LayoutPreset &values)
{
    const int total = Table.Total();
    if (total >= PresetTableSize)
        return 0;
    LayoutPreset &entry = Table.Entries[size_t(total)];
    entry = values;
    entry.PresetName = MakePresetName(name);
    ++Table.UserPresetCount;
    if (SaveUserPresets(Table) != 0) {
        entry = LayoutPreset{};
        --Table.UserPresetCount;
        return 0;
    }
    return total + 1;
}

int TPresetStore::DeleteUserPreset(int listItem)
{
    if (!IsUserItem(listItem))
        return listItem;
    PresetTable copy = Table;
    const int last = copy.Total() - 1;
    for (int i = listItem - 1; i < last; ++i)
        copy.Entries[size_t(i)] = copy.Entries[size_t(i) + 1];
    copy.Entries[size_t(last)] = LayoutPreset{};
    --copy.UserPresetCount;
    if (SaveUserPresets(copy) != 0)
        return listItem;
    Table = copy;
    return listItem - 1;
}

void TPresetStore::showMessage(int id, const PresetNameField &name)
{
    const QString text = LoadStr(id).replace(QLatin1String("%s"), Cp932Decode(PresetNameText(name)));
    Application().MessageBox(text, LoadStr(Str::MessageCaption), MB_OK);
}

int TPresetStore::FindPresetForLayout(const LayoutPreset &document, int presetSource, bool newDocument,
                                      bool legacyLayout)
{
    if (newDocument)
        return Table.Total() > 0 ? 1 : 0; // an empty table has only the free setting
    if (legacyLayout)
        return 0;
    if (presetSource == MakerPreset) {
        int item = 0;
        for (int i = 0; i < Table.Total(); ++i)
            if (SamePresetName(Table.Entries[size_t(i)].PresetName, document.PresetName))
                item = i + 1;
        if (item == 0)
            showMessage(Str::PresetMissing, document.PresetName);
        return item;
    }
    if (presetSource == UserPreset) {
        bool named = false;
        const auto wanted = comparable(document);
        for (int i = 0; i < Table.Total(); ++i) {
            const LayoutPreset &entry = Table.Entries[size_t(i)];
            if (!SamePresetName(entry.PresetName, document.PresetName))
                continue;
            named = true;
            if (comparable(entry) == wanted)
                return i + 1;
            showMessage(Str::PresetMismatch, document.PresetName);
        }
        if (!named)
            showMessage(Str::UserPresetMissing, document.PresetName);
        return 0;
    }
    return 0;
}
