// CP932 conversions: glibc iconv's table, made reversible for every byte sequence.
#include "platform/cp932.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <cerrno>
#include <iconv.h>
#include <memory>

namespace {

// One iconv conversion descriptor, closed when done.
class Converter
{
public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    // Converts as much as it can; returns the number of input bytes used.
    size_t run(const char *in, size_t inLen, QByteArray &out)
    {
        char *inPtr = const_cast<char *>(in);
        size_t inLeft = inLen;
        char buffer[1024];
        while (inLeft > 0) {
            char *outPtr = buffer;
            size_t outLeft = sizeof buffer;
            const size_t r = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, int(sizeof buffer - outLeft));
            if (r == size_t(-1) && errno != E2BIG)
                break;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        return inLen - inLeft;
    }

private:
    iconv_t cd_;
};

// Bytes CP932 leaves undefined. Those Windows gives characters keep them (0x80 -> U+0080, 0xA0 ->
// U+F8F0, 0xFD..0xFF -> U+F8F1..U+F8F3); any other byte from 0x80 up, alone or as a lead byte without a
// valid trail byte, becomes a lone low surrogate U+DC80..U+DCFF, which nothing else produces.
char16_t charForUndefinedByte(unsigned char b)
{
    switch (b) {
    case 0x80:
        return 0x0080;
    case 0xA0:
        return 0xF8F0;
    case 0xFD:
        return 0xF8F1;
    case 0xFE:
        return 0xF8F2;
    case 0xFF:
        return 0xF8F3;
    default:
        return char16_t(0xDC00 + b);
    }
}

int undefinedByteForChar(char16_t c)
{
    switch (c) {
    case 0x0080:
        return 0x80;
    case 0xF8F0:
        return 0xA0;
    case 0xF8F1:
        return 0xFD;
    case 0xF8F2:
        return 0xFE;
    case 0xF8F3:
        return 0xFF;
    default:
        return c >= 0xDC80 && c <= 0xDCFF ? c - 0xDC00 : -1;
    }
}

// Several double-byte codes show the same character (the NEC row-13 and NEC-selected IBM duplicates of
// the IBM extensions and of row 2). The code the character encodes to reads as the character alone;
// each other code reads as the character followed by a variation selector (U+FE00 for the first other
// one, U+FE01 for the next), which draws nothing and brings the same bytes back.
constexpr char16_t kFirstSelector = 0xFE00;
constexpr int kSelectors = 16;

bool isSelector(QChar c)
{
    return c.unicode() >= kFirstSelector && c.unicode() < kFirstSelector + kSelectors;
}

struct Tables
{
    std::array<char16_t, 256> single{};         // 0: undefined
    std::array<char16_t, 65536> dbl{};          // by lead << 8 | trail; 0: undefined
    std::array<unsigned char, 65536> variant{}; // 0: the code the character encodes to
    QHash<quint32, quint16> byVariant;          // character << 8 | variant -> code
    bool asciiIsItself = false;                 // every byte below 0x80 reads as that character
    bool ready = false;
};

QString decodeWithIconv(Converter &conv, const char *bytes, size_t length, size_t *used)
{
    QByteArray utf16;
    *used = conv.run(bytes, length, utf16);
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(utf16.constData()), utf16.size() / 2);
}

QByteArray encodeWithIconv(Converter &conv, QChar c)
{
    QByteArray out;
    const char16_t u = c.unicode();
    if (conv.run(reinterpret_cast<const char *>(&u), 2, out) != 2)
        return {};
    return out;
}

std::unique_ptr<Tables> buildTables()
{
    auto t = std::make_unique<Tables>();
    Converter decode("UTF-16LE", "CP932"), encode("CP932", "UTF-16LE");
    if (!decode.valid() || !encode.valid())
        return t;
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        size_t used = 0;
        const QString s = decodeWithIconv(decode, &byte, 1, &used);
        if (used == 1 && s.size() == 1)
            t->single[size_t(b)] = s[0].unicode();
    }
    t->asciiIsItself = true;
    for (int b = 1; b < 0x80; ++b)
        t->asciiIsItself = t->asciiIsItself && t->single[size_t(b)] == b;
    QHash<char16_t, QList<quint16>> codesOf;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (t->single[size_t(lead)] != 0)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const char pair[2] = {char(lead), char(trail)};
            size_t used = 0;
            const QString s = decodeWithIconv(decode, pair, 2, &used);
            if (used != 2 || s.size() != 1)
                continue;
            const quint16 code = quint16(lead << 8 | trail);
            t->dbl[code] = s[0].unicode();
            codesOf[s[0].unicode()] << code;
        }
    }
    for (auto it = codesOf.cbegin(); it != codesOf.cend(); ++it) {
        if (it.value().size() < 2)
            continue;
        const QByteArray canonical = encodeWithIconv(encode, QChar(it.key()));
        int next = 1;
        for (quint16 code : it.value()) { // in code order
            const bool isCanonical =
                canonical.size() == 2 && quint16(uchar(canonical[0]) << 8 | uchar(canonical[1])) == code;
            if (isCanonical || next > kSelectors)
                continue;
            t->variant[code] = uchar(next);
            t->byVariant.insert(quint32(it.key()) << 8 | quint32(next), code);
            ++next;
        }
    }
    t->ready = true;
    return t;
}

const Tables &tables()
{
    static const std::unique_ptr<Tables> t = buildTables();
    return *t;
}

} // namespace

QString Cp932Decode(const QByteArray &bytes)
{
    const Tables &t = tables();
    if (!t.ready)
        return QString::fromLatin1(bytes);
    QString result;
    result.reserve(bytes.size());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const auto b = uchar(bytes[i]);
        if (const char16_t c = t.single[b]; c != 0 || b == 0) {
            result.append(QChar(c));
            continue;
        }
        if (i + 1 < n) {
            const quint16 code = quint16(b << 8 | uchar(bytes[i + 1]));
            if (const char16_t c = t.dbl[code]) {
                result.append(QChar(c));
                if (const int v = t.variant[code])
                    result.append(QChar(char16_t(kFirstSelector + v - 1)));
                ++i;
                continue;
            }
        }
        result.append(QChar(charForUndefinedByte(b)));
    }
    return result;
}

QByteArray Cp932Encode(const QString &text, bool *ok)
{
    if (ok)
        *ok = true;
    const Tables &t = tables();
    // Most texts a card holds are plain ASCII, which needs no converter at all.
    if (t.ready && t.asciiIsItself &&
        std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.toLatin1();
    // iconv descriptors are costly to open; one per thread serves every later call.
    thread_local Converter conv("CP932", "UTF-16LE");
    QByteArray result;
    if (!t.ready || !conv.valid()) {
        if (ok)
            *ok = false;
        return text.toLatin1();
    }
    // Characters without a form of their own here go through iconv in runs.
    qsizetype runStart = 0;
    const auto flush = [&](qsizetype end) {
        const char16_t *p = reinterpret_cast<const char16_t *>(text.utf16()) + runStart;
        qsizetype left = end - runStart;
        while (left > 0) {
            const size_t used = conv.run(reinterpret_cast<const char *>(p), size_t(left) * 2, result) / 2;
            p += used;
            left -= qsizetype(used);
            if (left > 0) {
                result.append('?');
                if (ok)
                    *ok = false;
                // A surrogate pair is one character.
                const int step =
                    (QChar::isHighSurrogate(*p) && left > 1 && QChar::isLowSurrogate(p[1])) ? 2 : 1;
                p += step;
                left -= step;
            }
        }
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (i + 1 < n && isSelector(text[i + 1])) {
            const quint32 key =
                quint32(c.unicode()) << 8 | quint32(text[i + 1].unicode() - kFirstSelector + 1);
            if (const auto code = t.byVariant.constFind(key); code != t.byVariant.cend()) {
                flush(i);
                result.append(char(*code >> 8)).append(char(*code & 0xFF));
                runStart = ++i + 1;
                continue;
            }
        }
        const bool paired = c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate();
        if (const int undefined = paired ? -1 : undefinedByteForChar(c.unicode()); undefined >= 0) {
            flush(i);
            result.append(char(undefined));
            runStart = i + 1;
        } else if (paired) {
            ++i;
        }
    }
    flush(n);
    return result;
}

bool Cp932CanEncode(const QString &text)
{
    bool ok = true;
    Cp932Encode(text, &ok);
    return ok;
}
