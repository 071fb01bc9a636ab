// TForm3: SaveDocument and LoadDocument: the card document built in memory and written in one piece,
// and read whole, parsed and checked before the worksheet is replaced.
#include "app/layout_record.h"
#include "app/unit3.h"

#include "controls/card_classes.h"
#include "controls/colordialog.h"
#include "controls/gridshape.h"
#include "controls/image.h"
#include "document/stream_writer.h"
#include "document/streamable.h"
#include "document/zrd_format.h"
#include "platform/application.h"
#include "platform/config_paths.h"
#include "platform/errors.h"
#include "platform/strings.h"

#include <QCoreApplication>
#include <QFile>
#include <memory>
#include <vector>

namespace {

void showBadFile()
{
    Application().MessageBox(LoadStr(Str::InvalidFile), LoadStr(Str::MessageCaption), MB_OK);
}

} // namespace

// Everything a document's records set, read into objects that are not on any worksheet yet.
struct TForm3::LoadedDocument
{
    ZrdHeader header;
    ::PageLayout layout;
    bool legacyLayoutLoaded;
    QByteArray version;
    QWidget staging; // parent of the objects until the worksheet adopts them
    std::unique_ptr<TImage> background;
    std::unique_ptr<TGridShape> grid;
    std::unique_ptr<TColorDialog> colorDialog;
    std::vector<TGraphicControl *> objects; // owned by `staging`
};

ZrdDocument TForm3::documentRecords(const ZrdDocument *reuse) const
{
    ZrdDocument document;
    document.header.Card() = Card();
    auto add = [&](std::int32_t tag, const QByteArray &payload) {
        document.records.push_back({tag, payload});
    };
    // The file's component streams in file order; the card's are compared with them in the same order.
    std::vector<const ZrdRecord *> streams;
    if (reuse)
        for (const ZrdRecord &record : reuse->records)
            if (record.stream)
                streams.push_back(&record);
    std::size_t next = 0;
    auto addComponent = [&](std::int32_t tag, const Streamable &component) {
        const ObjectRecord record = ComponentRecord(component);
        const ZrdRecord *match = next < streams.size() ? streams[next++] : nullptr;
        // A record that reads back to the same tree is the bytes it was read from: a stream writes back
        // byte for byte.
        if (match && *match->stream == record)
            add(tag, match->payload);
        else
            add(tag, SerializeComponentStream(record));
    };
    add(ZrdTag::Version, ProgramVersion.left(8).leftJustified(8, '\0'));
    add(ZrdTag::Layout, SerializeZrdLayout(ToZrdLayout(PageLayout)));
    add(ZrdTag::MeasureUnit, ZrdInt32(PageLayout.MeasureUnit));
    add(ZrdTag::Overhang, ZrdInt32(PageLayout.Overhang));
    add(ZrdTag::Tonbo, QByteArray(1, PageLayout.Tonbo ? '\1' : '\0'));
    addComponent(ZrdTag::Background, *BackgroundPicture);
    addComponent(ZrdTag::Grid, *GridOverlay);
    for (QWidget *object : ObjectList)
        if (const CardClass *c = CardClassOf(object))
            addComponent(c->documentTag, AsStreamable(*object));
    addComponent(ZrdTag::ColorDialog, *ColorDialog);
    return document;
}

int TForm3::SaveDocument(const QString &path)
{
    // Text still being typed becomes a label first, so it is saved too.
    if (TextEditOpen)
        CommitTextEdit();
    QString error;
    if (!WriteFileAtomically(path, SerializeZrd(documentRecords()), &error))
        throw EFileError(error); // it names the file and why
    Modified = false;
    LegacyLayoutLoaded = false;
    FlushUndoStep();
    history_.MarkSaved();
    UpdateUndoCommands();
    return 0;
}

int TForm3::LoadDocument(const QString &path)
{
    LoadedFileVersion.clear();
    ZrdDocument document;
    try {
        const std::optional<QByteArray> file = ReadZrdFile(path);
        if (!file || ParseZrd(*file, document) != ZrdParse::Ok || !ZrdHeaderPlausible(document.header)) {
            showBadFile();
            return -1;
        }
        loadRecords(document);
    } catch (const std::exception &error) {
        Application().ShowException(error);
        return -1;
    }
    Modified = false;
    startHistory(&document);
    return 0;
}

void TForm3::loadRecords(const ZrdDocument &document)
{
    // Every new control posts a polish request. They are delivered as soon as they are posted, so the
    // queue stays short: each control destroyed with the old worksheet searches the whole queue, and
    // in a batch run no event loop empties it.
    auto loaded = readRecords(document);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
    adoptDocument(*loaded);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
}

std::unique_ptr<TForm3::LoadedDocument> TForm3::readRecords(const ZrdDocument &document)
{
    auto loaded = std::make_unique<LoadedDocument>();
    LoadedDocument &d = *loaded;
    d.header = document.header;
    d.layout = PageLayout;
    d.legacyLayoutLoaded = LegacyLayoutLoaded;
    const int w = document.header.WorkSheetWidthPx, h = document.header.WorkSheetHeightPx;
    // A hidden child of this window, not a window of its own: moving an object between windows walks
    // the old window's whole focus chain, which made loading quadratic in the number of objects.
    d.staging.setParent(this);
    d.staging.hide();
    d.staging.resize(w, h);
    d.background.reset(NewBackgroundPicture(&d.staging, w, h));
    d.grid.reset(NewGridOverlay(&d.staging, w, h));
    d.colorDialog = std::make_unique<TColorDialog>();

    for (const ZrdRecord &record : document.records) {
        switch (record.tag) {
        case ZrdTag::Shape:
        case ZrdTag::LabelOld:
        case ZrdTag::Label:
        case ZrdTag::Picture: {
            TGraphicControl *object = CardClassForTag(record.tag)->construct(&d.staging);
            d.objects.push_back(object);
            ReadZrdComponent(record, AsStreamable(*object));
            break;
        }
        case ZrdTag::ColorDialog:
            d.colorDialog = std::make_unique<TColorDialog>();
            ReadZrdComponent(record, *d.colorDialog);
            break;
        case ZrdTag::Background:
            ReadZrdComponent(record, *d.background);
            break;
        case ZrdTag::Grid:
            ReadZrdComponent(record, *d.grid);
            break;
        case ZrdTag::LegacyLayout:
            ApplyLegacyLayout(ParseZrdLegacyLayout(record.payload), d.layout);
            d.legacyLayoutLoaded = true;
            break;
        case ZrdTag::LegacyOverhang:
            d.layout.Overhang = record.payload.at(0) != 0 ? -2 : 0;
            break;
        case ZrdTag::Tonbo:
            d.layout.Tonbo = record.payload.at(0) != 0;
            break;
        case ZrdTag::Overhang:
            d.layout.Overhang = ZrdReadInt32(record.payload);
            break;
        case ZrdTag::Version:
            d.version = record.payload;
            break;
        case ZrdTag::Layout:
            ApplyZrdLayout(ParseZrdLayout(record.payload), d.layout);
            d.legacyLayoutLoaded = false;
            break;
        case ZrdTag::MeasureUnit:
            d.layout.MeasureUnit = ZrdReadInt32(record.payload);
            break;
        default: // 13: obsolete, skipped
            break;
        }
    }
    return loaded;
}

void TForm3::adoptDocument(LoadedDocument &d)
{
    Card() = d.header.Card();
    RebuildWorkSheet(WorkSheetWidthPx, WorkSheetHeightPx, d.background.release(), d.grid.release(),
                     d.objects);
    delete ColorDialog;
    ColorDialog = d.colorDialog.release();
    ColorDialog->setParent(this);
    PageLayout = d.layout;
    LegacyLayoutLoaded = d.legacyLayoutLoaded;
    LoadedFileVersion = d.version;
}
