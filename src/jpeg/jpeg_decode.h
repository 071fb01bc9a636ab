/* JPEG decoding on libjpeg behind a plain C interface, so no C++ object lives across its longjmp. */
#pragma once

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Limits against decompression bombs: the decoded picture (at the chosen scale) and libjpeg's own
   work memory (the coefficient arrays of progressive files are sized by the whole image). */
#define VJPEG_MAX_SIDE 16384
#define VJPEG_MAX_PIXEL_BYTES (1024UL * 1024UL * 1024UL)
#define VJPEG_MAX_WORK_MEMORY (512L * 1024L * 1024L)
/* Every scan of a progressive file is a pass over the whole image; a small file can hold thousands. */
#define VJPEG_MAX_SCANS 1000

typedef enum VJpegStatus {
    VJPEG_OK = 0,        /* decoded; warnings (damaged or truncated data) may have been raised */
    VJPEG_ERROR = 1,     /* libjpeg failed; error_code holds its message code */
    VJPEG_TOO_LARGE = 2, /* the output would exceed the limits; width/height hold its size */
    VJPEG_TOO_MANY_SCANS = 3,
    VJPEG_NO_MEMORY = 4
} VJpegStatus;

typedef struct VJpegInfo
{
    int width; /* header: the image size; decode: the output size */
    int height;
    int components;
    int error_code; /* libjpeg's message code of a failure */
    int warnings;   /* libjpeg warnings raised while reading */
} VJpegInfo;

/* Reads the markers up to the first scan: size and components, no pixels. */
VJpegStatus vjpeg_read_header(const unsigned char *data, size_t size, VJpegInfo *info);

/* The output size of libjpeg's DCT scaling by eighths/8 (1..8): the size rounded up. */
int vjpeg_scaled_size(int size, int eighths);

/* Decodes at eighths/8 of the full size into 32-bit pixels 0xFFRRGGBB in native byte order,
   rows of width * 4 bytes. Rows that damaged or truncated data leaves undecoded are grey. libjpeg's
   work memory stays below work_memory (and VJPEG_MAX_WORK_MEMORY); more is a VJPEG_NO_MEMORY. On
   VJPEG_OK *pixels is a malloc'ed buffer the caller frees; otherwise it is NULL. */
VJpegStatus vjpeg_decode(const unsigned char *data, size_t size, int eighths, long work_memory,
                         VJpegInfo *info, unsigned char **pixels);

#ifdef __cplusplus
}
#endif
