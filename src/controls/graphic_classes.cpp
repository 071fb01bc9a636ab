// The graphic classes of the layers below, registered together.
#include "controls/graphic_classes.h"

#include "jpeg/jpeg_image.h"
#include "platform/metafile.h"
#include "platform/picture.h"
#include "platform/strings.h"

#include <memory>

namespace {

template <typename Graphic> GraphicFactory make()
{
    return [] { return std::make_unique<Graphic>(); };
}

} // namespace

void RegisterGraphicClasses()
{
    RegisterGraphicClass(QStringLiteral("TBitmap"), make<TBitmap>(), {QStringLiteral("bmp")},
                         QStringLiteral("ビットマップ"));
    RegisterGraphicClass(QStringLiteral("TIcon"), make<TIcon>(), {QStringLiteral("ico")},
                         QStringLiteral("アイコン"));
    RegisterGraphicClass(QStringLiteral("TPngImage"), make<TPngImage>(), {QStringLiteral("png")},
                         QStringLiteral("PNG"));
    RegisterGraphicClass(QStringLiteral("TMetafile"), make<TMetafile>(), {QStringLiteral("emf")},
                         QStringLiteral("拡張メタファイル"));
    RegisterGraphicClass(QStringLiteral("TMetafile"), make<TMetafile>(), {QStringLiteral("wmf")},
                         QStringLiteral("メタファイル"));
    RegisterGraphicClass(QStringLiteral("TJPEGImage"), make<TJPEGImage>(),
                         {QStringLiteral("jpeg"), QStringLiteral("jpg")}, LoadStr(Str::JpegFileDescription));
}
