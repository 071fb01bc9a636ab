// Writes the hand-assembled component streams into a folder, one file each, as fuzzing seeds.
#include "sample_streams.h"

#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: stream_seeds FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "stream_seeds: cannot create %s\n", argv[1]);
        return 1;
    }
    int index = 0;
    for (const QByteArray &stream : SampleStreams()) {
        QFile file(QDir(folder).filePath(QStringLiteral("sample_%1.bin").arg(index++)));
        if (!file.open(QIODevice::WriteOnly) || file.write(stream) != stream.size()) {
            std::fprintf(stderr, "stream_seeds: cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
