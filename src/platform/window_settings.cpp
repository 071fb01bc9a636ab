// The record of window positions kept in norve.con.
#include "platform/window_settings.h"

#include "platform/bytes.h"
#include "platform/config_paths.h"
#include "platform/errors.h"

#include <QFile>
#include <algorithm>

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ParseWindowSettings(file.read(WindowSettingsSize));
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
