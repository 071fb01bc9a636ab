// Extreme stored values: read, drawn and written back without failing.
#include "controls/LabelEx.h"
#include "controls/qvshape.h"
#include "render_helpers.h"
#include "stream_helpers.h"

#include <climits>
#include <gtest/gtest.h>

TEST(StreamExtremes, LabelWithHugeFontGapAndBounds)
{
    for (int height : {INT_MIN, -100000000, 100000000, INT_MAX}) {
        QWidget panel;
        panel.resize(200, 100);
        TLabelEx label(&panel);
        ReadComponent(StreamOf("TLabelEx", {Prop("Width", StreamValue::Int32(INT_MAX)),
                                            Prop("Height", StreamValue::Int32(INT_MIN)),
                                            Prop("AutoSize", StreamValue::Bool(false)),
                                            Prop("Caption", StreamValue::Text("AB名刺")),
                                            Prop("Font.Height", StreamValue::Int32(height)),
                                            Prop("Gap", StreamValue::Int32(INT_MAX))}),
                      label);
        RenderWidget(panel);
        // The widget cannot be that large; the font and the spacing are kept as stored.
        EXPECT_EQ(label.height(), 0);
        EXPECT_EQ(WrittenValue(label, "Font.Height"), StreamValue::Int32(height));
        EXPECT_EQ(WrittenValue(label, "Gap"), StreamValue::Int32(INT_MAX));
        label.SetAutoSize(true); // measuring with such a font does not fail either
    }
}

TEST(StreamExtremes, ShapeWithHugePenAndBoxKeepsItsStoredValues)
{
    QWidget panel;
    panel.resize(200, 100);
    TQVShape shape(&panel);
    const QByteArray bytes = StreamOf(
        "TQVShape", {Prop("Left", StreamValue::Int32(INT_MIN)), Prop("Top", StreamValue::Int32(INT_MAX)),
                     Prop("Width", StreamValue::Int32(INT_MAX)), Prop("Height", StreamValue::Int32(INT_MIN)),
                     Prop("Shape", StreamValue::Ident("qvstRoundSquare")),
                     Prop("Pen.Width", StreamValue::Int32(INT_MAX))});
    ReadComponent(bytes, shape);
    RenderWidget(panel);
    EXPECT_EQ(shape.Left(), INT_MIN);
    EXPECT_EQ(WriteComponent(shape), bytes);
    EXPECT_NE(ReadError(StreamOf("TQVShape", {Prop("Left", StreamValue::Int64(1LL << 40))}), shape),
              QStringLiteral("(no error)"));
}
