// The colour dialog's custom colours as documents keep them.
#include "platform/custom_colors.h"

#include <gtest/gtest.h>

namespace {

TEST(CustomColors, EntriesNameTheirSlotAndUnnamedSlotsStayWhite)
{
    const CustomColorSet colors = CustomColorsFromEntries(
        {QStringLiteral("ColorC=0000FF"), QStringLiteral("ColorA=123456"), QStringLiteral("ColorQ=000000"),
         QStringLiteral("ColorB=zz"), QStringLiteral("ColorD=1FFFFFF"), QStringLiteral("Junk")});
    EXPECT_EQ(colors[0], QColor(0x56, 0x34, 0x12)); // BBGGRR
    EXPECT_EQ(colors[2], QColor(Qt::red));
    for (int i : {1, 3, 4, 15})
        EXPECT_EQ(colors[i], QColor(Qt::white)) << i;
}

TEST(CustomColors, WrittenAsSixteenUpperCaseEntriesThatReadBack)
{
    CustomColorSet colors;
    colors.fill(QColor(Qt::white));
    colors[1] = QColor(0xAB, 0x0C, 0x01);
    const QStringList entries = EntriesFromCustomColors(colors);
    ASSERT_EQ(entries.size(), 16);
    EXPECT_EQ(entries[0], QStringLiteral("ColorA=FFFFFF"));
    EXPECT_EQ(entries[1], QStringLiteral("ColorB=010CAB"));
    EXPECT_EQ(entries[15], QStringLiteral("ColorP=FFFFFF"));
    EXPECT_EQ(CustomColorsFromEntries(entries), colors);
}

} // namespace

#include "platform/modal.h"

#include <QApplication>
#include <QColorDialog>
#include <QTimer>

namespace {

TEST(CustomColors, QtsDialogShowsTheDocumentsColoursAndHandsBackWhatItHolds)
{
    QtModalSeam seam;
    QColor seenFirst, seenSecond;
    // Earlier dialogs' colours must not show in this document's dialog.
    QColorDialog::setCustomColor(1, Qt::green);
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        seenFirst = QColorDialog::customColor(0);
        seenSecond = QColorDialog::customColor(1);
        QColorDialog::setCustomColor(2, QColor(0x01, 0x02, 0x03));
        dialog->setCurrentColor(Qt::blue);
        dialog->accept();
    });
    const auto result = seam.chooseColor({Qt::red, {QStringLiteral("ColorA=563412")}});
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(seenFirst, QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(seenSecond, QColor(Qt::white));
    EXPECT_EQ(result->color, QColor(Qt::blue));
    ASSERT_EQ(result->customColors.size(), 16);
    EXPECT_EQ(result->customColors[0], QStringLiteral("ColorA=563412"));
    EXPECT_EQ(result->customColors[2], QStringLiteral("ColorC=030201"));

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_FALSE(seam.chooseColor({Qt::red, {}}).has_value());
}

} // namespace
