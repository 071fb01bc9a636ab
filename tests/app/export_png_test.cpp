// The --export-png batch mode: the card's pixels at known places, at the worksheet's and other dpi.
#include "app/export_png.h"
#include "app/sheet_samples.h"
#include "app/unit3.h"
#include "common/picture_samples.h"
#include "controls/LabelEx.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "document/zrd_format.h"
#include "platform/strings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TQVShape *shape(TForm3 &form, TQVShapeType kind, QRect box, int penWidth, TBrushStyle style, TColor fill)
{
    auto *s = new TQVShape(form.DrawPanel);
    s->SetShape(kind);
    s->SetLeft(box.left());
    s->SetTop(box.top());
    s->SetWidth(box.width());
    s->SetHeight(box.height());
    s->Pen().SetWidth(penWidth);
    s->Brush().SetStyle(style);
    s->Brush().SetColor(fill);
    form.AttachCardObject(s);
    return s;
}

// A card with a filled rectangle, an ellipse, a line, a letter-spaced label and a JPEG picture.
QString writeSampleCard(const QString &path)
{
    TForm3 form;
    form.RebuildWorkSheet(455, 275);
    shape(form, qvstRectangle, {20, 20, 60, 40}, 1, bsSolid, 0x0000FF);
    shape(form, qvstEllipse, {100, 20, 80, 40}, 1, bsSolid, 0x00FF00);
    shape(form, qvstLinea, {200, 20, 40, 40}, 3, bsClear, clWhite);
    auto *label = new TLabelEx(form.DrawPanel);
    label->SetAutoSize(false);
    label->SetTransparent(true);
    label->Font().SetName(QStringLiteral("ＭＳ Ｐゴシック"));
    label->Font().SetSize(20);
    label->Font().SetColor(0xFF0000);
    label->SetGap(12);
    label->SetCaption(QStringLiteral("AB"));
    label->SetAutoSize(true);
    label->SetAutoSize(false);
    label->SetBounds(20, 100, label->width() + 1, label->height());
    form.AttachCardObject(label);
    QImage photo(40, 20, QImage::Format_RGB32);
    photo.fill(QColor(255, 255, 0));
    QPainter(&photo).fillRect(20, 0, 20, 20, QColor(0, 0, 160));
    auto *picture = new TImage(form.DrawPanel);
    const QByteArray jpeg = EncodedImage(photo, "JPG");
    picture->Picture().ReadData(QByteArray("\x0aTJPEGImage") + ZrdInt32(qint32(jpeg.size())) + jpeg);
    picture->SetStretch(true);
    picture->SetAutoSize(false);
    picture->SetBounds(300, 100, 80, 40);
    form.AttachCardObject(picture);
    form.SaveDocument(path);
    return path;
}

bool near(QColor a, QColor b, int tolerance = 40)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

int countColour(const QImage &image, QRect area, QColor colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += near(image.pixelColor(x, y), colour, 60);
    return n;
}

TEST(ExportPng, TheCardAtTheWorksheetsResolution)
{
    QTemporaryDir dir;
    const QString doc = writeSampleCard(dir.filePath(QStringLiteral("card.zrd")));
    ASSERT_EQ(ExportPng(doc, dir.filePath(QStringLiteral("card.png")), 127), 0);
    const QImage image(dir.filePath(QStringLiteral("card.png")));
    ASSERT_EQ(image.size(), QSize(455, 275));
    EXPECT_EQ(image.pixelColor(50, 40), QColor(255, 0, 0)); // inside the rectangle
    EXPECT_EQ(image.pixelColor(20, 20), QColor(0, 0, 0));   // its outline's corner
    EXPECT_EQ(image.pixelColor(19, 19), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(140, 40), QColor(0, 255, 0));     // the ellipse's centre
    EXPECT_EQ(image.pixelColor(102, 22), QColor(255, 255, 255)); // outside its curve
    EXPECT_EQ(image.pixelColor(220, 40), QColor(0, 0, 0));       // on the diagonal
    EXPECT_EQ(image.pixelColor(235, 25), QColor(255, 255, 255));
    EXPECT_TRUE(near(image.pixelColor(315, 120), QColor(255, 255, 0)));
    EXPECT_TRUE(near(image.pixelColor(365, 120), QColor(0, 0, 160)));
    // The label's two letters stand apart by the gap: a blue-free band of columns between them.
    const QRect labelArea(20, 100, 80, 30);
    EXPECT_GT(countColour(image, labelArea, QColor(0, 0, 255)), 20);
    std::vector<bool> inked;
    for (int x = labelArea.left(); x <= labelArea.right(); ++x)
        inked.push_back(countColour(image, QRect(x, 100, 1, 30), QColor(0, 0, 255)) > 0);
    int runs = 0;
    for (size_t i = 1; i < inked.size(); ++i)
        runs += inked[i] && !inked[i - 1];
    EXPECT_GE(runs, 2);
    // Nothing of the grid is drawn.
    EXPECT_EQ(image.pixelColor(10, 250), QColor(255, 255, 255));
}

TEST(ExportPng, AnotherResolutionScalesEverything)
{
    QTemporaryDir dir;
    const QString doc = writeSampleCard(dir.filePath(QStringLiteral("card.zrd")));
    ASSERT_EQ(ExportPng(doc, dir.filePath(QStringLiteral("card.png")), 254), 0);
    const QImage image(dir.filePath(QStringLiteral("card.png")));
    EXPECT_EQ(image.size(), QSize(910, 550));
    EXPECT_EQ(image.pixelColor(100, 80), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(280, 80), QColor(0, 255, 0));
    EXPECT_TRUE(near(image.pixelColor(630, 240), QColor(255, 255, 0)));
    EXPECT_TRUE(near(image.pixelColor(730, 240), QColor(0, 0, 160)));
    EXPECT_NEAR(image.dotsPerMeterX(), 10000, 1);
}

TEST(ExportPng, ADocumentThatCannotBeReadWritesNothing)
{
    QTemporaryDir dir;
    QFile bad(dir.filePath(QStringLiteral("bad.zrd")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(18, '\0'));
    bad.close();
    EXPECT_EQ(ExportPng(bad.fileName(), dir.filePath(QStringLiteral("out.png")), 127), 1);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out.png"))));
    EXPECT_EQ(
        ExportPng(dir.filePath(QStringLiteral("missing.zrd")), dir.filePath(QStringLiteral("out.png")), 127),
        1);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out.png"))));
}

} // namespace

TEST(ExportPng, AnOutputThatCannotBeWrittenIsReportedOnceAndLeavesNothing)
{
    QTemporaryDir dir;
    const QString doc = dir.filePath(QStringLiteral("card.zrd"));
    WriteSheetCard(doc);
    const QString out = dir.filePath(QStringLiteral("in the way"));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("in the way/inside")));
    testing::internal::CaptureStderr();
    EXPECT_EQ(ExportPng(doc, out, 127), 1);
    const QString said = QString::fromUtf8(testing::internal::GetCapturedStderr());
    // One line, the safe writer's own message, not wrapped in a second one.
    const QString cannotWrite = LoadStr(Str::FileWriteError).arg(out, QString());
    EXPECT_EQ(said.split(u'\n').filter(cannotWrite).size(), 1) << said.toStdString();
    EXPECT_TRUE(said.contains(u'\n' + cannotWrite) || said.startsWith(cannotWrite)) << said.toStdString();
    EXPECT_TRUE(QFileInfo(out).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("card.zrd")});
}

TEST(ExportPng, APictureThatCannotBeDrawnFailsTheExportAndIsNamed)
{
    QTemporaryDir dir;
    const QString doc = WriteCardWithAHugeClaim(dir.filePath(QStringLiteral("claim.zrd")));
    const QString out = dir.filePath(QStringLiteral("out.png"));
    testing::internal::CaptureStderr();
    EXPECT_EQ(ExportPng(doc, out, 127), 1);
    const QString said = QString::fromUtf8(testing::internal::GetCapturedStderr());
    EXPECT_TRUE(said.contains(
        LoadStr(Str::PictureNotDrawn)
            .arg(LoadStr(Str::PicturePlace).arg(LoadStr(Str::PictureName)).arg(300).arg(100).arg(80).arg(40),
                 LoadStr(Str::PictureTooLarge).arg(65500).arg(65500))))
        << said.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}
