// Fuzzes the component stream reader: any input either reads, and then writes back to the same bytes,
// or fails with EReadError.
#include "document/stream_reader.h"
#include "document/stream_writer.h"
#include "document/streamable.h"
#include "platform/errors.h"
#include "platform/idents.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Reads every property through each typed accessor, as a control would.
class AnyComponent : public Streamable
{
public:
    QString ClassName() const override { return QStringLiteral("TAnything"); }
    void WriteProperties(PropertyWriter &) const override {}
    void ReadProperty(const QString &, const StreamValue &v) override
    {
        tryRead([&] { v.toInt64(); });
        tryRead([&] { v.toBool(); });
        tryRead([&] { v.toReal(); });
        tryRead([&] { v.toText(); });
        tryRead([&] { v.toColor(); });
        tryRead([&] { v.toSet(); });
        tryRead([&] { v.toBinary(); });
        tryRead([&] { v.toStrings(); });
        tryRead([&] { v.toNamedInteger(CursorIdents()); });
        tryRead([&] { v.toSetBits(FontStyleIdents()); });
    }
    void ReadChild(const ObjectRecord &) override {}

private:
    template <typename F> static void tryRead(F read)
    {
        try {
            read();
        } catch (const EReadError &) {
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Raw data, not a copy: the reader must not read past the input or count on a terminating zero.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    ObjectRecord record;
    qsizetype used = 0;
    try {
        used = ParseComponentStreamAt(bytes, 0, record);
    } catch (const EReadError &) {
        return 0;
    }
    // What reads must write back byte for byte, and read again to the same tree.
    const QByteArray written = SerializeComponentStream(record);
    if (written != bytes.first(used))
        std::abort();
    if (ParseComponentStream(written) != record)
        std::abort();
    AnyComponent component;
    ApplyComponentRecord(record, component);
    return 0;
}
