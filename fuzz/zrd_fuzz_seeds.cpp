// Writes a small seed corpus for zrd_fuzz: documents of the current and the older record sets.
#include "document/stream_writer.h"
#include "document/zrd_format.h"
#include "sample_streams.h"
#include "seed_files.h"

namespace {

QByteArray labelStream(const QByteArray &caption)
{
    ObjectRecord record;
    record.className = "TLabelEx";
    record.properties.push_back({"Left", StreamValue::Integer(12)});
    record.properties.push_back({"Caption", StreamValue::AnsiString(caption)});
    return SerializeComponentStream(record);
}

ZrdDocument currentDocument()
{
    ZrdDocument d;
    d.header = {{{91.0f, 55.0f}, 455, 275}};
    d.records.push_back({ZrdTag::Version, QByteArray("2.0j\0\0\0\0", 8)});
    ZrdLayout layout;
    layout.PresetName = QByteArray("A4 10\x96\xca 91\x81\x7e"
                                   "55",
                                   12) +
                        QByteArray(52, '\0');
    layout.PresetSource = 2;
    layout.PaperWidth = 210;
    layout.PaperHeight = 297;
    d.records.push_back({ZrdTag::Layout, SerializeZrdLayout(layout)});
    d.records.push_back({ZrdTag::MeasureUnit, ZrdInt32(1)});
    d.records.push_back({ZrdTag::Overhang, ZrdInt32(-2)});
    d.records.push_back({ZrdTag::Tonbo, QByteArray(1, '\1')});
    d.records.push_back({ZrdTag::Background, CardShapeStream()});
    d.records.push_back({ZrdTag::Grid, CardShapeStream()});
    d.records.push_back({ZrdTag::Shape, CardShapeStream()});
    d.records.push_back({ZrdTag::Label, labelStream(ShiftJisCaption())});
    d.records.push_back({ZrdTag::Picture, EveryValueTypeStream()});
    d.records.push_back({ZrdTag::ColorDialog, labelStream("")});
    return d;
}

ZrdDocument olderDocument()
{
    ZrdDocument d;
    d.header = {{{89.0f, 51.0f}, 445, 255}};
    ZrdLegacyLayout layout;
    layout.PresetIndex = 3;
    d.records.push_back({ZrdTag::LegacyLayout, SerializeZrdLegacyLayout(layout)});
    d.records.push_back({ZrdTag::LegacyOverhang, QByteArray(1, '\0')});
    d.records.push_back({ZrdTag::Obsolete, ZrdInt32(0)});
    d.records.push_back({ZrdTag::LabelOld, labelStream("Velmora")});
    d.records.push_back({ZrdTag::Shape, EveryValueTypeStream()});
    return d;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    ZrdDocument cropMarksOnly;
    cropMarksOnly.records.push_back({ZrdTag::Tonbo, QByteArray(1, '\0')});
    return WriteSeedFiles(argv[0], argv[1],
                          {
                              {"current.zrd", SerializeZrd(currentDocument())},
                              {"older.zrd", SerializeZrd(olderDocument())},
                              {"crop_marks_only.zrd", SerializeZrd(cropMarksOnly)},
                          });
}
