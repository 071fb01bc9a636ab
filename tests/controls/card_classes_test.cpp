// The card classes by name: what the registry creates from a stream, and that a failed read leaves nothing.
#include "controls/LabelEx.h"
#include "controls/card_classes.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "document/component_registry.h"
#include "stream_helpers.h"

#include <gtest/gtest.h>

TEST(CardClasses, StreamsCreateTheClassTheyNameOnTheOwner)
{
    RegisterCardClasses();
    RegisterCardClasses(); // harmless a second time
    for (const char *name : {"TQVShape", "TImage", "TLabelEx"})
        EXPECT_TRUE(IsComponentClassRegistered(QLatin1String(name))) << name;

    QWidget panel;
    TLabelEx label;
    label.SetCaption(QStringLiteral("名刺"));
    label.SetGap(4);
    std::unique_ptr<Streamable> read = ReadComponentCreating(WriteComponent(label), &panel);
    auto *readLabel = dynamic_cast<TLabelEx *>(read.get());
    ASSERT_NE(readLabel, nullptr);
    EXPECT_EQ(readLabel->parentWidget(), &panel);
    EXPECT_EQ(readLabel->Caption(), QStringLiteral("名刺"));
    EXPECT_EQ(readLabel->Gap(), 4);

    TQVShape shape;
    shape.SetShape(qvstCircle);
    read = ReadComponentCreating(WriteComponent(shape), &panel);
    ASSERT_NE(dynamic_cast<TQVShape *>(read.get()), nullptr);
    EXPECT_EQ(dynamic_cast<TQVShape *>(read.get())->Shape(), qvstCircle);

    read = ReadComponentCreating(WriteComponent(TImage()), nullptr);
    ASSERT_NE(dynamic_cast<TImage *>(read.get()), nullptr);
    EXPECT_EQ(dynamic_cast<TImage *>(read.get())->parentWidget(), nullptr);
}

TEST(CardClasses, AFailedReadLeavesNothingOnTheOwner)
{
    RegisterCardClasses();
    QWidget panel;
    const QByteArray bad = StreamOf("TLabelEx", {Prop("Caption", StreamValue::Text("x")),
                                                 Prop("Font.Style", StreamValue::Set({"fsBlinking"}))});
    EXPECT_THROW(ReadComponentCreating(bad, &panel), EReadError);
    EXPECT_THROW(ReadComponentCreating(StreamOf("TImage", {Prop("Bogus", StreamValue::Int8(1))}), &panel),
                 EReadError);
    EXPECT_TRUE(panel.findChildren<QWidget *>().isEmpty());

    // Only card objects are made by name: the grid and the colour dialog are read into existing ones.
    try {
        ReadComponentCreating(StreamOf("TGridShape", {}), &panel);
        ADD_FAILURE() << "a grid was created from a stream";
    } catch (const EReadError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("クラス TGridShape が見つかりません"));
    }
    EXPECT_TRUE(panel.findChildren<QWidget *>().isEmpty());
}

TEST(CardClasses, TheTableTellsClassesByObjectAndByDocumentTag)
{
    TQVShape shape;
    TLabelEx label;
    TImage picture, catchPhrase;
    catchPhrase.SetTag(1);
    QWidget plain;
    EXPECT_EQ(KindOf(&shape), CardKind::Shape);
    EXPECT_EQ(KindOf(&label), CardKind::Label);
    EXPECT_EQ(KindOf(&picture), CardKind::Picture);
    EXPECT_EQ(KindOf(&plain), CardKind::None);
    EXPECT_EQ(KindOf(nullptr), CardKind::None);
    EXPECT_FALSE(IsCatchPhrase(&picture));
    EXPECT_TRUE(IsCatchPhrase(&catchPhrase));
    EXPECT_FALSE(IsCatchPhrase(&label));

    EXPECT_EQ(CardClassOf(&label)->className, QLatin1StringView("TLabelEx"));
    EXPECT_EQ(CardClassOf(&shape)->documentTag, 2);
    EXPECT_EQ(CardClassOf(&picture)->documentTag, 4);
    EXPECT_EQ(CardClassForTag(17)->kind, CardKind::Label);
    EXPECT_EQ(CardClassForTag(3)->kind, CardKind::Label); // older documents' labels
    EXPECT_EQ(CardClassForTag(2)->kind, CardKind::Shape);
    for (int tag : {0, 5, 7, 8, 15})
        EXPECT_EQ(CardClassForTag(tag), nullptr) << tag;
    for (const CardClass &c : CardClasses()) {
        std::unique_ptr<TGraphicControl> made(c.construct(&plain));
        EXPECT_EQ(made->parentWidget(), &plain);
        EXPECT_EQ(KindOf(made.get()), c.kind);
        EXPECT_EQ(AsStreamable(*made).ClassName(), QString(c.className));
    }
}

TEST(CardClasses, ACopyCarriesTheStoredPropertiesOntoItsParent)
{
    QWidget panel;
    TLabelEx label;
    label.SetCaption(QStringLiteral("山田"));
    label.SetGap(3);
    label.SetBounds(10, 20, 30, 40);
    auto *copy = dynamic_cast<TLabelEx *>(CopyCardObject(label, &panel));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->parentWidget(), &panel);
    EXPECT_EQ(copy->Caption(), QStringLiteral("山田"));
    EXPECT_EQ(copy->Gap(), 3);
    EXPECT_EQ(copy->pos(), label.pos());
    QWidget plain;
    EXPECT_EQ(CopyCardObject(plain, &panel), nullptr);
    EXPECT_EQ(panel.findChildren<QWidget *>().size(), 1);
}

TEST(CardClasses, AShapeScalesItsFigureAndPenAndALabelItsGap)
{
    TQVShape shape;
    shape.SetLeft(3);
    shape.SetTop(5);
    shape.SetWidth(11);
    shape.SetHeight(7);
    shape.Pen().SetWidth(3);
    shape.ScaleFigure(472, 100);
    // trunc(472 x value / 100 + 0.5)
    EXPECT_EQ(shape.Left(), 14);
    EXPECT_EQ(shape.Top(), 24);
    EXPECT_EQ(shape.Width(), 52);
    EXPECT_EQ(shape.Height(), 33);
    EXPECT_EQ(shape.Pen().Width(), 14);

    TLabelEx label;
    label.SetGap(5);
    label.ScaleFigure(40, 100);
    EXPECT_EQ(label.Gap(), 2);
    TImage picture;
    picture.SetBounds(1, 2, 3, 4);
    picture.ScaleFigure(472, 100); // nothing of its own to scale
    EXPECT_EQ(picture.geometry(), QRect(1, 2, 3, 4));
}
