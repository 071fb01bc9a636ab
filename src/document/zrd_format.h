// The .zrd card document: a 16-byte header and tagged records, parsed and serialized without widgets.
#pragma once

#include "document/object_record.h"
#include "document/sheet_values.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// Record tags.
namespace ZrdTag {
constexpr std::int32_t Shape = 2;
constexpr std::int32_t LabelOld = 3;
constexpr std::int32_t Picture = 4;
constexpr std::int32_t ColorDialog = 5;
constexpr std::int32_t Background = 7;
constexpr std::int32_t Grid = 8;
constexpr std::int32_t LegacyLayout = 9;
constexpr std::int32_t LegacyOverhang = 10;
constexpr std::int32_t Tonbo = 11;
constexpr std::int32_t Overhang = 12;
constexpr std::int32_t Obsolete = 13;
constexpr std::int32_t Version = 14;
constexpr std::int32_t Layout = 15;
constexpr std::int32_t MeasureUnit = 16;
constexpr std::int32_t Label = 17;
} // namespace ZrdTag

struct ZrdHeader : CardSize
{};

// Whether a header's pixel sizes can be a worksheet: 0 to MaxWorkSheetPx each; beyond that the header
// is taken as damage.
bool ZrdHeaderPlausible(const ZrdHeader &header);

class Streamable;

// One record: its tag and its payload bytes exactly as they stand in the file (sharing the file's
// buffer when parsed from one).
struct ZrdRecord
{
    std::int32_t tag = 0;
    QByteArray payload;
    // A component stream as ParseZrd parsed it to find its end, so that it is not parsed again; null
    // for records built otherwise.
    std::shared_ptr<const ObjectRecord> stream = nullptr;
};

struct ZrdDocument
{
    ZrdHeader header;
    std::vector<ZrdRecord> records;
};

// The 100-byte sheet layout record.
struct ZrdLayout : PaperSize, CardGrid
{
    QByteArray PresetName = QByteArray(64, '\0'); // the whole zero-terminated field, kept byte for byte
    std::int32_t PresetSource = 0;
};

// The 28-byte layout record of older documents.
struct ZrdLegacyLayout : CardGrid
{
    std::int32_t PresetIndex = 0;
};

enum class ZrdParse { Ok, BadFile };

// Splits a file into header and records. A file shorter than the header and one tag, or a record with a
// tag the format does not have, is a bad file. A record that runs past the end of the file, or whose
// component stream cannot be read, throws EReadError.
ZrdParse ParseZrd(const QByteArray &file, ZrdDocument &document);
QByteArray SerializeZrd(const ZrdDocument &document);
// Reads a component-stream record into `component`, as ReadComponent reads its payload.
void ReadZrdComponent(const ZrdRecord &record, Streamable &component);

// The file at `path` for ParseZrd: a regular file of at most MaxDocumentFileBytes, its header and first
// tag read before the rest. Nothing when they already make it a bad file (a header ZrdHeaderPlausible
// refuses, a first tag the format does not have): the rest is then never read. A file shorter than
// the header and a tag is returned as it is. Throws EFileError (see FileReader).
std::optional<QByteArray> ReadZrdFile(const QString &path);

ZrdLayout ParseZrdLayout(const QByteArray &payload);
QByteArray SerializeZrdLayout(const ZrdLayout &layout);
ZrdLegacyLayout ParseZrdLegacyLayout(const QByteArray &payload);
QByteArray SerializeZrdLegacyLayout(const ZrdLegacyLayout &layout);

// Little-endian numbers of the records.
QByteArray ZrdInt32(std::int32_t value);
std::int32_t ZrdReadInt32(const QByteArray &payload, qsizetype offset = 0);
float ZrdReadFloat(const QByteArray &payload, qsizetype offset);
void AppendFloat(QByteArray &out, float value);
