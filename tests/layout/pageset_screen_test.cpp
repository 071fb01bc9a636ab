// What the page setup dialog looks like: the diagram's pixels, and a picture of the whole dialog.
#include "layout/layout_diagram.h"
#include "layout/pageset.h"
#include "preset_test_files.h"

#include <QComboBox>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

TEST(PageSetScreen, TheDiagramShowsTenCardsOnA4)
{
    PresetFolder folder;
    folder.setMaker("Velmora version 2.0j\r\n\"" + sjis("A4 10面 91×55 余白14/11") +
                    "\", 210.0, 297.0, 91.0, 55.0, 2,5,14.0,11.0,0.0,0.0\r\n");
    PageSetupData data;
    data.Layout.PaperWidth = 210.0f;
    data.Layout.PaperHeight = 297.0f;
    data.Layout.PresetSource = MakerPreset;
    data.Layout.PresetName = MakePresetName(sjis("A4 10面 91×55 余白14/11"));
    TPageSetDlg dlg(data, folder.files());
    dlg.show();
    dlg.FormActivate();
    ASSERT_EQ(dlg.YousiCB->currentIndex(), 1);

    const QImage diagram = dlg.LayoutPanel->grab().toImage();
    ASSERT_EQ(diagram.size(), QSize(210, 297));
    const auto at = [&](int x, int y) { return diagram.pixelColor(x, y); };
    EXPECT_EQ(at(5, 5), QColor(Qt::white));     // the margin
    EXPECT_EQ(at(14, 11), QColor(Qt::black));   // a card's corner
    EXPECT_EQ(at(60, 11), QColor(Qt::black));   // its top edge
    EXPECT_EQ(at(60, 40), QColor(Qt::white));   // its inside
    EXPECT_EQ(at(104, 40), QColor(Qt::black));  // the right edge of the first column
    EXPECT_EQ(at(105, 40), QColor(Qt::black));  // the left edge of the second
    EXPECT_EQ(at(195, 285), QColor(Qt::black)); // the last card's bottom-right corner
    EXPECT_EQ(at(200, 290), QColor(Qt::white));

    // The whole dialog, to look at (set VELMORA_SCREENSHOT_DIR).
    const QString dir = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        EXPECT_TRUE(dlg.grab().save(dir + "/pageset.png"));
    }
}
