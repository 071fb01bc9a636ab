// The metafile picture class: an EMF or placeable WMF kept byte for byte, drawn through SVG.
#pragma once

#include "platform/metafile_format.h"
#include "platform/picture.h"

#include <memory>

class QSvgRenderer;

class TMetafile : public TGraphic
{
public:
    QString ClassName() const override { return QStringLiteral("TMetafile"); }
    bool Empty() const override { return bytes_.isEmpty(); }
    // Screen pixels at 96 dpi: the EMF frame (0.01 mm) or the WMF bounding box in its units per inch.
    int Width() const override { return MetafilePixels(width_, header_); }
    int Height() const override { return MetafilePixels(height_, header_); }
    // Changes the size the picture reports and is drawn at; the file's bytes stay as they are.
    void SetSize(int width, int height) override;
    // Draws the metafile stretched into `target`; damaged records give a placeholder instead.
    void Draw(QPainter &painter, const QRect &target) const override;
    // Takes an EMF file or a WMF file with a placeable header; throws EInvalidGraphic otherwise.
    void LoadFromBytes(const QByteArray &fileBytes) override;
    // A 4-byte length that counts itself, then the metafile; a length of 4 or less is an empty picture.
    void ReadData(const QByteArray &data) override;
    QByteArray DataHead() const override;
    QByteArray FileBytes() const override { return bytes_; }
    void ShareFileBytes(const QByteArray &sameBytes) override { bytes_ = sameBytes; }
    // The picture drawn at its own size on a transparent image.
    QImage ToImage() const override;
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TMetafile>(*this); }

    bool Enhanced() const { return header_.enhanced; }
    // The size in 0.01 mm.
    int MMWidth() const { return MetafileHundredthsMm(width_, header_); }
    int MMHeight() const { return MetafileHundredthsMm(height_, header_); }
    // Whether the records could be drawn (converted on the first call, then remembered).
    bool Drawable() const { return renderer() != nullptr; }
    QString DrawError() const override;

private:
    QSvgRenderer *renderer() const;

    QByteArray bytes_;
    MetafileHeader header_; // as read from the file
    // The size reported, in the header's units (it differs from the file's after SetSize).
    int width_ = 0;
    int height_ = 0;
    // Converted once, shared by copies; null when the records cannot be drawn.
    mutable std::shared_ptr<QSvgRenderer> renderer_;
    mutable bool converted_ = false;
};
