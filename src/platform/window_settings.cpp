// The record of window positions kept in norve.con.
#include "platform/window_settings.h"

#include "platform/bytes.h"
#include "platform/config_paths.h"
#include "platform/errors.h"
#include "platform/file_io.h"

#include <algorithm>
#include <limits>

namespace {

// Reads consecutive little-endian int32s from `offset` into `fields`.
void readInts(const char *p, int offset, std::initializer_list<std::int32_t *> fields)
{
    for (std::int32_t *field : fields) {
        *field = ReadInt32(p + offset);
        offset += 4;
    }
}

// Both forms hold the same geometry at offset 12; only the current one has the maximized flags
// (each followed by three bytes of padding) and the trailing reserved bytes.
WindowSettings parse(const QByteArray &b, bool current)
{
    WindowSettings s;
    const char *p = b.constData();
    const int flags = current ? 4 : 0;
    readInts(p, 12, {&s.MainTop, &s.MainLeft, &s.MainHeight, &s.MainWidth});
    readInts(p, 28 + flags, {&s.PreviewTop, &s.PreviewLeft, &s.PreviewHeight, &s.PreviewWidth});
    readInts(p, 44 + 2 * flags, {&s.PageSetupTop, &s.PageSetupLeft});
    if (current) {
        s.MainMaximized = static_cast<std::uint8_t>(p[28]);
        std::copy_n(p + 29, 3, s.MainPadding.data());
        s.PreviewMaximized = static_cast<std::uint8_t>(p[48]);
        std::copy_n(p + 49, 3, s.PreviewPadding.data());
        std::copy_n(p + 60, 12, s.Reserved.data());
    }
    return s;
}

} // namespace

WindowSettings ParseWindowSettings(const QByteArray &bytes)
{
    if (bytes.size() >= WindowSettingsSize)
        return parse(bytes, true);
    if (bytes.size() == OldWindowSettingsSize)
        return parse(bytes, false);
    return {};
}

QByteArray SerializeWindowSettings(const WindowSettings &s)
{
    QByteArray out(12, '\0'); // reserved, always written as zero
    for (std::int32_t v : {s.MainTop, s.MainLeft, s.MainHeight, s.MainWidth})
        AppendInt32(out, v);
    out.append(char(s.MainMaximized));
    out.append(s.MainPadding.data(), 3);
    for (std::int32_t v : {s.PreviewTop, s.PreviewLeft, s.PreviewHeight, s.PreviewWidth})
        AppendInt32(out, v);
    out.append(char(s.PreviewMaximized));
    out.append(s.PreviewPadding.data(), 3);
    AppendInt32(out, s.PageSetupTop);
    AppendInt32(out, s.PageSetupLeft);
    out.append(s.Reserved.data(), 12);
    return out;
}

WindowSettings ReadWindowSettingsFile(const QString &path)
{
    try {
        // Only the first bytes count, however long the file is.
        FileReader file(path, std::numeric_limits<qint64>::max());
        return ParseWindowSettings(file.Read(WindowSettingsSize));
    } catch (const EFileError &) {
        return {};
    }
}

namespace {
// One side: at least `minimum`, at most the room (unless the minimum is more), inside the room.
std::pair<int, int> fitSpan(long long start, long long length, long long roomStart, long long room,
                            long long minimum)
{
    length = std::max(std::min(length, room), minimum);
    start = length >= room ? roomStart : std::clamp(start, roomStart, roomStart + room - length);
    return {int(start), int(length)};
}
} // namespace

QRect FitWindowOnScreen(int left, int top, int width, int height, const QRect &available,
                        const QSize &minimum)
{
    const auto [x, w] = fitSpan(left, width, available.left(), available.width(), minimum.width());
    const auto [y, h] = fitSpan(top, height, available.top(), available.height(), minimum.height());
    return {x, y, w, h};
}

void WriteWindowSettingsFile(const QString &path, const WindowSettings &settings)
{
    QString error;
    if (!WriteFileAtomically(path, SerializeWindowSettings(settings), &error))
        throw EFileError(error);
}

QString WindowSettingsReadPath()
{
    return ReadableDataPath(QString::fromLatin1(WindowSettingsFileName));
}

QString WindowSettingsWritePath()
{
    return WritableDataPath(QString::fromLatin1(WindowSettingsFileName));
}
