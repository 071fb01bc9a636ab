// The hand-assembled component streams.
#include "sample_streams.h"

StreamBytes &StreamBytes::raw(QByteArrayView bytes)
{
    bytes_.append(bytes.constData(), bytes.size());
    return *this;
}

StreamBytes &StreamBytes::u8(int value)
{
    bytes_.append(char(value));
    return *this;
}

StreamBytes &StreamBytes::le(std::uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        u8(int((value >> (8 * i)) & 0xFF));
    return *this;
}

StreamBytes &StreamBytes::str(QByteArrayView bytes)
{
    return u8(int(bytes.size())).raw(bytes);
}

StreamBytes &StreamBytes::utf16(const QString &text)
{
    for (QChar c : text)
        le(c.unicode(), 2);
    return *this;
}

QByteArray ShiftJisCaption()
{
    return QByteArray("\x96\xbc\x8e\x68\x83\x66\x83\x55\x83\x43\x83\x93");
}

QByteArray EveryValueTypeStream()
{
    const QString wide = QStringLiteral("한국어 caption");
    StreamBytes s;
    s.raw("TPF0").u8(0xF1).str("TForm1").str("Form1");
    s.str("Tag").u8(0);                            // null
    s.str("Items.Strings").u8(1);                  // list of texts
    s.u8(6).str("first").u8(12).i32(3).raw("abc"); // string, long string
    s.u8(18).i32(2).utf16(QStringLiteral("\u00e9\u4e2d")).u8(0);
    s.str("Left").u8(2).u8(0x7F);                                         // int8
    s.str("Top").u8(3).i16(-129);                                         // int16
    s.str("Width").u8(4).i32(32768);                                      // int32
    s.str("Ratio").u8(5).raw("\xcd\xcc\xcc\xcc\xcc\xcc\xcc\xcc\xfb\x3f"); // extended 0.1
    s.str("Caption").u8(6).str(ShiftJisCaption());                        // string
    s.str("Align").u8(7).str("alClient");                                 // identifier
    s.str("Visible").u8(8);                                               // false
    s.str("Enabled").u8(9);                                               // true
    s.str("Picture.Data").u8(10).i32(9).str("TBitmap").u8(0);             // binary
    s.str("Font.Style").u8(11).str("fsBold").str("fsItalic").u8(0);       // set
    s.str("Hint").u8(12).i32(300).raw(QByteArray(300, 'h'));              // long string
    s.str("PopupMenu").u8(13);                                            // nil
    s.str("Columns").u8(14);                                              // collection
    s.u8(2).u8(0).u8(1).str("Width").u8(3).i16(300).u8(0);                // item with its index
    s.u8(1).str("Caption").u8(6).str("second").str("Tags").u8(11).u8(0).u8(0);
    s.u8(0);
    s.str("Scale").u8(15).i32(0x3FC00000);                    // single 1.5
    s.str("Price").u8(16).i64(123456);                        // currency 12.3456
    s.str("When").u8(17).i64(0x40E5F3A000000000ll);           // date
    s.str("WideCaption").u8(18).i32(wide.size()).utf16(wide); // wide string
    s.str("Big").u8(19).i64(-5000000000ll);                   // int64
    s.u8(0);                                                  // end of properties
    // children: a panel at child position 258 (int16), holding a label
    s.u8(0xF6).u8(3).i16(258).str("TPanel").str("Panel1");
    s.str("Color").u8(7).str("clBtnFace").u8(0);
    s.str("TLabel").str("Label1").str("Caption").u8(6).str("x").u8(0).u8(0);
    s.u8(0);
    s.str("TSpeedButton").str("").u8(0).u8(0);
    s.u8(0); // end of the form's children
    return s.bytes();
}

QByteArray CardShapeStream()
{
    StreamBytes s;
    s.raw("TPF0").str("TQVShape").str("");
    s.str("Left").u8(2).u8(40).str("Top").u8(2).u8(30);
    s.str("Width").u8(3).i16(200).str("Height").u8(2).u8(100);
    s.str("Shape").u8(7).str("qvstEllipse");
    s.str("Pen.Color").u8(4).i32(0x123456).str("Pen.Width").u8(2).u8(3);
    s.str("Brush.Color").u8(7).str("clYellow").str("Brush.Style").u8(7).str("bsClear");
    s.u8(0).u8(0);
    return s.bytes();
}

std::vector<QByteArray> SampleStreams()
{
    return {EveryValueTypeStream(), CardShapeStream()};
}
