// Every picture format placed with the picture tool, saved, reopened and exported, and damaged files
// of each format refused with a message.
#include "app/export_png.h"
#include "app/unit3.h"
#include "common/picture_samples.h"
#include "common/scripted_modal.h"
#include "controls/image.h"
#include "platform/application.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr QPoint PlacedAt(100, 60);

// 40 x 20: red on the left, blue on the right.
QImage twoHalves()
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    QPainter(&image).fillRect(20, 0, 20, 20, QColor(0, 0, 255));
    return image;
}

// A logo: an opaque red disc-free square on the left, fully transparent on the right, a half-opaque
// stripe at the bottom.
QImage transparentLogo()
{
    QImage image(40, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.fillRect(0, 0, 20, 16, QColor(255, 0, 0));
    p.fillRect(0, 16, 40, 4, QColor(0, 0, 255, 128));
    return image;
}

struct Sample
{
    const char *name;
    QByteArray bytes;
    const char *graphicClass;
};

std::vector<Sample> samples()
{
    return {{"photo.bmp", EncodedImage(twoHalves(), "BMP"), "TBitmap"},
            {"photo.ico", EncodedImage(twoHalves(), "ICO"), "TIcon"},
            {"photo.jpg", EncodedImage(twoHalves(), "JPG"), "TJPEGImage"},
            {"drawing.emf", SampleEmf(), "TMetafile"},
            {"drawing.wmf", SampleWmf(), "TMetafile"},
            {"logo.png", EncodedImage(transparentLogo(), "PNG"), "TPngImage"}};
}

bool near(QColor a, QColor b, int tolerance = 40)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

class PictureFormats : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString &name) const { return dir.filePath(name); }
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    // Places the file with the picture tool's command at PlacedAt on a card with a green background;
    // returns the saved document.
    QString placeAndSave(const QString &file)
    {
        QImage green(91, 55, QImage::Format_RGB32);
        green.fill(QColor(0, 160, 0));
        const QString background = write(QStringLiteral("green.bmp"), EncodedImage(green, "BMP"));
        TForm3 form;
        form.RebuildWorkSheet(455, 275);
        ScopedScriptedModal modal;
        modal->answerFile(background);
        form.ChooseBackground();
        modal->answerFile(file);
        form.PressPoint = PlacedAt;
        form.PlacePicture(0);
        EXPECT_TRUE(modal->messagesShown().empty());
        EXPECT_EQ(form.ObjectList.size(), 1);
        const QString doc = path(QStringLiteral("card.zrd"));
        EXPECT_EQ(form.SaveDocument(doc), 0);
        return doc;
    }
    QImage exported(const QString &doc)
    {
        const QString out = path(QStringLiteral("card.png"));
        EXPECT_EQ(ExportPng(doc, out, 127), 0);
        return QImage(out);
    }

    QTemporaryDir dir;
};

TEST_F(PictureFormats, EachFormatRoundTripsAndExportsAtItsPlace)
{
    for (const Sample &s : samples()) {
        SCOPED_TRACE(s.name);
        const QString doc = placeAndSave(write(QLatin1String(s.name), s.bytes));
        {
            TForm3 reopened;
            ScopedScriptedModal modal;
            ASSERT_EQ(reopened.LoadDocument(doc), 0);
            ASSERT_EQ(reopened.ObjectList.size(), 1);
            auto *picture = dynamic_cast<TImage *>(reopened.ObjectList[0]);
            ASSERT_NE(picture, nullptr);
            ASSERT_NE(picture->Picture().Graphic(), nullptr);
            EXPECT_EQ(picture->Picture().Graphic()->ClassName(), QLatin1String(s.graphicClass));
            EXPECT_EQ(picture->pos(), PlacedAt);
            EXPECT_EQ(picture->size(), QSize(picture->Picture().Width(), picture->Picture().Height()));
        }
        const QImage card = exported(doc);
        ASSERT_EQ(card.size(), QSize(455, 275));
        const QColor green(0, 160, 0), red(255, 0, 0), blue(0, 0, 255);
        EXPECT_TRUE(near(card.pixelColor(50, 200), green)); // the background, away from the picture
        const QString name = QLatin1String(s.name);
        if (name.endsWith(QLatin1String(".emf"))) {
            // A red rectangle from (10, 10) to (60, 40) of its 100 x 50 frame, on the metafile's white.
            EXPECT_TRUE(near(card.pixelColor(PlacedAt + QPoint(35, 25)), red));
            EXPECT_FALSE(near(card.pixelColor(PlacedAt + QPoint(80, 45)), red));
        } else if (name.endsWith(QLatin1String(".wmf"))) {
            EXPECT_TRUE(near(card.pixelColor(PlacedAt + QPoint(36, 20)), red));
            EXPECT_FALSE(near(card.pixelColor(PlacedAt + QPoint(85, 42)), red));
        } else if (name.endsWith(QLatin1String(".png"))) {
            EXPECT_TRUE(near(card.pixelColor(PlacedAt + QPoint(10, 8)), red));
            // The card's colour shows through the transparent part, and blends with the half-opaque one.
            EXPECT_TRUE(near(card.pixelColor(PlacedAt + QPoint(30, 8)), green, 8));
            EXPECT_TRUE(near(card.pixelColor(PlacedAt + QPoint(30, 18)), QColor(0, 80, 128), 12));
        } else {
            EXPECT_TRUE(near(card.pixelColor(PlacedAt + QPoint(10, 10)), red));
            EXPECT_TRUE(near(card.pixelColor(PlacedAt + QPoint(30, 10)), blue));
            EXPECT_TRUE(near(card.pixelColor(PlacedAt + QPoint(45, 10)), green)); // just past its right edge
        }
    }
}

TEST_F(PictureFormats, ADamagedFileOfEachFormatGivesAMessageAndAddsNothing)
{
    for (const Sample &s : samples()) {
        SCOPED_TRACE(s.name);
        // The file's first bytes, as a download that broke off, and noise behind a correct signature.
        for (const QByteArray &damaged : {s.bytes.left(24), s.bytes.left(4) + QByteArray(60, '\x7f')}) {
            const QString file = write(QLatin1String(s.name), damaged);
            TForm3 form;
            form.RebuildWorkSheet(455, 275);
            const int children = int(form.DrawPanel->children().size());
            ScopedScriptedModal modal;
            modal->answerFile(file);
            modal->answerMessage(IDOK);
            // As the worksheet's release runs it: what the loader throws is shown.
            RunGuarded([&] { form.PlacePicture(0); });
            EXPECT_EQ(modal->messagesShown().size(), 1u);
            EXPECT_TRUE(form.ObjectList.isEmpty());
            EXPECT_EQ(form.DrawPanel->children().size(), children);
            EXPECT_FALSE(form.Modified);
        }
    }
}

} // namespace
