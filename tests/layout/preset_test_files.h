// Helpers of the layout tests: preset files in a temporary folder.
#pragma once

#include "layout/presets.h"
#include "platform/cp932.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

inline QByteArray sjis(const char *utf8)
{
    return Cp932Encode(QString::fromUtf8(utf8));
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The program's default ten-up A4 layout under `name`.
inline LayoutPreset defaultPreset(const QByteArray &name)
{
    LayoutPreset p;
    p.PresetName = MakePresetName(name);
    p.PaperWidth = 210.0f;
    p.PaperHeight = 297.0f;
    p.WorkSheetWidthMM = 91.0f;
    p.WorkSheetHeightMM = 55.0f;
    p.Retu = 2;
    p.Dann = 5;
    p.LeftMargin = 14.0f;
    p.TopMargin = 11.0f;
    return p;
}

// A folder holding msetpage.txt and usetpage.txt.
struct PresetFolder
{
    QTemporaryDir dir;
    QString maker() const { return dir.path() + "/msetpage.txt"; }
    QString user() const { return dir.path() + "/usetpage.txt"; }
    PresetFiles files() const { return {maker(), user(), user()}; }
    void setMaker(const QByteArray &bytes) const { writeBytes(maker(), bytes); }
    void setUser(const QByteArray &bytes) const { writeBytes(user(), bytes); }
};

inline const QByteArray Version("2.0j\0\0\0\0", 8);
