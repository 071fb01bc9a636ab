// Hand-assembled component streams shared by the codec tests and the fuzzing seed tool.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <vector>

// Appends stream bytes in the order a test spells them out.
class StreamBytes
{
public:
    StreamBytes &raw(QByteArrayView bytes);
    StreamBytes &u8(int value);
    StreamBytes &le(std::uint64_t value, int size);
    StreamBytes &i16(int value) { return le(std::uint64_t(value), 2); }
    StreamBytes &i32(std::int64_t value) { return le(std::uint64_t(value), 4); }
    StreamBytes &i64(std::int64_t value) { return le(std::uint64_t(value), 8); }
    // A short string: length byte and bytes.
    StreamBytes &str(QByteArrayView bytes);
    // UTF-16 code units, little-endian, without a count.
    StreamBytes &utf16(const QString &text);
    QByteArray bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

// The Shift-JIS bytes of "名刺デザイン" (business-card design).
QByteArray ShiftJisCaption();

// A form-like stream: prefix flags, a property of every value type 0 to 19 and nested children.
QByteArray EveryValueTypeStream();
// A stream like those of a document's shape record.
QByteArray CardShapeStream();

// Streams for seeding the fuzzer.
std::vector<QByteArray> SampleStreams();
