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
        EXPECT_EQ(error.message(), QStringLiteral("Class TGridShape not found"));
    }
    EXPECT_TRUE(panel.findChildren<QWidget *>().isEmpty());
}
