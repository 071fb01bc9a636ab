// The templates the build writes beside the executable: enough of them, each readable without a
// message, written back byte for byte, with text drawn where its labels are, and previewable.
#include "app/export_png.h"
#include "app/unit3.h"
#include "common/scripted_modal.h"
#include "controls/LabelEx.h"
#include "controls/image.h"
#include "dialogs/wizard_templates.h"
#include "editor/drawpanel.h"
#include "layout/card_copy.h"
#include "platform/config_paths.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString templatePattern()
{
    return TemplateSearchPattern(qEnvironmentVariable("VELMORA_TEST_DATA"));
}

QStringList shippedTemplates()
{
    QStringList paths;
    for (const QString &name : FindTemplateFiles(templatePattern()))
        paths << TemplateFilePath(templatePattern(), name);
    return paths;
}

TEST(ShippedTemplates, AtLeastEightInBothFormatsWithPictures)
{
    const QStringList paths = shippedTemplates();
    ASSERT_GE(paths.size(), 8);
    ScopedScriptedModal modal;
    int standing = 0, backgrounds = 0, pictures = 0;
    for (const QString &path : paths) {
        TForm3 form;
        ASSERT_EQ(form.LoadDocument(path), 0) << path.toStdString();
        standing += form.WorkSheetHeightPx > form.WorkSheetWidthPx;
        backgrounds += form.BackgroundPicture->Visible() && !form.BackgroundPicture->Picture().Empty();
        for (QWidget *object : form.ObjectList)
            pictures += dynamic_cast<TImage *>(object) != nullptr;
    }
    EXPECT_TRUE(modal->asked.empty());
    EXPECT_GE(standing, 2);
    EXPECT_GE(backgrounds, 2);
    EXPECT_GE(pictures, 1);
}

TEST(ShippedTemplates, EachLoadsWithoutAMessageAndSavesBackByteIdentical)
{
    QTemporaryDir dir;
    ScopedScriptedModal modal;
    for (const QString &path : shippedTemplates()) {
        TForm3 form;
        ASSERT_EQ(form.LoadDocument(path), 0) << path.toStdString();
        const QString copy = dir.filePath(QStringLiteral("copy.zrd"));
        form.SaveDocument(copy);
        EXPECT_EQ(ReadWholeFile(copy), ReadWholeFile(path)) << path.toStdString();
    }
    EXPECT_TRUE(modal->asked.empty());
}

TEST(ShippedTemplates, EachExportedDrawsTextWhereItsLabelsAre)
{
    QTemporaryDir dir;
    for (const QString &path : shippedTemplates()) {
        const QString png = dir.filePath(QStringLiteral("card.png"));
        ASSERT_EQ(ExportPng(path, png, 127), 0) << path.toStdString();
        const QImage exported = QImage(png).convertToFormat(QImage::Format_RGB32);
        // The same card with its labels hidden: what the text alone changes.
        TForm3 form;
        ASSERT_EQ(form.LoadDocument(path), 0);
        QList<TLabelEx *> labels;
        for (QWidget *object : form.ObjectList)
            if (auto *label = dynamic_cast<TLabelEx *>(object)) {
                labels << label;
                label->SetVisible(false);
            }
        ASSERT_GE(labels.size(), 5) << path.toStdString(); // name, title, company, address, phone...
        const QImage bare = RenderCardImage(*form.BackgroundPicture, form.ObjectList, form.WorkSheetWidthPx,
                                            form.WorkSheetHeightPx, 127)
                                .convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(bare.size(), exported.size());
        for (TLabelEx *label : labels) {
            const QRect area = label->geometry() & exported.rect();
            int changed = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    changed += exported.pixel(x, y) != bare.pixel(x, y);
            EXPECT_GT(changed, 10) << path.toStdString() << ": " << label->Caption().toStdString();
        }
    }
}

TEST(ShippedTemplates, EachHasAPreviewOfHalfItsSize)
{
    for (const QString &path : shippedTemplates()) {
        TForm3 form;
        ASSERT_EQ(form.LoadDocument(path), 0);
        std::unique_ptr<TPanel> preview = ComposeTemplatePreview(ReadWholeFile(path));
        ASSERT_NE(preview, nullptr) << path.toStdString();
        EXPECT_EQ(preview->width(), (form.WorkSheetWidthPx + 1) / 2);
        EXPECT_EQ(preview->height(), (form.WorkSheetHeightPx + 1) / 2);
    }
}

} // namespace
