// Card documents: save and load whole, the older records, damaged files, and the command line.
#include "app/unit3.h"
#include "common/picture_samples.h"
#include "common/scripted_modal.h"
#include "controls/LabelEx.h"
#include "controls/colordialog.h"
#include "controls/gridshape.h"
#include "controls/image.h"
#include "controls/qvshape.h"
#include "document/streamable.h"
#include "document/zrd_format.h"
#include "platform/application.h"
#include "platform/cp932.h"
#include "platform/errors.h"
#include "platform/strings.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>
#include <iconv.h>

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TImage *picture(TForm3 &form, const char *className, const QByteArray &data, int left, int tag = 0)
{
    auto *image = new TImage(form.DrawPanel);
    QByteArray stored;
    stored.append(char(qstrlen(className))).append(className).append(data);
    image->Picture().ReadData(stored);
    image->SetStretch(true);
    image->SetAutoSize(false);
    image->SetBounds(left, 100, 60, 40);
    image->SetTag(tag);
    form.AttachCardObject(image);
    return image;
}

QByteArray lengthPrefixed(const QByteArray &bytes)
{
    return ZrdInt32(qint32(bytes.size())) + bytes;
}

QImage twoColours()
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    QPainter(&image).fillRect(20, 0, 20, 20, Qt::darkBlue);
    return image;
}

// A card with every kind of object, a background, a changed grid and custom colours.
void composeEverything(TForm3 &form)
{
    form.RebuildWorkSheet(form.WorkSheetWidthPx, form.WorkSheetHeightPx);
    form.BackgroundPicture->Picture().ReadData(QByteArray("\x0aTJPEGImage") +
                                               lengthPrefixed(EncodedImage(twoColours(), "JPG")));
    form.GridOverlay->SetGridWidth(15);
    form.GridOverlay->Pen().SetColor(0x808080);
    form.ColorDialog->CustomColors = {QStringLiteral("ColorA=123456"), QStringLiteral("ColorB=FFFFFF")};
    form.ColorDialog->Color = 0x00FF00;

    const TQVShapeType kinds[] = {qvstRectangle, qvstEllipse, qvstLinea, qvstCircle};
    for (int i = 0; i < 4; ++i) {
        auto *shape = new TQVShape(form.DrawPanel);
        shape->SetShape(kinds[i]);
        shape->SetLeft(10 + 30 * i);
        shape->SetTop(i * 7);
        shape->SetWidth(25);
        shape->SetHeight(15);
        shape->Pen().SetWidth(i);
        shape->Pen().SetStyle(i == 2 ? psDot : psSolid);
        shape->Brush().SetStyle(i == 0 ? bsSolid : bsClear);
        shape->Brush().SetColor(0x0000FF);
        form.AttachCardObject(shape);
    }
    const QString captions[] = {QStringLiteral("ヴェルモラ 名刺"), QStringLiteral("一行目\r\n二行目"),
                                QStringLiteral("Ann & Bob")};
    for (int i = 0; i < 3; ++i) {
        auto *label = new TLabelEx(form.DrawPanel);
        label->SetAutoSize(false);
        label->SetTransparent(true);
        label->SetCaption(captions[i]);
        label->Font().SetName(QStringLiteral("ＭＳ Ｐ明朝"));
        label->Font().SetSize(9 + i * 3);
        label->Font().SetStyle(i == 1 ? fsBold | fsItalic : 0);
        label->SetGap(i);
        label->SetBounds(20, 150 + 25 * i, 120, 20);
        form.AttachCardObject(label);
    }
    picture(form, "TBitmap", lengthPrefixed(EncodedImage(twoColours(), "BMP")), 200);
    picture(form, "TIcon", EncodedImage(twoColours().scaled(16, 16), "ICO"), 260);
    picture(form, "TMetafile", ZrdInt32(qint32(SampleEmf().size() + 4)) + SampleEmf(), 320, 1);
    picture(form, "TJPEGImage", lengthPrefixed(EncodedImage(twoColours(), "JPG")), 380);
}

class Documents : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path(const char *name) { return dir.filePath(QString::fromUtf8(name)); }
};

TEST_F(Documents, SaveLoadSaveIsByteIdentical)
{
    QByteArray first;
    {
        TForm3 form;
        composeEverything(form);
        form.Modified = true;
        form.PageLayout.Tonbo = false;
        form.PageLayout.Overhang = 2;
        form.PageLayout.MeasureUnit = 3;
        ASSERT_EQ(form.SaveDocument(path("card.zrd")), 0);
        EXPECT_FALSE(form.Modified);
        first = readFile(path("card.zrd"));
    }
    TForm3 again;
    ASSERT_EQ(again.LoadDocument(path("card.zrd")), 0);
    EXPECT_EQ(again.ObjectList.size(), 11);
    EXPECT_FALSE(again.PageLayout.Tonbo);
    EXPECT_EQ(again.PageLayout.Overhang, 2);
    EXPECT_EQ(again.GridOverlay->GridWidth(), 15);
    EXPECT_EQ(again.ColorDialog->CustomColors.size(), 2);
    EXPECT_EQ(again.LoadedFileVersion, QByteArray("2.0j\0\0\0\0", 8));
    auto *label = dynamic_cast<TLabelEx *>(again.ObjectList[5]);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Caption(), QStringLiteral("一行目\r\n二行目"));
    EXPECT_EQ(dynamic_cast<TImage *>(again.ObjectList[9])->Tag(), 1);
    // The stacking order is the file's order: the first object lowest, right above the grid.
    const QObjectList children = again.DrawPanel->children();
    EXPECT_EQ(children[0], again.BackgroundPicture);
    EXPECT_EQ(children[1], again.GridOverlay);
    EXPECT_EQ(children[2], again.ObjectList[0]);
    ASSERT_EQ(again.SaveDocument(path("again.zrd")), 0);
    EXPECT_EQ(readFile(path("again.zrd")), first);
}

// The double-byte codes glibc's CP932 table defines, asked of iconv itself.
QByteArray everyDefinedDoubleByteCode(int *count)
{
    QByteArray all;
    *count = 0;
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    for (int lead = 0x81; lead <= 0xFC; ++lead)
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            char in[2] = {char(lead), char(trail)}, out[8];
            char *inPtr = in, *outPtr = out;
            size_t inLeft = 2, outLeft = sizeof out;
            if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != size_t(-1) && inLeft == 0 &&
                outLeft == sizeof out - 2) {
                all.append(in, 2);
                ++*count;
            }
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    iconv_close(cd);
    return all;
}

TEST_F(Documents, ShiftJisTextsComeBackByteForByte)
{
    int defined = 0;
    const QByteArray codes = everyDefinedDoubleByteCode(&defined);
    EXPECT_EQ(defined, 9604); // JIS X 0208, the NEC and IBM extensions and the user-defined area
    // Bytes the code page leaves undefined: lead bytes without a table, lead bytes with a trail byte
    // outside it, lone single bytes, and a lead byte that ends the text.
    const QByteArray undefined("\x85\x40\x86\x9F\xEB\x40\xEC\xFC\xEF\x80 \x81\x7F\x81\x20\x9F\xFD"
                               "\x80\xA0\xFD\xFE\xFF\x82");
    {
        TForm3 form;
        form.RebuildWorkSheet(455, 275);
        for (const QByteArray &bytes : {codes, undefined}) {
            auto *label = new TLabelEx(form.DrawPanel);
            label->SetCaption(Cp932Decode(bytes));
            label->SetAutoSize(false);
            label->SetBounds(10, 10, 400, 30);
            form.AttachCardObject(label);
        }
        ASSERT_EQ(form.SaveDocument(path("texts.zrd")), 0);
    }
    const QByteArray first = readFile(path("texts.zrd"));
    EXPECT_TRUE(first.contains(codes));
    EXPECT_TRUE(first.contains(undefined));
    TForm3 again;
    ASSERT_EQ(again.LoadDocument(path("texts.zrd")), 0);
    ASSERT_EQ(again.SaveDocument(path("again.zrd")), 0);
    EXPECT_EQ(readFile(path("again.zrd")), first);
}

TEST_F(Documents, AnEmptyCardIsTheFixedRecordsOnly)
{
    TForm3 form;
    form.RebuildWorkSheet(455, 275);
    ASSERT_EQ(form.SaveDocument(path("empty.zrd")), 0);
    ZrdDocument doc;
    ASSERT_EQ(ParseZrd(readFile(path("empty.zrd")), doc), ZrdParse::Ok);
    std::vector<qint32> tags;
    for (const ZrdRecord &r : doc.records)
        tags.push_back(r.tag);
    EXPECT_EQ(tags, (std::vector<qint32>{14, 15, 16, 12, 11, 7, 8, 5}));
    EXPECT_EQ(doc.header.WorkSheetWidthPx, 455);
    TForm3 again;
    ASSERT_EQ(again.LoadDocument(path("empty.zrd")), 0);
    EXPECT_TRUE(again.ObjectList.isEmpty());
    EXPECT_EQ(again.DrawPanel->size(), QSize(455, 275));
}

// A file built record by record, as older versions of the program wrote them.
QByteArray handMade(std::initializer_list<std::pair<qint32, QByteArray>> records, qint32 wpx = 455,
                    qint32 hpx = 275, float wmm = 91, float hmm = 55)
{
    ZrdDocument doc;
    doc.header = {{{wmm, hmm}, wpx, hpx}};
    for (const auto &[tag, payload] : records)
        doc.records.push_back({tag, payload});
    return SerializeZrd(doc);
}

QByteArray labelStream()
{
    TLabelEx label;
    label.SetCaption(QStringLiteral("旧形式"));
    label.SetAutoSize(false);
    return WriteComponent(label);
}

TEST_F(Documents, OlderRecordsLoadAndAreWrittenInTheCurrentForm)
{
    ZrdLegacyLayout legacy{{3, 4, 10, 12, 1, 2}, 3}; // the grid, then the preset index
    writeFile(path("old.zrd"), handMade({{9, SerializeZrdLegacyLayout(legacy)},
                                         {10, QByteArray("\1")},
                                         {13, QByteArray("abcd")},
                                         {3, labelStream()}},
                                        300, 200, 90, 50));
    TForm3 form;
    ASSERT_EQ(form.LoadDocument(path("old.zrd")), 0);
    EXPECT_TRUE(form.LegacyLayoutLoaded);
    EXPECT_FLOAT_EQ(form.PageLayout.PaperWidth, 210.0f);
    EXPECT_FLOAT_EQ(form.PageLayout.PaperHeight, 297.0f);
    EXPECT_EQ(form.PageLayout.PresetSource, 0);
    EXPECT_EQ(form.PageLayout.PresetIndex, 3);
    EXPECT_EQ(form.PageLayout.Retu, 3);
    EXPECT_EQ(form.PageLayout.Overhang, -2);
    // The header's pixel size decides the worksheet; both sizes are kept as they were.
    EXPECT_EQ(form.DrawPanel->size(), QSize(300, 200));
    EXPECT_FLOAT_EQ(form.WorkSheetWidthMM, 90.0f);
    ASSERT_EQ(form.ObjectList.size(), 1);
    EXPECT_EQ(dynamic_cast<TLabelEx *>(form.ObjectList[0])->Caption(), QStringLiteral("旧形式"));

    ASSERT_EQ(form.SaveDocument(path("new.zrd")), 0);
    EXPECT_FALSE(form.LegacyLayoutLoaded);
    ZrdDocument doc;
    ASSERT_EQ(ParseZrd(readFile(path("new.zrd")), doc), ZrdParse::Ok);
    std::vector<qint32> tags;
    for (const ZrdRecord &r : doc.records)
        tags.push_back(r.tag);
    EXPECT_EQ(tags, (std::vector<qint32>{14, 15, 16, 12, 11, 7, 8, 17, 5}));
}

TEST_F(Documents, LaterRecordsOverrideEarlierOnes)
{
    writeFile(path("a.zrd"), handMade({{10, QByteArray("\1")}, {12, ZrdInt32(3)}}));
    TForm3 form;
    ASSERT_EQ(form.LoadDocument(path("a.zrd")), 0);
    EXPECT_EQ(form.PageLayout.Overhang, 3);
    writeFile(path("b.zrd"), handMade({{10, QByteArray("\0", 1)}}));
    ASSERT_EQ(form.LoadDocument(path("b.zrd")), 0);
    EXPECT_EQ(form.PageLayout.Overhang, 0);
    ZrdLayout layout;
    layout.PaperWidth = 215.9f;
    writeFile(path("c.zrd"), handMade({{9, SerializeZrdLegacyLayout({})}, {15, SerializeZrdLayout(layout)}}));
    ASSERT_EQ(form.LoadDocument(path("c.zrd")), 0);
    EXPECT_FALSE(form.LegacyLayoutLoaded);
    EXPECT_FLOAT_EQ(form.PageLayout.PaperWidth, 215.9f);
}

TEST_F(Documents, ShortFilesGiveTheBadFileMessageAndChangeNothing)
{
    ScopedScriptedModal modal;
    TForm3 form;
    composeEverything(form);
    QWidget *panel = form.DrawPanel;
    for (int size = 16; size <= 19; ++size) {
        writeFile(path("short.zrd"), handMade({}).leftJustified(size, '\0'));
        modal->answerMessage(IDOK);
        EXPECT_EQ(form.LoadDocument(path("short.zrd")), -1);
    }
    EXPECT_EQ(modal->messagesShown(), std::vector<QString>(4, LoadStr(Str::InvalidFile)));
    EXPECT_EQ(modal->asked[0].caption, QStringLiteral("ヴェルモラ Message"));
    EXPECT_EQ(form.DrawPanel, panel);
    EXPECT_EQ(form.ObjectList.size(), 11);
}

TEST_F(Documents, DamagedRecordsAreReportedAndLeaveTheWorksheetAsItWas)
{
    ScopedScriptedModal modal;
    Application().Title = LoadStr(Str::AppTitle);
    TForm3 form;
    composeEverything(form);
    QWidget *panel = form.DrawPanel;

    // Twenty bytes with tag 11 pass the size test but lack the payload: a read error, not message 1002.
    writeFile(path("cut.zrd"), handMade({}) + ZrdInt32(11));
    modal->answerMessage(IDOK);
    EXPECT_EQ(form.LoadDocument(path("cut.zrd")), -1);
    // An unknown tag after good records.
    writeFile(path("tag.zrd"), handMade({{3, labelStream()}, {6, QByteArray(4, '\0')}}));
    modal->answerMessage(IDOK);
    EXPECT_EQ(form.LoadDocument(path("tag.zrd")), -1);
    // A component stream naming a property the class does not have.
    QByteArray stream = labelStream();
    stream.replace(QByteArray("\x07"
                              "Caption"),
                   QByteArray("\x07"
                              "Captiox"));
    writeFile(path("prop.zrd"), handMade({{17, stream}}));
    modal->answerMessage(IDOK);
    EXPECT_EQ(form.LoadDocument(path("prop.zrd")), -1);
    // A missing file.
    modal->answerMessage(IDOK);
    EXPECT_EQ(form.LoadDocument(path("missing.zrd")), -1);

    const std::vector<QString> shown = modal->messagesShown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_NE(shown[0], LoadStr(Str::InvalidFile));
    EXPECT_EQ(modal->asked[0].caption, QStringLiteral("ヴェルモラ"));
    EXPECT_EQ(shown[1], LoadStr(Str::InvalidFile));
    EXPECT_TRUE(shown[2].contains(QStringLiteral("Captiox"))) << shown[2].toStdString();
    EXPECT_EQ(form.DrawPanel, panel);
    EXPECT_EQ(form.ObjectList.size(), 11);
}

TEST_F(Documents, AFailedSaveKeepsThePreviousFileAndTheModifiedFlag)
{
    TForm3 form;
    composeEverything(form);
    ASSERT_EQ(form.SaveDocument(path("card.zrd")), 0);
    const QByteArray before = readFile(path("card.zrd"));
    form.Modified = true;
    // A folder in the way of the target makes the rename fail.
    ASSERT_TRUE(QDir().mkpath(path("taken.zrd")));
    EXPECT_THROW(form.SaveDocument(path("taken.zrd")), EFileError);
    EXPECT_TRUE(form.Modified);
    EXPECT_EQ(readFile(path("card.zrd")), before);
}

TEST_F(Documents, CommandLineOpensADocumentInAnyLetterCase)
{
    const QString name = path("Card.ZRD");
    {
        TForm3 form;
        form.RebuildWorkSheet(455, 275);
        ASSERT_EQ(form.SaveDocument(name), 0);
    }
    TForm3 form({name});
    EXPECT_EQ(form.OpenFromCommandLine(), 0);
    EXPECT_TRUE(form.DocumentOpen);
    EXPECT_EQ(form.CurrentFileName, name);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("ヴェルモラ  ") + name);
    EXPECT_TRUE(form.FileSaveButton->isEnabled());

    TForm3 two({name, name});
    EXPECT_EQ(two.OpenFromCommandLine(), 1);
    TForm3 missing({path("none.zrd")});
    EXPECT_EQ(missing.OpenFromCommandLine(), 1);
    EXPECT_EQ(missing.DrawPanel, nullptr);
}

TEST_F(Documents, ABadCommandLineStartsAsNoArgumentDoes)
{
    writeFile(path("notes.txt"), "not a card");
    writeFile(path("card.zrd"), QByteArray());
    // What the start-up step does and asks with no argument, as texts to compare.
    const auto start = [](const QStringList &arguments) {
        ScopedScriptedModal modal;
        modal->answerDialog([](QDialog &) { return int(QDialog::Rejected); }); // the wizard, cancelled
        TForm3 form(arguments);
        form.show();
        QCoreApplication::processEvents(); // the first activation's start-up step
        QStringList seen{form.windowTitle(), QString::number(form.DrawPanel != nullptr),
                         QString::number(form.DocumentOpen), QString::number(form.StartupPending)};
        for (const auto &question : modal->asked)
            seen << question.kind << question.text;
        return seen;
    };
    const QStringList none = start({});
    EXPECT_EQ(none.mid(0, 4), (QStringList{QStringLiteral("ヴェルモラ"), "0", "0", "0"}));
    for (const QStringList &bad :
         {QStringList{path("card.zrd"), path("card.zrd")}, QStringList{path("notes.txt")},
          QStringList{path("none.zrd")}, QStringList{QStringLiteral("--size=3")}})
        EXPECT_EQ(start(bad), none) << bad.join(u' ').toStdString();
}

TEST_F(Documents, ACommandLineDocumentThatCannotBeReadLeavesNoWorksheet)
{
    ScopedScriptedModal modal;
    writeFile(path("bad.zrd"), QByteArray(18, '\0'));
    TForm3 form({path("bad.zrd")});
    modal->answerMessage(IDOK);
    EXPECT_EQ(form.OpenFromCommandLine(), 1);
    EXPECT_EQ(form.DrawPanel, nullptr);
    EXPECT_FALSE(form.DocumentOpen);
    EXPECT_FALSE(form.Modified);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("ヴェルモラ"));
}

} // namespace

namespace {

TEST_F(Documents, APictureOfAnUnknownClassOpensEmptyWithEverythingElse)
{
    {
        TForm3 form;
        form.RebuildWorkSheet(455, 275);
        picture(form, "TBitmap", lengthPrefixed(EncodedImage(twoColours(), "BMP")), 10);
        auto *label = new TLabelEx(form.DrawPanel);
        label->SetCaption(QStringLiteral("名刺"));
        form.AttachCardObject(label);
        ASSERT_EQ(form.SaveDocument(path("card.zrd")), 0);
    }
    // The same document from a program with a picture format this one does not know.
    QByteArray bytes = readFile(path("card.zrd"));
    const qsizetype at = bytes.indexOf("\x07TBitmap");
    ASSERT_GE(at, 0);
    bytes.replace(at, 8, "\x07TPngImg");
    writeFile(path("other.zrd"), bytes);

    ScopedScriptedModal modal;
    TForm3 form;
    ASSERT_EQ(form.LoadDocument(path("other.zrd")), 0);
    EXPECT_TRUE(modal->asked.empty());
    ASSERT_EQ(form.ObjectList.size(), 2);
    auto *image = dynamic_cast<TImage *>(form.ObjectList[0]);
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->Picture().Empty());
    EXPECT_EQ(image->Left(), 10);
    EXPECT_EQ(dynamic_cast<TLabelEx *>(form.ObjectList[1])->Caption(), QStringLiteral("名刺"));
}

TEST_F(Documents, LoadedObjectsShowOnAShownWorksheet)
{
    {
        TForm3 form;
        composeEverything(form);
        form.SaveDocument(path("card.zrd"));
    }
    TForm3 form;
    form.StartupPending = false; // no wizard: the test opens the document itself
    form.show();
    ASSERT_EQ(form.LoadDocument(path("card.zrd")), 0);
    for (QObject *child : form.DrawPanel->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        EXPECT_TRUE(widget->isVisible() && !widget->isHidden());
        EXPECT_TRUE(widget->updatesEnabled());
    }

    // What the window shows, not a fresh rendering: the worksheet must have been repainted with the
    // loaded card, and must repaint when an object changes later.
    const auto shownWorksheet = [&form] {
        QCoreApplication::processEvents();
        const QPoint at = form.DrawPanel->mapToGlobal(QPoint());
        return form.screen()
            ->grabWindow(0, at.x(), at.y(), form.DrawPanel->width(), form.DrawPanel->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    const auto rendered = [&form] {
        return form.DrawPanel->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_EQ(shownWorksheet(), rendered());
    auto *label = dynamic_cast<TLabelEx *>(form.ObjectList.at(5));
    ASSERT_NE(label, nullptr);
    label->Font().SetColor(0x0000FF);
    label->SetCaption(QStringLiteral("変わった"));
    EXPECT_EQ(shownWorksheet(), rendered());
}

} // namespace

#include "editor/inplace_editor.h"

#include <QPlainTextEdit>
#include <QTest>

namespace {

TEST_F(Documents, TextBeingTypedIsSavedAsALabel)
{
    TForm3 form;
    form.resize(700, 500);
    form.StartupPending = false; // no wizard: the test starts the worksheet itself
    form.show();
    form.RebuildWorkSheet(455, 275);
    form.TextButtonClick();
    form.DrawPanelMouseDown(static_cast<TGraphicControl *>(form.DrawPanel), Qt::LeftButton, Qt::NoModifier,
                            40, 40);
    ASSERT_TRUE(form.TextEditOpen);
    QTest::keyClicks(form.InPlaceEditor, QStringLiteral("Ann"));
    ASSERT_EQ(form.SaveDocument(path("typed.zrd")), 0);
    EXPECT_FALSE(form.TextEditOpen);
    TForm3 again;
    ASSERT_EQ(again.LoadDocument(path("typed.zrd")), 0);
    ASSERT_EQ(again.ObjectList.size(), 1);
    EXPECT_EQ(dynamic_cast<TLabelEx *>(again.ObjectList[0])->Caption(), QStringLiteral("Ann"));
}

} // namespace

#include "jpeg/jpeg_image.h"

namespace {

TEST_F(Documents, LoadingDoesNotDecodeAPhotoBeforeItIsDrawn)
{
    {
        TForm3 form;
        composeEverything(form);
        form.SaveDocument(path("card.zrd"));
    }
    TForm3 form;
    ASSERT_EQ(form.LoadDocument(path("card.zrd")), 0);
    auto *jpeg = dynamic_cast<TJPEGImage *>(form.BackgroundPicture->Picture().Graphic());
    ASSERT_NE(jpeg, nullptr);
    EXPECT_EQ(jpeg->DecodeCount(), 0);
    QImage target(455, 275, QImage::Format_RGB32);
    QPainter painter(&target);
    form.DrawPanel->render(&painter);
    EXPECT_EQ(jpeg->DecodeCount(), 1);
}

} // namespace
