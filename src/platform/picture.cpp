// The picture holder, the graphic class registry, bitmaps, icons and PNG pictures.
#include "platform/picture.h"

#include "platform/errors.h"
#include "platform/file_io.h"
#include "platform/strings.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <map>
#include <unordered_map>
#include <vector>

namespace {

struct FileFormat
{
    QString extension;
    QString description;
    QString className;
};

struct Registry
{
    std::map<QString, GraphicFactory> byClassName;
    std::vector<FileFormat> formats;
};

Registry &registry()
{
    static Registry r;
    return r;
}

// The size a BMP file's header claims, for Qt's reader does not say it; invalid when it is no BMP.
QSize bmpClaimedSize(const QByteArray &bytes)
{
    if (bytes.size() < 26 || !bytes.startsWith("BM"))
        return {};
    const char *p = bytes.constData();
    if (ReadInt32(p + 14) == 12) // the old core header: 16-bit sizes
        return {int(quint8(p[18]) | quint8(p[19]) << 8), int(quint8(p[20]) | quint8(p[21]) << 8)};
    const qint64 height = std::abs(qint64(ReadInt32(p + 22))); // negative: stored top-down
    return {ReadInt32(p + 18), int(std::min<qint64>(height, INT_MAX))};
}

// A decoded picture file, shared by every graphic holding the same file: an undo step and a pasted copy
// read the card's pictures again while the card still holds them, and without sharing a picture of more
// than half the budget would be refused the second time (and its pixels held twice).
struct SharedDecode
{
    QByteArray key;
    QImage image;
    PixelChargeHandle charge;
    ~SharedDecode();
};

// By the format and a digest of the file, so a file read again from a new buffer is found too. Never
// destroyed: graphics held by static objects may go after it at exit.
std::unordered_map<QByteArray, std::weak_ptr<const SharedDecode>> &sharedDecodes()
{
    static auto *decodes = new std::unordered_map<QByteArray, std::weak_ptr<const SharedDecode>>;
    return *decodes;
}

SharedDecode::~SharedDecode()
{
    sharedDecodes().erase(key);
}

// The picture in `bytes` in the pixel format `want` (as decoded when invalid), its pixels charged to
// the document's budget (refused with EInvalidGraphic when they do not fit); a null image when the
// bytes are not one. `charge` holds the shared decode.
QImage decodeImage(const QByteArray &bytes, const char *format, PixelChargeHandle &charge,
                   QImage::Format want = QImage::Format_Invalid)
{
    const QByteArray key =
        QByteArray(format) + ':' + QCryptographicHash::hash(bytes, QCryptographicHash::Blake2b_256);
    auto &decodes = sharedDecodes();
    if (const auto found = decodes.find(key); found != decodes.end())
        if (const auto held = found->second.lock()) {
            charge = PixelChargeHandle(held, held->charge.get());
            return held->image;
        }

    const auto tooLarge = [](QSize size) {
        return EInvalidGraphic(LoadStr(Str::PictureTooLarge).arg(size.width()).arg(size.height()));
    };
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // A damaged header must not make us allocate gigabytes: the size it claims is looked at first,
    // and the decoder may not allocate more than is left (in MB; 0 would mean no limit).
    const QSize claimed =
        reader.size().isValid() || qstrcmp(format, "bmp") != 0 ? reader.size() : bmpClaimedSize(bytes);
    if (claimed.isValid() && PixelBytes(claimed.width(), claimed.height()) > PixelBudgetLeft())
        throw tooLarge(claimed);
    reader.setAllocationLimit(int(std::max<qint64>(1, PixelBudgetLeft() >> 20)));
    QImage image = reader.read();
    if (image.isNull())
        return image;
    if (want != QImage::Format_Invalid)
        image.convertTo(want);
    PixelChargeHandle own = ChargePixelBudget(image.sizeInBytes());
    if (!own)
        throw tooLarge(image.size());
    const auto held = std::make_shared<SharedDecode>();
    held->key = key;
    held->image = image;
    held->charge = std::move(own);
    decodes[key] = held;
    charge = PixelChargeHandle(held, held->charge.get());
    return image;
}

// The file inside a graphic's stored data: a 4-byte length, then the file (empty for an empty picture).
QByteArray storedFile(const QByteArray &data, int invalid)
{
    const std::optional<QByteArray> bytes = ReadLengthPrefixed(data);
    if (!bytes)
        throw EReadError(LoadStr(invalid));
    return *bytes;
}

} // namespace

void RegisterGraphicClass(const QString &className, GraphicFactory factory, const QStringList &extensions,
                          const QString &description)
{
    Registry &r = registry();
    r.byClassName[className] = std::move(factory);
    for (const QString &ext : extensions) {
        const QString lower = ext.toLower();
        bool known = false;
        for (FileFormat &f : r.formats)
            if (f.extension == lower) {
                f = {lower, description, className};
                known = true;
            }
        if (!known)
            r.formats.push_back({lower, description, className});
    }
}

std::unique_ptr<TGraphic> CreateGraphicByClassName(const QString &className)
{
    const Registry &r = registry();
    auto it = r.byClassName.find(className);
    return it == r.byClassName.end() ? nullptr : it->second();
}

std::unique_ptr<TGraphic> CreateGraphicForExtension(const QString &extension)
{
    const QString lower = extension.toLower();
    for (const FileFormat &f : registry().formats)
        if (f.extension == lower)
            return CreateGraphicByClassName(f.className);
    return nullptr;
}

QString GraphicFileFilter()
{
    QStringList all, entries;
    for (const FileFormat &f : registry().formats) {
        all << QStringLiteral("*.") + f.extension;
        entries << QStringLiteral("%1 (*.%2)|*.%2").arg(f.description, f.extension);
    }
    const QString joined = all.join(u';');
    return QStringLiteral("すべて (%1)|%1|").arg(joined) + entries.join(u'|');
}

QByteArray TGraphic::WriteData() const
{
    const QByteArray head = DataHead();
    const QByteArray file = FileBytes();
    QByteArray out;
    out.reserve(head.size() + file.size());
    out.append(head);
    out.append(file);
    return out;
}

// ---- TPicture

void TPicture::changed()
{
    if (OnChange)
        OnChange();
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic)
{
    setGraphic(std::move(graphic), {});
}

void TPicture::setGraphic(std::unique_ptr<TGraphic> graphic, const QByteArray &data)
{
    graphic_ = std::move(graphic);
    data_ = data;
    changed();
}

bool TPicture::dataCurrent() const
{
    if (!graphic_ || data_.isEmpty())
        return false;
    // A graphic changed since (a bitmap resized) holds other bytes than the end of the stored form.
    const QByteArray file = graphic_->FileBytes();
    return !file.isEmpty() && file.size() < data_.size() &&
           file.constData() == data_.constData() + data_.size() - file.size();
}

void TPicture::LoadFromFile(const QString &path)
{
    const QString extension = QFileInfo(path).suffix();
    std::unique_ptr<TGraphic> graphic = CreateGraphicForExtension(extension);
    if (!graphic)
        throw EInvalidGraphic(LoadStr(Str::UnknownPictureExtension).arg(extension));
    graphic->LoadFromBytes(ReadWholeFile(path, MaxPictureFileBytes));
    SetGraphic(std::move(graphic));
}

void TPicture::Assign(const TPicture &other)
{
    // The clone shares the other's bytes, so the other's stored form is this one's as well.
    setGraphic(other.graphic_ ? other.graphic_->Clone() : nullptr,
               other.dataCurrent() ? other.data_ : QByteArray());
}

void TPicture::ReadData(const QByteArray &data)
{
    if (data.isEmpty())
        throw EReadError(LoadStr(Str::InvalidPictureData));
    const int nameLength = static_cast<unsigned char>(data[0]);
    if (1 + nameLength > data.size())
        throw EReadError(LoadStr(Str::InvalidPictureData));
    const QString className = QString::fromLatin1(data.constData() + 1, nameLength);
    std::unique_ptr<TGraphic> graphic = CreateGraphicByClassName(className);
    // A picture format this program does not know reads as an empty picture, so the rest of the
    // document still opens; its bytes are not kept.
    if (!graphic) {
        SetGraphic(nullptr);
        return;
    }
    const qsizetype headAt = 1 + nameLength;
    graphic->ReadData(SharedBytes(data, headAt, data.size() - headAt));
    // Kept when it is exactly what writing would give (the graphic's file at its end, after the head
    // the graphic writes), so that it can be written back without a copy.
    const QByteArray file = graphic->FileBytes();
    const qsizetype fileAt = data.size() - file.size();
    const bool canonical = !file.isEmpty() && fileAt >= headAt &&
                           file.constData() == data.constData() + fileAt &&
                           QByteArrayView(data).sliced(headAt, fileAt - headAt) == graphic->DataHead();
    setGraphic(std::move(graphic), canonical ? data : QByteArray());
}

QByteArray TPicture::WriteData() const
{
    if (!graphic_)
        return {};
    if (dataCurrent())
        return data_;
    const QByteArray name = graphic_->ClassName().toLatin1();
    const QByteArray head = graphic_->DataHead();
    const QByteArray file = graphic_->FileBytes();
    QByteArray out;
    out.reserve(1 + name.size() + head.size() + file.size());
    out.append(char(name.size()));
    out.append(name);
    out.append(head);
    out.append(file);
    if (!file.isEmpty()) {
        // From now on the graphic's bytes are those of the stored form: the file is held once.
        data_ = out;
        graphic_->ShareFileBytes(SharedBytes(out, out.size() - file.size(), file.size()));
    }
    return out;
}

// ---- TBitmap

void TBitmap::SetSize(int width, int height)
{
    if (width == Width() && height == Height())
        return;
    PixelChargeHandle charge = ChargePixelBudget(PixelBytes(width, height));
    if (!charge)
        throw EInvalidGraphic(LoadStr(Str::PictureTooLarge).arg(width).arg(height));
    QImage resized(qMax(width, 0), qMax(height, 0), QImage::Format_RGB32);
    resized.fill(Qt::white);
    if (!image_.isNull()) {
        QPainter p(&resized);
        p.drawImage(0, 0, image_);
    }
    SetImage(resized);
    charge_ = std::move(charge);
}

void TBitmap::Draw(QPainter &painter, const QRect &target) const
{
    if (!image_.isNull())
        painter.drawImage(target, image_);
}

void TBitmap::LoadFromBytes(const QByteArray &fileBytes)
{
    PixelChargeHandle charge;
    QImage image = decodeImage(fileBytes, "bmp", charge);
    if (image.isNull())
        throw EInvalidGraphic(LoadStr(Str::InvalidBitmap));
    image_ = image;
    bytes_ = fileBytes;
    charge_ = std::move(charge);
}

void TBitmap::ReadData(const QByteArray &data)
{
    const QByteArray bytes = storedFile(data, Str::InvalidBitmap);
    if (bytes.isEmpty()) {
        image_ = QImage();
        bytes_.clear();
        charge_.reset();
        return;
    }
    LoadFromBytes(bytes);
}

void TBitmap::SetImage(const QImage &image)
{
    charge_.reset();
    image_ = image.convertToFormat(QImage::Format_RGB888);
    QBuffer buffer(&bytes_);
    bytes_.clear();
    buffer.open(QIODevice::WriteOnly);
    image_.save(&buffer, "BMP");
}

// ---- TIcon

void TIcon::SetSize(int, int)
{
    throw EInvalidGraphic(LoadStr(Str::IconNoResize));
}

void TIcon::Draw(QPainter &painter, const QRect &target) const
{
    if (!image_.isNull())
        painter.drawImage(target, image_);
}

void TIcon::LoadFromBytes(const QByteArray &fileBytes)
{
    PixelChargeHandle charge;
    QImage image = decodeImage(fileBytes, "ico", charge);
    if (image.isNull())
        throw EInvalidGraphic(LoadStr(Str::InvalidIcon));
    image_ = image;
    bytes_ = fileBytes;
    charge_ = std::move(charge);
}

// ---- TPngImage

void TPngImage::SetSize(int width, int height)
{
    if (width != Width() || height != Height())
        throw EInvalidGraphic(LoadStr(Str::PngNoResize));
}

void TPngImage::Draw(QPainter &painter, const QRect &target) const
{
    if (image_.isNull())
        return;
    painter.save();
    // Blended over what is below, so the card's colour shows through the transparent parts.
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image_);
    painter.restore();
}

void TPngImage::LoadFromBytes(const QByteArray &fileBytes)
{
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    PixelChargeHandle charge;
    QImage image = fileBytes.startsWith(signature)
                       ? decodeImage(fileBytes, "png", charge, QImage::Format_ARGB32_Premultiplied)
                       : QImage();
    if (image.isNull())
        throw EInvalidGraphic(LoadStr(Str::InvalidPng));
    image_ = image;
    bytes_ = fileBytes;
    charge_ = std::move(charge);
}

void TPngImage::ReadData(const QByteArray &data)
{
    const QByteArray bytes = storedFile(data, Str::InvalidPng);
    if (bytes.isEmpty()) {
        image_ = QImage();
        bytes_.clear();
        charge_.reset();
        return;
    }
    LoadFromBytes(bytes);
}
