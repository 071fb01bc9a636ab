// Fuzzes the .zrd document parser: any input is a bad file, a read error, or a document whose records
// read on their own and which writes back to the same bytes.
#include "document/stream_reader.h"
#include "document/stream_writer.h"
#include "document/zrd_format.h"
#include "platform/errors.h"

#include <cstdint>
#include <cstdlib>

namespace {

// The records that hold one component stream; the other tags have fixed payloads. Listed here again on
// purpose, so that the parser's own table is checked against it rather than trusted.
bool holdsComponentStream(std::int32_t tag)
{
    switch (tag) {
    case ZrdTag::Shape:
    case ZrdTag::LabelOld:
    case ZrdTag::Picture:
    case ZrdTag::ColorDialog:
    case ZrdTag::Background:
    case ZrdTag::Grid:
    case ZrdTag::Label:
        return true;
    default:
        return false;
    }
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkRecord(const ZrdRecord &record)
{
    if (holdsComponentStream(record.tag)) {
        // The parser measured the payload by reading it, so it must read alone, with nothing left over,
        // and write back unchanged.
        const ObjectRecord object = ParseComponentStream(record.payload);
        check(SerializeComponentStream(object) == record.payload);
        return;
    }
    switch (record.tag) {
    case ZrdTag::Layout:
        check(SerializeZrdLayout(ParseZrdLayout(record.payload)) == record.payload);
        break;
    case ZrdTag::LegacyLayout:
        check(SerializeZrdLegacyLayout(ParseZrdLegacyLayout(record.payload)) == record.payload);
        break;
    case ZrdTag::Overhang:
    case ZrdTag::Obsolete:
    case ZrdTag::MeasureUnit:
        check(ZrdInt32(ZrdReadInt32(record.payload)) == record.payload);
        break;
    default:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    ZrdDocument document;
    ZrdParse result;
    try {
        result = ParseZrd(file, document);
    } catch (const EReadError &) {
        // A failed parse leaves the document as it was.
        check(document.records.empty());
        return 0;
    }
    if (result != ZrdParse::Ok) {
        check(document.records.empty());
        return 0;
    }
    check(SerializeZrd(document) == file);
    for (const ZrdRecord &record : document.records)
        checkRecord(record);
    return 0;
}
