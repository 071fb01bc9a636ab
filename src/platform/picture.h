// Pictures: graphic classes registered by file extension and by class name, and the picture holder.
#pragma once

#include "platform/bytes.h"
#include "platform/memory_budget.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QPainter;

// One kind of picture (bitmap, icon, JPEG, metafile).
class TGraphic
{
public:
    virtual ~TGraphic() = default;
    virtual QString ClassName() const = 0;
    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Changing the size may be refused with an exception (a JPEG picture refuses it).
    virtual void SetSize(int width, int height) = 0;
    // Draws the picture stretched into `target`.
    virtual void Draw(QPainter &painter, const QRect &target) const = 0;
    // Takes the bytes of a whole picture file; throws EInvalidGraphic when they are not one.
    virtual void LoadFromBytes(const QByteArray &fileBytes) = 0;
    // The graphic's own data inside a stored picture (after the class name), and back. The data is
    // DataHead() followed by the file's bytes; a graphic read from data shares its buffer.
    virtual void ReadData(const QByteArray &data) = 0;
    QByteArray WriteData() const;
    virtual QByteArray DataHead() const = 0;
    // The bytes to save as a file of the graphic's own format.
    virtual QByteArray FileBytes() const = 0;
    // Takes `sameBytes`, which hold what FileBytes() holds, in place of its own, so that the picture's
    // stored form and the graphic hold the file once.
    virtual void ShareFileBytes(const QByteArray &sameBytes) = 0;
    // The picture as an image (clipboard, previews).
    virtual QImage ToImage() const = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;
    // Why the last drawing showed the broken-picture placeholder instead; empty when it did not.
    virtual QString DrawError() const { return {}; }
};

using GraphicFactory = std::function<std::unique_ptr<TGraphic>()>;

// Makes a graphic class known by its class name (stored pictures) and, when `extensions` is not empty,
// by file extensions (picture files), with a description for the open dialogs.
void RegisterGraphicClass(const QString &className, GraphicFactory factory,
                          const QStringList &extensions = {}, const QString &description = {});
std::unique_ptr<TGraphic> CreateGraphicByClassName(const QString &className);
// Extension without the dot, in any letter case.
std::unique_ptr<TGraphic> CreateGraphicForExtension(const QString &extension);
// "description (*.a)|*.a|..." for every registered extension, the "all pictures" entry first.
QString GraphicFileFilter();

// Every graphic class is registered by RegisterGraphicClasses (controls/graphic_classes.h).

// Holds at most one graphic and tells its owner when it changes.
class TPicture
{
public:
    std::function<void()> OnChange;

    TPicture() = default;
    TPicture(const TPicture &) = delete;
    TPicture &operator=(const TPicture &) = delete;

    TGraphic *Graphic() const { return graphic_.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    bool Empty() const { return !graphic_ || graphic_->Empty(); }
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    // Loads a picture file, the class chosen by its extension. Throws on an unknown extension,
    // an unreadable file or bad data, and then leaves the picture as it was.
    void LoadFromFile(const QString &path);
    void Assign(const TPicture &other);
    void Clear() { SetGraphic(nullptr); }
    // Stored form: short string with the class name, then the graphic's data. Throws EReadError.
    // The graphic read shares `data`'s buffer, and writing gives that buffer back while it still holds
    // the graphic's bytes: a picture's bytes are copied neither into nor out of a stream.
    void ReadData(const QByteArray &data);
    QByteArray WriteData() const;

private:
    void changed();
    void setGraphic(std::unique_ptr<TGraphic> graphic, const QByteArray &data);
    bool dataCurrent() const;
    std::unique_ptr<TGraphic> graphic_;
    // The stored form as read or as last written; current while the graphic's bytes are its end.
    mutable QByteArray data_;
};

// A Windows bitmap, kept as the bytes of its BMP file so it is written back unchanged.
class TBitmap : public TGraphic
{
public:
    QString ClassName() const override { return QStringLiteral("TBitmap"); }
    bool Empty() const override { return image_.isNull(); }
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    void SetSize(int width, int height) override;
    void Draw(QPainter &painter, const QRect &target) const override;
    void LoadFromBytes(const QByteArray &fileBytes) override;
    void ReadData(const QByteArray &data) override;
    // A 4-byte length, then the BMP file.
    QByteArray DataHead() const override { return LengthHead(bytes_); }
    QByteArray FileBytes() const override { return bytes_; }
    void ShareFileBytes(const QByteArray &sameBytes) override { bytes_ = sameBytes; }
    QImage ToImage() const override { return image_; }
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TBitmap>(*this); }
    // Takes an image (clipboard paste) and keeps it as a 24-bit BMP file.
    void SetImage(const QImage &image);

private:
    QImage image_;
    QByteArray bytes_;
    PixelChargeHandle charge_; // the decoded pixels' share of the document's budget
};

// A Windows icon, kept as the bytes of its .ico file.
class TIcon : public TGraphic
{
public:
    QString ClassName() const override { return QStringLiteral("TIcon"); }
    bool Empty() const override { return image_.isNull(); }
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    void SetSize(int width, int height) override;
    void Draw(QPainter &painter, const QRect &target) const override;
    void LoadFromBytes(const QByteArray &fileBytes) override;
    void ReadData(const QByteArray &data) override { LoadFromBytes(data); }
    // The .ico file alone.
    QByteArray DataHead() const override { return {}; }
    QByteArray FileBytes() const override { return bytes_; }
    void ShareFileBytes(const QByteArray &sameBytes) override { bytes_ = sameBytes; }
    QImage ToImage() const override { return image_; }
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TIcon>(*this); }

private:
    QImage image_;
    QByteArray bytes_;
    PixelChargeHandle charge_;
};

// A PNG picture, kept as the bytes of its file; its transparent parts let the card show through.
// Stored as a 4-byte length, then the PNG file (a zero length is an empty picture).
class TPngImage : public TGraphic
{
public:
    QString ClassName() const override { return QStringLiteral("TPngImage"); }
    bool Empty() const override { return image_.isNull(); }
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    // Refused: a PNG picture has the size of its data.
    void SetSize(int width, int height) override;
    void Draw(QPainter &painter, const QRect &target) const override;
    void LoadFromBytes(const QByteArray &fileBytes) override;
    void ReadData(const QByteArray &data) override;
    QByteArray DataHead() const override { return LengthHead(bytes_); }
    QByteArray FileBytes() const override { return bytes_; }
    void ShareFileBytes(const QByteArray &sameBytes) override { bytes_ = sameBytes; }
    QImage ToImage() const override { return image_; }
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TPngImage>(*this); }

private:
    QImage image_;
    QByteArray bytes_;
    PixelChargeHandle charge_;
};
