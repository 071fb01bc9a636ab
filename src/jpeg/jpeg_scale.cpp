// Choosing the libjpeg decode scale (in eighths) for the size a drawing needs.
#include "jpeg/jpeg_scale.h"

#include "jpeg/jpeg_decode.h"

int JpegScaleForTarget(int width, int height, int needWidth, int needHeight)
{
    for (int eighths = 1; eighths < 8; ++eighths)
        if (vjpeg_scaled_size(width, eighths) >= needWidth &&
            vjpeg_scaled_size(height, eighths) >= needHeight)
            return eighths;
    return 8;
}

bool JpegDecodeSizeAllowed(int outWidth, int outHeight)
{
    return outWidth > 0 && outHeight > 0 && outWidth <= VJPEG_MAX_SIDE && outHeight <= VJPEG_MAX_SIDE &&
           static_cast<unsigned long long>(outWidth) * static_cast<unsigned long long>(outHeight) * 4 <=
               VJPEG_MAX_PIXEL_BYTES;
}

int JpegLargestAllowedScale(int width, int height, int eighths)
{
    for (int n = eighths; n >= 1; --n)
        if (JpegDecodeSizeAllowed(vjpeg_scaled_size(width, n), vjpeg_scaled_size(height, n)))
            return n;
    return 0;
}
