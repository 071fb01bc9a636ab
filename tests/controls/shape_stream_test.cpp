// Streaming of the shape and grid controls: defaults left out, declared order, Windows streams read back.
#include "controls/gridshape.h"
#include "controls/qvshape.h"
#include "stream_helpers.h"

#include <gtest/gtest.h>

TEST(ShapeStream, FreshShapeWritesNoProperties)
{
    TQVShape shape;
    EXPECT_TRUE(WrittenNames(shape).isEmpty());
    EXPECT_EQ(WriteComponent(shape), QByteArray("TPF0\x08TQVShape\x00\x00\x00", 16));
}

TEST(ShapeStream, ShapeAtTheOriginLeavesOutItsPosition)
{
    TQVShape shape;
    shape.SetWidth(80);
    shape.SetHeight(40);
    EXPECT_EQ(WrittenNames(shape), (QStringList{"Width", "Height"}));

    TQVShape back;
    back.SetLeft(7); // a read leaves what the stream does not mention as the object has it
    ReadComponent(WriteComponent(shape), back);
    EXPECT_EQ(back.Left(), 7);
    EXPECT_EQ(back.Width(), 80);
    EXPECT_EQ(back.Height(), 40);
}

TEST(ShapeStream, EveryPropertyInDeclaredOrderAndBackByteForByte)
{
    QWidget panel;
    TQVShape shape(&panel);
    shape.SetTag(3);
    shape.SetLeft(100);
    shape.SetTop(-50);
    shape.SetWidth(300);
    shape.SetHeight(40);
    shape.SetCursor(crHandPoint);
    shape.SetHint(QStringLiteral("図形"));
    shape.SetShape(qvstRoundSquare);
    shape.Pen().SetColor(clRed);
    shape.Pen().SetMode(pmNotXor);
    shape.Pen().SetStyle(psDot);
    shape.Pen().SetWidth(3);
    shape.Brush().SetColor(0xC0C0C0);
    shape.Brush().SetStyle(bsClear);
    shape.Extras.DragCursor = crNo;
    shape.Extras.DragMode = dmAutomatic;

    EXPECT_EQ(WrittenNames(shape), Names("Tag Left Top Width Height Cursor Hint Shape Pen.Color Pen.Mode "
                                         "Pen.Style Pen.Width Brush.Color Brush.Style DragCursor DragMode"));
    EXPECT_EQ(WrittenValue(shape, "Shape"), StreamValue::Ident("qvstRoundSquare"));
    EXPECT_EQ(WrittenValue(shape, "Pen.Color"), StreamValue::Ident("clRed"));
    EXPECT_EQ(WrittenValue(shape, "Brush.Color"), StreamValue::Ident("clSilver"));
    EXPECT_EQ(WrittenValue(shape, "Cursor"), StreamValue::Ident("crHandPoint"));
    EXPECT_EQ(WrittenValue(shape, "Width"), StreamValue::Int16(300));

    const QByteArray bytes = WriteComponent(shape);
    TQVShape back(&panel);
    ReadComponent(bytes, back);
    EXPECT_EQ(WriteComponent(back), bytes);
    EXPECT_EQ(back.Shape(), qvstRoundSquare);
    EXPECT_EQ(back.Left(), 100);
    EXPECT_EQ(back.Top(), -50);
    EXPECT_EQ(back.Pen().Width(), 3);
    EXPECT_EQ(back.Pen().Mode(), pmNotXor);
    EXPECT_EQ(back.Brush().Style(), bsClear);
    EXPECT_EQ(back.Extras.DragMode, dmAutomatic);
    EXPECT_EQ(back.Hint(), QStringLiteral("図形"));
    // The bounds follow the figure box and the pen read afterwards.
    EXPECT_EQ(back.geometry(), QRect(99, -51, 304, 44));
}

TEST(ShapeStream, WindowsStreamReadsIntoTheRightValuesAndWritesBackUnchanged)
{
    const QByteArray windows = StreamOf(
        "TQVShape",
        {Prop("Left", StreamValue::Int16(210)), Prop("Top", StreamValue::Int8(35)),
         Prop("Width", StreamValue::Int8(120)), Prop("Height", StreamValue::Int8(60)),
         Prop("Cursor", StreamValue::Ident("crHandPoint")), Prop("Shape", StreamValue::Ident("qvstEllipse")),
         Prop("Pen.Color", StreamValue::Int32(0x123456)), Prop("Pen.Style", StreamValue::Ident("psDot")),
         Prop("Pen.Width", StreamValue::Int8(0)), Prop("Brush.Color", StreamValue::Ident("clYellow")),
         Prop("Brush.Style", StreamValue::Ident("bsClear"))});
    TQVShape shape;
    ReadComponent(windows, shape);
    EXPECT_EQ(shape.Left(), 210);
    EXPECT_EQ(shape.Cursor(), crHandPoint);
    EXPECT_EQ(shape.Shape(), qvstEllipse);
    EXPECT_EQ(shape.Pen().Color(), 0x123456);
    EXPECT_EQ(shape.Pen().Style(), psDot);
    EXPECT_EQ(shape.Pen().Width(), 0);
    EXPECT_EQ(shape.Brush().Color(), clYellow);
    EXPECT_EQ(shape.Brush().Style(), bsClear);
    EXPECT_EQ(WriteComponent(shape), windows);
}

TEST(ShapeStream, PropertyNamesAndIdentifiersAreReadWithoutRegardToCase)
{
    TQVShape shape;
    ReadComponent(StreamOf("TQVShape", {Prop("pen.style", StreamValue::Ident("PSDASH")),
                                        Prop("SHAPE", StreamValue::Ident("qvstlineb"))}),
                  shape);
    EXPECT_EQ(shape.Pen().Style(), psDash);
    EXPECT_EQ(shape.Shape(), qvstLineb);
}

TEST(ShapeStream, UnknownOrMistypedPropertiesAreReadErrors)
{
    TQVShape shape;
    EXPECT_EQ(ReadError(StreamOf("TQVShape", {Prop("Caption", StreamValue::Text("x"))}), shape),
              QStringLiteral("TQVShape.Caption の読み込みエラー: プロパティ Caption は存在しません"));
    // The shape publishes no visibility, no font and no deeper pen paths.
    for (const char *name : {"Visible", "Font.Color", "Pen.Color.Red", "Brush.Width"})
        EXPECT_NE(ReadError(StreamOf("TQVShape", {Prop(name, StreamValue::Int8(1))}), shape),
                  QStringLiteral("(no error)"))
            << name;
    EXPECT_NE(ReadError(StreamOf("TQVShape", {Prop("Shape", StreamValue::Ident("qvstTriangle"))}), shape),
              QStringLiteral("(no error)"));
    EXPECT_NE(ReadError(StreamOf("TQVShape", {Prop("Left", StreamValue::Text("10"))}), shape),
              QStringLiteral("(no error)"));
    EXPECT_EQ(shape.Shape(), qvstRectangle);
}

TEST(ShapeStream, EventsOfAWindowsStreamAreAcceptedButNotWrittenBack)
{
    TQVShape shape;
    ReadComponent(StreamOf("TQVShape", {Prop("Width", StreamValue::Int8(9)),
                                        Prop("OnMouseDown", StreamValue::Ident("ShapeMouseDown")),
                                        Prop("OnMouseUp", StreamValue::Nil())}),
                  shape);
    EXPECT_EQ(WrittenNames(shape), QStringList{"Width"});
    EXPECT_NE(ReadError(StreamOf("TQVShape", {Prop("OnMouseDown", StreamValue::Int8(1))}), shape),
              QStringLiteral("(no error)"));
    EXPECT_NE(ReadError(StreamOf("TQVShape", {Prop("OnClick", StreamValue::Nil())}), shape),
              QStringLiteral("(no error)"));
}

TEST(GridStream, WritesItsSizeAndTheEditorsSettings)
{
    TGridShape fresh;
    // Width and Height are declared with the default 0, so the constructed 65 x 65 is written.
    EXPECT_EQ(WrittenNames(fresh), (QStringList{"Width", "Height"}));

    QWidget panel;
    TGridShape grid(&panel);
    grid.SetBounds(0, 0, 455, 275);
    grid.Brush().SetStyle(bsClear);
    grid.SetEnabled(false); // not published: a stored grid does not carry it
    grid.SetGridWidth(10);
    grid.Pen().SetColor(0xC0C0C0);
    EXPECT_EQ(WrittenNames(grid), Names("Width Height Pen.Color Brush.Style GridWidth"));

    const QByteArray bytes = WriteComponent(grid);
    TGridShape back(&panel);
    ReadComponent(bytes, back);
    EXPECT_EQ(back.geometry(), QRect(0, 0, 455, 275));
    EXPECT_EQ(back.GridWidth(), 10);
    EXPECT_EQ(back.Pen().Color(), clSilver);
    EXPECT_EQ(WriteComponent(back), bytes);
    EXPECT_NE(ReadError(StreamOf("TGridShape", {Prop("Visible", StreamValue::Bool(false))}), back),
              QStringLiteral("(no error)"));
}

TEST(GridStream, AnyStoredPitchIsKeptAndWrittenBack)
{
    for (int pitch : {-5, 1, 100000}) {
        const QByteArray bytes = StreamOf("TGridShape", {Prop("Width", StreamValue::Int8(50)),
                                                         Prop("Height", StreamValue::Int8(50)),
                                                         Prop("GridWidth", StreamValue::Integer(pitch))});
        TGridShape grid;
        ReadComponent(bytes, grid);
        EXPECT_EQ(grid.GridWidth(), pitch);
        EXPECT_GE(grid.EffectiveGridWidth(), 1);
        EXPECT_EQ(WriteComponent(grid), bytes);
    }
}
