// The record of window positions kept in norve.con: its byte form, its defaults and its file.
#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>

// Screen positions and sizes of the main window, the print preview and the page setup dialog.
struct WindowSettings
{
    std::int32_t MainTop = 104;
    std::int32_t MainLeft = 204;
    std::int32_t MainHeight = 440;
    std::int32_t MainWidth = 576;
    std::uint8_t MainMaximized = 0;
    std::int32_t PreviewTop = 104;
    std::int32_t PreviewLeft = 204;
    std::int32_t PreviewHeight = 402;
    std::int32_t PreviewWidth = 595;
    std::uint8_t PreviewMaximized = 0;
    std::int32_t PageSetupTop = 104;
    std::int32_t PageSetupLeft = 204;
    // Bytes with no meaning to us, kept as read so that writing the record back leaves them alone.
    std::array<char, 3> MainPadding{};
    std::array<char, 3> PreviewPadding{};
    std::array<char, 12> Reserved{};

    bool operator==(const WindowSettings &) const = default;
};

constexpr int WindowSettingsSize = 72;
constexpr int OldWindowSettingsSize = 60;

// The record from the first bytes of the file: 72 or more bytes are the record, exactly 60 the older
// form without maximized flags; any other length gives the defaults.
WindowSettings ParseWindowSettings(const QByteArray &bytes);

// The 72 bytes of the file.
QByteArray SerializeWindowSettings(const WindowSettings &settings);

// Reads the file at `path`; a missing or unreadable file gives the defaults, without a message.
WindowSettings ReadWindowSettingsFile(const QString &path);

// Where a window stored at left/top with that size is placed: no larger than the screen's available
// area (though at least `minimum`) and moved wholly into it, so a damaged record never puts a window
// out of sight or makes it larger than the screen.
QRect FitWindowOnScreen(int left, int top, int width, int height, const QRect &available,
                        const QSize &minimum);

// Writes the 72 bytes to `path` through a temporary file; throws EFileError when that fails, and the
// previous file stays as it was.
void WriteWindowSettingsFile(const QString &path, const WindowSettings &settings);

// The settings file's name and where it is read and written (see WritableDataPath).
inline constexpr char WindowSettingsFileName[] = "norve.con";
QString WindowSettingsReadPath();
QString WindowSettingsWritePath();
