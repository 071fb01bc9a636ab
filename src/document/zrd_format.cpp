// Parsing and writing the .zrd container: header, tags, fixed payloads; component streams are measured
// by parsing them, since their length is stored nowhere.
#include "document/zrd_format.h"

#include "document/stream_reader.h"
#include "document/streamable.h"
#include "platform/bytes.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "platform/memory_budget.h"
#include "platform/strings.h"

#include <cstring>

namespace {

constexpr qsizetype kHeaderSize = 16;
constexpr qsizetype kLayoutSize = 100;
constexpr qsizetype kLegacyLayoutSize = 28;

// Size of the fixed payload of a tag, 0 for a component stream, -1 for an invalid tag.
qsizetype fixedPayloadSize(std::int32_t tag)
{
    switch (tag) {
    case ZrdTag::Shape:
    case ZrdTag::LabelOld:
    case ZrdTag::Picture:
    case ZrdTag::ColorDialog:
    case ZrdTag::Background:
    case ZrdTag::Grid:
    case ZrdTag::Label:
        return 0;
    case ZrdTag::LegacyLayout:
        return kLegacyLayoutSize;
    case ZrdTag::LegacyOverhang:
    case ZrdTag::Tonbo:
        return 1;
    case ZrdTag::Overhang:
    case ZrdTag::Obsolete:
    case ZrdTag::MeasureUnit:
        return 4;
    case ZrdTag::Version:
        return 8;
    case ZrdTag::Layout:
        return kLayoutSize;
    default:
        return -1;
    }
}

[[noreturn]] void readPastEnd()
{
    throw EReadError(LoadStr(Str::StreamReadError));
}

} // namespace

bool ZrdHeaderPlausible(const ZrdHeader &header)
{
    return header.WorkSheetWidthPx >= 0 && header.WorkSheetHeightPx >= 0 &&
           header.WorkSheetWidthPx <= MaxWorkSheetPx && header.WorkSheetHeightPx <= MaxWorkSheetPx;
}

std::optional<QByteArray> ReadZrdFile(const QString &path)
{
    FileReader file(path, MaxDocumentFileBytes);
    QByteArray bytes = file.Read(kHeaderSize + 4);
    if (bytes.size() == kHeaderSize + 4) {
        ZrdHeader header;
        header.WorkSheetWidthPx = ReadInt32(bytes.constData() + 8);
        header.WorkSheetHeightPx = ReadInt32(bytes.constData() + 12);
        if (!ZrdHeaderPlausible(header) || fixedPayloadSize(ReadInt32(bytes.constData() + kHeaderSize)) < 0)
            return std::nullopt;
    }
    bytes.reserve(file.Size());
    file.ReadRestAppend(bytes);
    return bytes;
}

QByteArray ZrdInt32(std::int32_t value)
{
    QByteArray out;
    AppendInt32(out, value);
    return out;
}

std::int32_t ZrdReadInt32(const QByteArray &payload, qsizetype offset)
{
    if (offset < 0 || offset + 4 > payload.size())
        readPastEnd();
    return ReadInt32(payload.constData() + offset);
}

float ZrdReadFloat(const QByteArray &payload, qsizetype offset)
{
    const std::int32_t bits = ZrdReadInt32(payload, offset);
    float value;
    std::memcpy(&value, &bits, 4);
    return value;
}

void AppendFloat(QByteArray &out, float value)
{
    std::int32_t bits;
    std::memcpy(&bits, &value, 4);
    AppendInt32(out, bits);
}

ZrdParse ParseZrd(const QByteArray &file, ZrdDocument &document)
{
    if (file.size() < kHeaderSize + 4)
        return ZrdParse::BadFile;
    ZrdDocument parsed;
    parsed.header.WorkSheetWidthMM = ZrdReadFloat(file, 0);
    parsed.header.WorkSheetHeightMM = ZrdReadFloat(file, 4);
    parsed.header.WorkSheetWidthPx = ZrdReadInt32(file, 8);
    parsed.header.WorkSheetHeightPx = ZrdReadInt32(file, 12);
    qsizetype pos = kHeaderSize;
    while (pos < file.size()) {
        const std::int32_t tag = ZrdReadInt32(file, pos);
        pos += 4;
        qsizetype size = fixedPayloadSize(tag);
        if (size < 0)
            return ZrdParse::BadFile;
        std::shared_ptr<ObjectRecord> stream;
        if (size == 0) {
            stream = std::make_shared<ObjectRecord>();
            size = ParseComponentStreamAt(file, pos, *stream);
        } else if (pos + size > file.size())
            readPastEnd();
        parsed.records.push_back({tag, SharedBytes(file, pos, size), std::move(stream)});
        pos += size;
    }
    document = std::move(parsed);
    return ZrdParse::Ok;
}

QByteArray SerializeZrd(const ZrdDocument &document)
{
    QByteArray out;
    AppendFloat(out, document.header.WorkSheetWidthMM);
    AppendFloat(out, document.header.WorkSheetHeightMM);
    AppendInt32(out, document.header.WorkSheetWidthPx);
    AppendInt32(out, document.header.WorkSheetHeightPx);
    for (const ZrdRecord &record : document.records) {
        AppendInt32(out, record.tag);
        out.append(record.payload);
    }
    return out;
}

void ReadZrdComponent(const ZrdRecord &record, Streamable &component)
{
    if (record.stream)
        ApplyComponentRecord(*record.stream, component);
    else
        ReadComponent(record.payload, component);
}

namespace {

// Both layout records hold the grid as two counts and four lengths in this order.
CardGrid readCardGrid(const QByteArray &payload, qsizetype offset)
{
    return {ZrdReadInt32(payload, offset),      ZrdReadInt32(payload, offset + 4),
            ZrdReadFloat(payload, offset + 8),  ZrdReadFloat(payload, offset + 12),
            ZrdReadFloat(payload, offset + 16), ZrdReadFloat(payload, offset + 20)};
}

void appendCardGrid(QByteArray &out, const CardGrid &grid)
{
    AppendInt32(out, grid.Retu);
    AppendInt32(out, grid.Dann);
    AppendFloat(out, grid.LeftMargin);
    AppendFloat(out, grid.TopMargin);
    AppendFloat(out, grid.InsideMarginX);
    AppendFloat(out, grid.InsideMarginY);
}

} // namespace

ZrdLayout ParseZrdLayout(const QByteArray &payload)
{
    if (payload.size() < kLayoutSize)
        readPastEnd();
    ZrdLayout layout;
    layout.PresetName = payload.left(64);
    layout.PresetSource = ZrdReadInt32(payload, 64);
    layout.PaperWidth = ZrdReadFloat(payload, 68);
    layout.PaperHeight = ZrdReadFloat(payload, 72);
    layout.Grid() = readCardGrid(payload, 76);
    return layout;
}

QByteArray SerializeZrdLayout(const ZrdLayout &layout)
{
    QByteArray out = layout.PresetName.left(64);
    out.append(QByteArray(64 - out.size(), '\0'));
    AppendInt32(out, layout.PresetSource);
    AppendFloat(out, layout.PaperWidth);
    AppendFloat(out, layout.PaperHeight);
    appendCardGrid(out, layout);
    return out;
}

ZrdLegacyLayout ParseZrdLegacyLayout(const QByteArray &payload)
{
    if (payload.size() < kLegacyLayoutSize)
        readPastEnd();
    ZrdLegacyLayout layout;
    layout.PresetIndex = ZrdReadInt32(payload, 0);
    layout.Grid() = readCardGrid(payload, 4);
    return layout;
}

QByteArray SerializeZrdLegacyLayout(const ZrdLegacyLayout &layout)
{
    QByteArray out;
    AppendInt32(out, layout.PresetIndex);
    appendCardGrid(out, layout);
    return out;
}
