// A card made of the shipped pictures and a transparent logo in the real main window, with the image
// size and grid dialogs opened over it. With VELMORA_SCREENSHOT_DIR set (under xvfb-run), each step is
// also saved there as a screenshot of the whole screen.
#include "app/unit3.h"
#include "common/scripted_modal.h"
#include "controls/graphic_classes.h"
#include "controls/gridshape.h"
#include "controls/image.h"
#include "dialogs/gsdlg.h"
#include "dialogs/irdlg.h"
#include "dialogs/number_memo.h"
#include "platform/graphics.h"
#include "platform/picture_file_dialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// A round emblem with a letter, transparent around it.
QImage logo()
{
    QImage image(96, 96, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1d, 0x35, 0x57));
    p.drawEllipse(QRectF(4, 4, 88, 88));
    p.setBrush(QColor(0xc9, 0xa4, 0x5c));
    QPainterPath v;
    v.moveTo(26, 24);
    v.lineTo(48, 76);
    v.lineTo(70, 24);
    v.lineTo(60, 24);
    v.lineTo(48, 56);
    v.lineTo(36, 24);
    v.closeSubpath();
    p.drawPath(v);
    return image;
}

QString dataDir()
{
    return qEnvironmentVariable("VELMORA_TEST_DATA", QDir::currentPath());
}

class PictureWalkthrough : public ::testing::Test
{
protected:
    void shot(const char *name)
    {
        if (shotDir.isEmpty())
            return;
        QCoreApplication::processEvents();
        QTest::qWait(150);
        QDir().mkpath(shotDir);
        const QString file =
            QStringLiteral("%1/%2_%3.png").arg(shotDir).arg(++shotNumber, 2, 10, QChar(u'0'));
        QProcess::execute(QStringLiteral("import"),
                          {QStringLiteral("-window"), QStringLiteral("root"), file.arg(QLatin1String(name))});
    }

    QString shotDir = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    int shotNumber = 0;
};

TEST_F(PictureWalkthrough, ShippedPicturesAreThereAndLoad)
{
    RegisterGraphicClasses();
    EXPECT_EQ(PicturePreviewCaption(dataDir() + QStringLiteral("/bkimages/01_washi.bmp")),
              QStringLiteral("910 × 550"));
    EXPECT_FALSE(PicturePreviewCaption(dataDir() + QStringLiteral("/msetpage.txt")).isEmpty());
    const QDir phrases(dataDir() + QStringLiteral("/CPhrase")),
        backgrounds(dataDir() + QStringLiteral("/bkimages"));
    const QStringList jpegs = phrases.entryList({QStringLiteral("*.jpg")}, QDir::Files);
    const QStringList bitmaps = backgrounds.entryList({QStringLiteral("*.bmp")}, QDir::Files);
    EXPECT_GE(jpegs.size(), 10);
    EXPECT_EQ(phrases.entryList({QStringLiteral("*.png")}, QDir::Files).size(), jpegs.size());
    EXPECT_GE(bitmaps.size(), 8);
    for (const QString &name : jpegs) {
        TPicture picture;
        picture.LoadFromFile(phrases.filePath(name));
        EXPECT_GT(picture.Width(), picture.Height()) << name.toStdString();
        EXPECT_LE(picture.Width(), 455) << name.toStdString(); // fits on the card as placed
    }
    for (const QString &name : bitmaps) {
        TPicture picture;
        picture.LoadFromFile(backgrounds.filePath(name));
        EXPECT_GE(picture.Width(), 455) << name.toStdString();
        EXPECT_GE(picture.Height(), 275) << name.toStdString();
    }
}

TEST_F(PictureWalkthrough, ACardWithBackgroundCatchPhraseAndLogoAndTheDialogsOverIt)
{
    InstallFontSubstitutions();
    QTemporaryDir dir;
    const QString logoFile = dir.filePath(QStringLiteral("logo.png"));
    ASSERT_TRUE(logo().save(logoFile));
    ScopedScriptedModal modal;
    TForm3 form;
    form.StartupPending = false;
    form.move(0, 0);
    form.resize(640, 520);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.RebuildWorkSheet(455, 275);
    form.BackgroundPicture->SetVisible(false);
    form.DocumentOpen = true;
    form.UpdateDocumentCommands();

    modal->answerFile(dataDir() + QStringLiteral("/bkimages/04_gold_frame.bmp"));
    form.BGImageButton->click();
    modal->answerFile(dataDir() + QStringLiteral("/CPhrase/01_arigatou.png"));
    form.PressPoint = {60, 60};
    form.PlacePicture(1);
    modal->answerFile(logoFile);
    form.PressPoint = {330, 150};
    form.PlacePicture(0);
    ASSERT_EQ(form.ObjectList.size(), 2);
    EXPECT_TRUE(form.BackgroundPicture->Visible());
    EXPECT_TRUE(modal->messagesShown().empty());
    shot("card");

    // The logo comes at 96 x 96; the dialog previews it 40 mm wide, then makes it 24 mm.
    auto *placedLogo = static_cast<TImage *>(form.ObjectList[1]);
    form.SelectObject(placedLogo, placedLogo->Top(), placedLogo->Left(), placedLogo->Height(),
                      placedLogo->Width());
    form.CurrentPicture = placedLogo;
    modal->answerDialog([&](QDialog &dialog) {
        auto &d = static_cast<TImageReductionDlg &>(dialog);
        d.show();
        d.move(form.geometry().center() - QPoint(259, 60));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
        d.TanniMmRB->click();
        d.ImageWidthMemo->clear();
        QTest::keyClicks(d.ImageWidthMemo, QStringLiteral("40"));
        d.ImagePreviewBtn->click();
        shot("image_size_dialog");
        d.ImageWidthMemo->clear();
        QTest::keyClicks(d.ImageWidthMemo, QStringLiteral("24"));
        d.ImagePreviewBtn->click();
        shot("image_size_dialog_fits");
        d.OKBtn->click();
        return d.result();
    });
    form.ImageReduction->trigger();
    EXPECT_EQ(placedLogo->size(), QSize(120, 120));

    modal->answerDialog([&](QDialog &dialog) {
        auto &d = static_cast<TGridSettingDlg &>(dialog);
        d.show();
        d.move(form.geometry().center() - QPoint(156, 60));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
        d.GridMemo->clear();
        QTest::keyClicks(d.GridMemo, QStringLiteral("5"));
        shot("grid_dialog");
        d.OKBtn->click();
        return d.result();
    });
    form.GridSetting->trigger();
    EXPECT_EQ(form.GridOverlay->GridWidth(), 25);
    shot("card_after");
    if (!shotDir.isEmpty()) {
        EXPECT_EQ(form.SaveDocument(shotDir + QStringLiteral("/card.zrd")), 0);
    }

    // The picture dialog itself, with the preview of a selected background.
    if (!shotDir.isEmpty()) {
        QTimer::singleShot(1200, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->move(20, 20);
            // As a click on a file in the list does.
            auto *view = dialog->findChild<QAbstractItemView *>(QStringLiteral("treeView"));
            ASSERT_NE(view, nullptr);
            const QModelIndexList found =
                view->model()->match(view->model()->index(0, 0, view->rootIndex()), Qt::DisplayRole,
                                     QStringLiteral("03_sakura.bmp"));
            ASSERT_FALSE(found.isEmpty());
            view->setCurrentIndex(found.first());
            shot("picture_dialog");
            dialog->reject();
        });
        OpenPictureFileName(nullptr, QStringLiteral("背景画像の選択"),
                            dataDir() + QStringLiteral("/bkimages/*.bmp"),
                            QtFilterFromWindows(PictureFilter(true)));
    }
}

} // namespace
