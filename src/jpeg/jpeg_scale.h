// Choosing the libjpeg decode scale (in eighths) for the size a drawing needs.
#pragma once

// The smallest scale 1..8 whose output covers needWidth x needHeight device pixels; 8 when even the
// full size is smaller. A JPEG of `width` x `height` decodes at scale n to ceil(size * n / 8).
int JpegScaleForTarget(int width, int height, int needWidth, int needHeight);

// Whether a decoded picture of that size stays within the decompression-bomb limits.
bool JpegDecodeSizeAllowed(int outWidth, int outHeight);

// The largest scale not above `eighths` whose output is allowed; 0 when not even 1/8 is.
int JpegLargestAllowedScale(int width, int height, int eighths);
