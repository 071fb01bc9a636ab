// A card for the printing tests and what a rasterised sheet of it shows: where each card's corner
// markers stand, found in a page image.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

class TForm3;

// The card's texts, found again in the PDF's text.
inline const QString kSampleJapanese = QStringLiteral("山田太郎");
inline const QString kSampleLatin = QStringLiteral("Taro Yamada");

// A 91 x 55 mm card on a light JPEG background: a black 2 mm square at its top-left corner, another at
// its right edge 4 mm down, the two texts in the middle. Saved at `path` with the layout's overhang.
void WriteSheetCard(const QString &path, int overhang = 0);

// A card whose one picture (at 300, 100, 80 x 40) is a JPEG of a kilobyte claiming 65500 x 65500
// pixels, more than a document may decode. Returns `path`.
QString WriteCardWithAHugeClaim(const QString &path);

// Runs a program to its end; its standard output, or nothing (with the reason in `error`).
std::optional<QByteArray> RunTool(const QString &program, const QStringList &arguments, QString *error);

// The first page of a PDF as a grey (or RGB) image at `dpi`, through pdftoppm.
QImage RasterisePdf(const QString &pdf, int dpi, QString *error, bool colour = false);

// The box of the dark pixels inside `window`, empty when there are none.
QRect DarkBox(const QImage &page, QRect window);

// Millimetres to pixels at `dpi`.
inline int Px(double mm, int dpi)
{
    return int(mm * dpi / 25.4 + 0.5);
}
