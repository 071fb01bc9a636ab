// The wizard's preview read from a template's records: half size, shapes by their own rule, gaps kept,
// no grid, and damaged templates.
#include "children_of.h"
#include "controls/LabelEx.h"
#include "controls/card_classes.h"
#include "controls/colordialog.h"
#include "controls/gridshape.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "document/streamable.h"
#include "document/zrd_format.h"
#include "editor/drawpanel.h"
#include "layout/card_copy.h"
#include "platform/errors.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

class TemplatePreview : public ::testing::Test
{
protected:
    void SetUp() override { RegisterCardClasses(); }

    // A document as the program writes it: layout records, background, a visible grid, two shapes
    // (pen widths 1 and 3), a spaced label and the colour dialog.
    static ZrdDocument sampleDocument(int widthPx = 455, int heightPx = 275)
    {
        ZrdDocument d;
        d.header = {{{91.0f, 55.0f}, widthPx, heightPx}};
        d.records.push_back({ZrdTag::Version, QByteArray("2.0j\0\0\0\0", 8)});
        d.records.push_back({ZrdTag::Layout, SerializeZrdLayout({})});
        d.records.push_back({ZrdTag::MeasureUnit, ZrdInt32(1)});
        d.records.push_back({ZrdTag::Overhang, ZrdInt32(0)});
        d.records.push_back({ZrdTag::Tonbo, QByteArray(1, '\1')});
        TImage background;
        background.SetBounds(0, 0, widthPx, heightPx);
        background.SetStretch(true);
        background.SetEnabled(false);
        auto bitmap = std::make_unique<TBitmap>();
        QImage blue(8, 8, QImage::Format_RGB32);
        blue.fill(QColor(0, 0, 255));
        bitmap->SetImage(blue);
        background.Picture().SetGraphic(std::move(bitmap));
        d.records.push_back({ZrdTag::Background, WriteComponent(background)});
        TGridShape grid;
        grid.SetBounds(0, 0, widthPx, heightPx);
        grid.SetGridWidth(4);
        grid.SetVisible(true);
        d.records.push_back({ZrdTag::Grid, WriteComponent(grid)});
        for (int pen : {1, 3}) {
            TQVShape shape;
            shape.SetLeft(11);
            shape.SetTop(21);
            shape.SetWidth(101);
            shape.SetHeight(51);
            shape.Pen().SetWidth(pen);
            d.records.push_back({ZrdTag::Shape, WriteComponent(shape)});
        }
        TLabelEx label;
        label.SetCaption(QStringLiteral("山田"));
        label.Font().SetSize(12);
        label.SetGap(4);
        label.SetLeft(40);
        label.SetTop(100);
        d.records.push_back({ZrdTag::Label, WriteComponent(label)});
        d.records.push_back({ZrdTag::ColorDialog, WriteComponent(TColorDialog())});
        return d;
    }
};

TEST_F(TemplatePreview, ALyingCardIsReadAtHalfSizeWithShapesByTheirOwnRule)
{
    std::unique_ptr<TPanel> panel = ComposeTemplatePreview(SerializeZrd(sampleDocument()));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isHidden()); // the wizard shows it once it is placed
    EXPECT_EQ(panel->size(), QSize(228, 138));
    EXPECT_EQ(panel->Color(), TColor(0xFFFFFF));

    const auto shapes = ChildrenOf<TQVShape>(*panel);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0]->Pen().Width(), 1); // trunc(1 * 50 / 100 + 0.5)
    EXPECT_EQ(shapes[1]->Pen().Width(), 2); // trunc(3 * 50 / 100 + 0.5)
    for (TQVShape *shape : shapes) {
        EXPECT_EQ(shape->Left(), 6);
        EXPECT_EQ(shape->Top(), 11);
        EXPECT_EQ(shape->Width(), 51);
        EXPECT_EQ(shape->Height(), 26);
    }

    const auto labels = ChildrenOf<TLabelEx>(*panel);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0]->Gap(), 4); // the control scaling does not reach the gap
    EXPECT_EQ(labels[0]->Font().Size(), 6);
    EXPECT_EQ(labels[0]->pos(), QPoint(20, 50));
}

TEST_F(TemplatePreview, ASpacedLabelFittedToItsTextIsNotCutOffAtHalfSize)
{
    ZrdDocument document = sampleDocument();
    for (TAlignment alignment : {taLeftJustify, taRightJustify}) {
        TLabelEx label;
        label.SetCaption(QStringLiteral("株式会社 ソラリス"));
        label.Font().SetSize(11);
        label.SetGap(6);
        label.SetAlignment(alignment);
        label.SetLeft(30);
        label.SetTop(200);
        label.SetAutoSize(false); // fitted once, as the editor leaves a typed label
        document.records.push_back({ZrdTag::Label, WriteComponent(label)});
    }
    std::unique_ptr<TPanel> panel = ComposeTemplatePreview(SerializeZrd(document));
    ASSERT_NE(panel, nullptr);
    const auto labels = ChildrenOf<TLabelEx>(*panel);
    ASSERT_EQ(labels.size(), 3u);
    for (TLabelEx *label : {labels[1], labels[2]}) {
        const QRect box = label->geometry();
        label->SetAutoSize(true);
        EXPECT_GE(box.width(), label->width()); // the whole text fits the box
        EXPECT_EQ(label->Gap(), 6);
        label->SetAutoSize(false);
        EXPECT_EQ(box.top(), 100);
    }
    EXPECT_EQ(labels[1]->x(), 15); // left-aligned: the left edge stays
    EXPECT_LT(labels[2]->x(), 15); // right-aligned: the right edge stays, the box grows leftwards
}

TEST_F(TemplatePreview, TheGridIsNeverShownAndTheBackgroundIsDrawnFirst)
{
    std::unique_ptr<TPanel> panel = ComposeTemplatePreview(SerializeZrd(sampleDocument()));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(ChildrenOf<TGridShape>(*panel).empty());
    const auto pictures = ChildrenOf<TImage>(*panel);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(panel->children().first(), pictures[0]);
    EXPECT_EQ(pictures[0]->size(), QSize(228, 138));

    // Rendered, the background's blue fills the card and no grid line crosses the row above the shapes.
    QImage image(panel->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    panel->render(&painter);
    painter.end();
    int other = 0;
    for (int x = 0; x < image.width(); ++x)
        other += QColor(image.pixel(x, 5)) != QColor(0, 0, 255);
    EXPECT_EQ(other, 0);
    EXPECT_EQ(QColor(image.pixel(200, 120)), QColor(0, 0, 255));
}

TEST_F(TemplatePreview, AnUnknownTagOrAnImpossibleSizeLeavesNoPreview)
{
    ZrdDocument document = sampleDocument();
    QByteArray bytes = SerializeZrd(document) + ZrdInt32(6);
    EXPECT_EQ(ComposeTemplatePreview(bytes), nullptr);
    // An unknown tag in the middle stops the reading there as well.
    document.records.insert(document.records.begin() + 2, {99, {}});
    EXPECT_EQ(ComposeTemplatePreview(SerializeZrd(document)), nullptr);
    EXPECT_EQ(ComposeTemplatePreview(SerializeZrd(sampleDocument(-5, 275))), nullptr);
}

TEST_F(TemplatePreview, ATruncatedTemplateIsAReadError)
{
    const QByteArray bytes = SerializeZrd(sampleDocument());
    // Cut inside the last component stream, inside the header, and after the header with no whole tag.
    EXPECT_THROW(ComposeTemplatePreview(bytes.left(bytes.size() - 3)), EReadError);
    EXPECT_THROW(ComposeTemplatePreview(bytes.left(10)), EReadError);
    EXPECT_THROW(ComposeTemplatePreview(bytes.left(18)), EReadError);
    // A record whose fixed payload is cut short.
    EXPECT_THROW(ComposeTemplatePreview(bytes.left(16) + ZrdInt32(ZrdTag::Overhang) + QByteArray(2, 0)),
                 EReadError);
}

} // namespace
