// What a JPEG file's markers say about its frame, read without decoding: size, samples, coding, and the
// colour conventions (Adobe marker) a reader of the bytes must follow.
#pragma once

#include <QByteArray>
#include <optional>

struct JpegFrame
{
    int sofMarker = 0; // 0xC0..0xCF: the frame's start-of-frame marker
    int width = 0;
    int height = 0; // 0 when the height comes later (a DNL marker)
    int components = 0;
    int bitsPerSample = 0;
    bool arithmetic = false; // arithmetic entropy coding (SOF9..SOF15, or a DAC marker)
    bool adobeMarker = false;
    int adobeTransform = -1;      // the Adobe marker's colour transform: 0 none, 1 YCbCr, 2 YCCK
    bool rgbComponentIds = false; // three components named 'R', 'G', 'B' and no Adobe marker
};

// The frame of a JPEG file, read up to its first scan; nothing when the bytes are no JPEG file or end
// (or break off) before the frame header.
std::optional<JpegFrame> ReadJpegFrame(const QByteArray &bytes);

// Whether the file runs in order from its start to an end-of-image marker: every segment whole, every
// scan over components of the frame whose quantisation tables are defined, its coded data ending in a
// marker. Truncated and mangled files are not; nothing is decoded to tell.
bool JpegStructureComplete(const QByteArray &bytes);

// A JPEG file as an image that carries its file as it is: what its reader has to be told.
struct JpegPassThrough
{
    enum Colours { Gray, Rgb, Cmyk };
    int width = 0;
    int height = 0;
    Colours colours = Rgb;
    // CMYK stored inverted (0 = full ink), as Adobe's applications write it; such files are known by
    // their Adobe marker.
    bool invertedCmyk = false;
    // Three components that are RGB themselves, not YCbCr.
    bool noColourTransform = false;
};

// Whether a document format's own DCT reader can take the file unchanged: 8-bit baseline, extended or
// progressive Huffman coding, one, three or four components, a known height. Arithmetic coding, 12-bit
// samples, lossless and hierarchical frames are not carried (many readers cannot decode them).
std::optional<JpegPassThrough> JpegForPassThrough(const JpegFrame &frame);
