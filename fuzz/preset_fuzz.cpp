// Fuzzes the layout preset parser: the input as one line, and as a whole preset file read from disk.
#include "layout/presets.h"

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Compared as stored, so that NaN fields read from "nan" compare equal to themselves.
static_assert(sizeof(LayoutPreset) == sizeof(PresetNameField) + 10 * 4, "no padding inside a preset");
bool sameBytes(const LayoutPreset &a, const LayoutPreset &b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A preset written out and read back reads as the same line again: what the program saves, it loads.
void checkLineRoundTrip(const LayoutPreset &preset)
{
    const QByteArray line = FormatPresetLine(preset);
    const auto again = ParsePresetLine(line.constData());
    check(again.has_value());
    check(FormatPresetLine(*again) == line);
}

// A file in memory, named by a path, so that the file reader runs as it does on disk.
class MemoryFile
{
public:
    MemoryFile() : fd_(memfd_create("preset_fuzz", 0))
    {
        if (fd_ < 0)
            std::abort();
        path_ = QString::fromLatin1("/proc/self/fd/%1").arg(fd_);
    }

    const QString &path(const QByteArray &contents)
    {
        check(ftruncate(fd_, 0) == 0);
        check(pwrite(fd_, contents.constData(), size_t(contents.size()), 0) == contents.size());
        return path_;
    }

private:
    int fd_;
    QString path_;
};

// Reads the file into a table that holds `room` presets, with marked entries around them that must stay.
std::vector<LayoutPreset> readFile(const QString &path, int room)
{
    LayoutPreset marker;
    marker.Retu = -12345;
    std::vector<LayoutPreset> table(size_t(room) + 2, marker);
    const int count = ReadPresetFile(path, table.data() + 1, room);
    check(count >= 0 && count <= room);
    check(sameBytes(table.front(), marker) && sameBytes(table.back(), marker));
    for (int i = count; i < room; ++i)
        check(sameBytes(table[size_t(i) + 1], marker));
    return std::vector<LayoutPreset>(table.begin() + 1, table.begin() + 1 + count);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static MemoryFile file;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // One line, however long, up to its first zero byte as the C string it is.
    const std::string line(bytes.constData(), size_t(bytes.size()));
    if (const auto preset = ParsePresetLine(line.c_str()))
        checkLineRoundTrip(*preset);

    // The whole input as a preset file, into a full table and into one with little room; the small
    // table gets the first presets of the full one.
    const std::vector<LayoutPreset> all = readFile(file.path(bytes), PresetTableSize);
    const int smallRoom = size > 0 ? data[0] % 4 : 0;
    const std::vector<LayoutPreset> few = readFile(file.path(bytes), smallRoom);
    check(few.size() == std::min(all.size(), size_t(smallRoom)));
    for (size_t i = 0; i < few.size(); ++i)
        check(sameBytes(few[i], all[i]));
    for (const LayoutPreset &preset : all)
        checkLineRoundTrip(preset);

    // Saving what was read as the user file and reading that gives the same presets, as long as each
    // saved line fits the reader's line buffer (a longer one is read in pieces, like any long line).
    PresetTable table;
    table.UserPresetCount = int(all.size());
    std::copy(all.begin(), all.end(), table.Entries.begin());
    bool fits = true;
    for (const LayoutPreset &preset : all)
        fits = fits && FormatPresetLine(preset).size() < PresetLineBuffer;
    if (fits) {
        const std::vector<LayoutPreset> saved =
            readFile(file.path(FormatUserPresetFile(table, "2.0j")), PresetTableSize);
        check(saved.size() == all.size());
        for (size_t i = 0; i < all.size(); ++i)
            check(FormatPresetLine(saved[i]) == FormatPresetLine(all[i]));
    }
    return 0;
}
