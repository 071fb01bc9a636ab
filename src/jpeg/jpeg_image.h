// The JPEG picture class: the file's bytes, its size from the header, pixels decoded when drawn.
#pragma once

#include "platform/errors.h"
#include "platform/picture.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

// A JPEG codec failure, or a JPEG picture refusing an operation.
class EJPEG : public EInvalidGraphic
{
public:
    using EInvalidGraphic::EInvalidGraphic;
};

// "JPEG エラー #n" for libjpeg's message code n.
QString JpegErrorMessage(int code);

class TJPEGImage : public TGraphic
{
public:
    QString ClassName() const override { return QStringLiteral("TJPEGImage"); }
    bool Empty() const override { return bytes_.isEmpty(); }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // Always refused: a JPEG picture has the size of its data.
    void SetSize(int width, int height) override;
    // Decodes at the smallest libjpeg scale that covers the target's device pixels, then stretches.
    // Never throws: data that fails to decode is drawn as a placeholder (see DrawError()).
    void Draw(QPainter &painter, const QRect &target) const override;
    // Reads the header only; throws EJPEG when the bytes are not a JPEG file.
    void LoadFromBytes(const QByteArray &fileBytes) override;
    // A 4-byte length, then the JPEG file; a zero length is an empty picture.
    void ReadData(const QByteArray &data) override;
    QByteArray DataHead() const override;
    // The file's bytes, shared with the stream they were read from (never a copy).
    QByteArray FileBytes() const override { return bytes_; }
    void ShareFileBytes(const QByteArray &sameBytes) override { bytes_ = sameBytes; }
    // The whole picture at full size; throws EJPEG when it cannot be decoded.
    QImage ToImage() const override;
    // The copy shares the bytes and what has been decoded of them.
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TJPEGImage>(*this); }

    // Why the last drawing showed a placeholder; empty when it did not.
    QString DrawError() const override { return drawError_; }
    // How many times pixels were decoded, and the scale (in eighths) of the last decode.
    int DecodeCount() const { return decodeCount_; }
    int LastDecodeScale() const { return lastDecodeScale_; }

private:
    struct Decoded
    {
        int eighths = 0;
        QImage image;             // null when decoding failed
        QString error;            // why it failed
        PixelChargeHandle charge; // the pixels' share of the document's budget
    };
    // The picture at that scale; a scale whose pixels the budget cannot hold now is refused and not
    // remembered, so it is tried again once other pictures have gone.
    Decoded decodedAt(int eighths) const;

    QByteArray bytes_;
    int width_ = 0;
    int height_ = 0;
    // Most recently used first; two scales cover the worksheet and a print or clipboard copy.
    mutable std::vector<Decoded> cache_;
    mutable QString drawError_;
    mutable int decodeCount_ = 0;
    mutable int lastDecodeScale_ = 0;
};
