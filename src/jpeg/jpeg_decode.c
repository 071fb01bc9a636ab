/* JPEG header reading and scaled decoding on libjpeg with a setjmp error manager that never exits. */
#include "jpeg/jpeg_decode.h"

#include <setjmp.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <jerror.h>
#include <jpeglib.h>

/* libjpeg-turbo writes 32-bit pixels straight in the order QImage::Format_RGB32 keeps them. */
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
#define PIXEL_COLOR_SPACE JCS_EXT_ARGB
#else
#define PIXEL_COLOR_SPACE JCS_EXT_BGRA
#endif

#define GREY_PIXEL 0xFF808080u
#define ROWS_PER_READ 16

typedef struct ErrorManager
{
    struct jpeg_error_mgr pub;
    jmp_buf jump;
    int too_many_scans;
} ErrorManager;

static void on_error_exit(j_common_ptr cinfo)
{
    longjmp(((ErrorManager *)cinfo->err)->jump, 1);
}

/* Warnings and traces are counted by libjpeg; nothing goes to stderr. */
static void on_output_message(j_common_ptr cinfo)
{
    (void)cinfo;
}

static void check_scan_count(j_common_ptr cinfo)
{
    ErrorManager *err = (ErrorManager *)cinfo->err;
    if (((j_decompress_ptr)cinfo)->input_scan_number > VJPEG_MAX_SCANS) {
        err->too_many_scans = 1;
        longjmp(err->jump, 1);
    }
}

static void init_error_manager(struct jpeg_decompress_struct *cinfo, ErrorManager *err)
{
    /* Zeroed first so that destroying after a failure inside jpeg_create_decompress is safe. */
    memset(cinfo, 0, sizeof *cinfo);
    memset(err, 0, sizeof *err);
    cinfo->err = jpeg_std_error(&err->pub);
    err->pub.error_exit = on_error_exit;
    err->pub.output_message = on_output_message;
}

int vjpeg_scaled_size(int size, int eighths)
{
    return (int)(((long long)size * eighths + 7) / 8);
}

VJpegStatus vjpeg_read_header(const unsigned char *data, size_t size, VJpegInfo *info)
{
    struct jpeg_decompress_struct cinfo;
    ErrorManager err;

    memset(info, 0, sizeof *info);
    init_error_manager(&cinfo, &err);
    /* Before jpeg_mem_src: it already fails on empty input. */
    if (setjmp(err.jump)) {
        info->error_code = err.pub.msg_code;
        jpeg_destroy_decompress(&cinfo);
        return VJPEG_ERROR;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, (unsigned long)size);
    jpeg_read_header(&cinfo, TRUE);
    info->width = (int)cinfo.image_width;
    info->height = (int)cinfo.image_height;
    info->components = cinfo.num_components;
    info->warnings = (int)err.pub.num_warnings;
    jpeg_destroy_decompress(&cinfo);
    return VJPEG_OK;
}

static void fill_grey(unsigned char *buffer, int width, int height, int first_row)
{
    const uint32_t grey = GREY_PIXEL;
    size_t count = (size_t)width * (size_t)(height - first_row);
    unsigned char *p = buffer + (size_t)first_row * (size_t)width * 4;
    while (count-- > 0) {
        memcpy(p, &grey, 4);
        p += 4;
    }
}

/* Adobe applications store CMYK inverted (0 = full ink); others store it plainly. */
static void cmyk_to_rgb(unsigned char *row, int width, int inverted)
{
    for (int x = 0; x < width; ++x, row += 4) {
        unsigned c = row[0], m = row[1], y = row[2], k = row[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        const uint32_t r = (c * k + 127) / 255, g = (m * k + 127) / 255, b = (y * k + 127) / 255;
        const uint32_t pixel = 0xFF000000u | r << 16 | g << 8 | b;
        memcpy(row, &pixel, 4);
    }
}

/* The state of one decode; it lives in memory the error handler can still read after longjmp. */
typedef struct DecodeJob
{
    struct jpeg_decompress_struct cinfo;
    ErrorManager err;
    struct jpeg_progress_mgr progress;
    unsigned char *buffer;
} DecodeJob;

/* Everything that may longjmp runs here, below the frame that called setjmp. */
static VJpegStatus run_decode(DecodeJob *job, const unsigned char *data, size_t size, int eighths,
                              long work_memory, VJpegInfo *info)
{
    struct jpeg_decompress_struct *cinfo = &job->cinfo;
    int cmyk = 0, inverted = 0;

    jpeg_create_decompress(cinfo);
    /* Zero would mean no limit at all to libjpeg. */
    if (work_memory < 1)
        work_memory = 1;
    cinfo->mem->max_memory_to_use = work_memory < VJPEG_MAX_WORK_MEMORY ? work_memory : VJPEG_MAX_WORK_MEMORY;
    cinfo->progress = &job->progress;
    jpeg_mem_src(cinfo, data, (unsigned long)size);
    jpeg_read_header(cinfo, TRUE);

    if (cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK) {
        cinfo->out_color_space = JCS_CMYK;
        cmyk = 1;
        inverted = cinfo->saw_Adobe_marker;
    } else {
        cinfo->out_color_space = PIXEL_COLOR_SPACE;
    }
    cinfo->scale_num = (unsigned)eighths;
    cinfo->scale_denom = 8;
    jpeg_calc_output_dimensions(cinfo);
    info->width = (int)cinfo->output_width;
    info->height = (int)cinfo->output_height;
    info->components = cinfo->num_components;
    if (info->width > VJPEG_MAX_SIDE || info->height > VJPEG_MAX_SIDE ||
        (unsigned long long)info->width * (unsigned long long)info->height * 4 > VJPEG_MAX_PIXEL_BYTES)
        return VJPEG_TOO_LARGE;

    const size_t stride = (size_t)info->width * 4;
    job->buffer = (unsigned char *)malloc(stride * (size_t)info->height);
    if (!job->buffer)
        return VJPEG_NO_MEMORY;

    jpeg_start_decompress(cinfo);
    while (cinfo->output_scanline < cinfo->output_height) {
        const int first = (int)cinfo->output_scanline;
        int wanted = info->height - first;
        if (wanted > ROWS_PER_READ)
            wanted = ROWS_PER_READ;
        JSAMPROW rows[ROWS_PER_READ];
        for (int i = 0; i < wanted; ++i)
            rows[i] = job->buffer + (size_t)(first + i) * stride;
        const int got = (int)jpeg_read_scanlines(cinfo, rows, (JDIMENSION)wanted);
        if (got <= 0)
            break;
        if (cmyk)
            for (int i = 0; i < got; ++i)
                cmyk_to_rgb(rows[i], info->width, inverted);
    }
    if ((int)cinfo->output_scanline < info->height)
        fill_grey(job->buffer, info->width, info->height, (int)cinfo->output_scanline);
    /* No jpeg_finish_decompress: every row is here, and trailing garbage must not turn into an error. */
    return VJPEG_OK;
}

VJpegStatus vjpeg_decode(const unsigned char *data, size_t size, int eighths, long work_memory,
                         VJpegInfo *info, unsigned char **pixels)
{
    DecodeJob job;
    VJpegStatus status;

    memset(info, 0, sizeof *info);
    *pixels = NULL;
    init_error_manager(&job.cinfo, &job.err);
    memset(&job.progress, 0, sizeof job.progress);
    job.progress.progress_monitor = check_scan_count;
    job.buffer = NULL;

    if (setjmp(job.err.jump)) {
        info->error_code = job.err.pub.msg_code;
        status = job.err.too_many_scans ? VJPEG_TOO_MANY_SCANS : VJPEG_ERROR;
    } else {
        status = run_decode(&job, data, size, eighths >= 1 && eighths <= 8 ? eighths : 8, work_memory, info);
        if (status == VJPEG_OK) {
            *pixels = job.buffer;
            job.buffer = NULL;
        }
    }
    info->warnings = (int)job.err.pub.num_warnings;
    free(job.buffer);
    jpeg_destroy_decompress(&job.cinfo);
    return status;
}
