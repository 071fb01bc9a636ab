// The seed tools' one output step: named seed files written into a corpus folder.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <vector>

struct SeedFile
{
    const char *name;
    QByteArray bytes;
};

// Writes each seed into `folder`, creating it; 0, or 1 after saying what failed on stderr.
inline int WriteSeedFiles(const char *program, const char *folder, const std::vector<SeedFile> &seeds)
{
    const QDir dir(QString::fromLocal8Bit(folder));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "%s: cannot create %s\n", program, folder);
        return 1;
    }
    for (const SeedFile &seed : seeds) {
        QFile file(dir.filePath(QString::fromLatin1(seed.name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(seed.bytes) != seed.bytes.size()) {
            std::fprintf(stderr, "%s: cannot write %s\n", program, qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
