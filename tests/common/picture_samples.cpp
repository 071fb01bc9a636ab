// Hand-made metafiles, record by record, and images encoded by Qt.
#include "picture_samples.h"

#include "platform/bytes.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>
#include <cstdint>

namespace {

// Little-endian record writer for hand-made metafiles.
struct Bytes
{
    QByteArray data;
    Bytes &u32(std::uint32_t v)
    {
        AppendInt32(data, std::int32_t(v));
        return *this;
    }
    Bytes &u16(std::uint16_t v)
    {
        data.append(char(v & 0xFF)).append(char(v >> 8));
        return *this;
    }
    void patch32(int at, std::uint32_t v) { qToLittleEndian(v, data.data() + at); }
};

} // namespace

QByteArray SampleEmf(EmfSize size)
{
    Bytes b;
    b.u32(1).u32(108);                                            // EMR_HEADER, record size
    b.u32(0).u32(0).u32(size.boundsRight).u32(size.boundsBottom); // rclBounds (pixels)
    b.u32(0).u32(0).u32(size.frameRight).u32(size.frameBottom);   // rclFrame (0.01 mm)
    b.u32(0x464D4520).u32(0x10000).u32(0).u32(5);                 // signature, version, bytes, records
    b.u16(2).u16(0).u32(0).u32(0).u32(0);                         // handles, reserved, description, palette
    b.u32(1920).u32(1080).u32(508).u32(286);                      // reference device: pixels, millimetres
    b.u32(0).u32(0).u32(0).u32(508000).u32(286000);               // pixel format, OpenGL, micrometres
    b.u32(39).u32(24).u32(1).u32(0).u32(0x0000FF).u32(0);         // EMR_CREATEBRUSHINDIRECT: red
    b.u32(37).u32(12).u32(1);                                     // EMR_SELECTOBJECT
    b.u32(43).u32(24).u32(10).u32(10).u32(60).u32(40);            // EMR_RECTANGLE
    b.u32(14).u32(20).u32(0).u32(16).u32(20);                     // EMR_EOF
    b.patch32(48, std::uint32_t(b.data.size()));
    return b.data;
}

QByteArray SampleWmf()
{
    Bytes b;
    b.u32(0x9AC6CDD7).u16(0).u16(0).u16(0).u16(1440).u16(720).u16(1440).u32(0);
    std::uint16_t checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= qFromLittleEndian<std::uint16_t>(b.data.constData() + i);
    b.u16(checksum);
    b.u16(1).u16(9).u16(0x300).u32(0).u16(1).u32(7).u16(0);    // META_HEADER, size patched below
    b.u32(5).u16(0x020B).u16(0).u16(0);                        // SETWINDOWORG
    b.u32(5).u16(0x020C).u16(720).u16(1440);                   // SETWINDOWEXT
    b.u32(7).u16(0x02FC).u16(0).u32(0x0000FF).u16(0);          // CREATEBRUSHINDIRECT: red
    b.u32(4).u16(0x012D).u16(0);                               // SELECTOBJECT
    b.u32(7).u16(0x041B).u16(500).u16(1000).u16(100).u16(100); // RECTANGLE bottom, right, top, left
    b.u32(3).u16(0);                                           // EOF
    b.patch32(22 + 6, std::uint32_t((b.data.size() - 22) / 2));
    return b.data;
}

QByteArray EncodedImage(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}
