// CP932 conversions on glibc iconv.
#include "platform/cp932.h"

#include <cerrno>
#include <iconv.h>

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

char16_t windowsCharForUndefinedByte(unsigned char b)
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
        return 0xFFFD;
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
        return -1;
    }
}

} // namespace

QString Cp932Decode(const QByteArray &bytes)
{
    Converter conv("UTF-16LE", "CP932");
    if (!conv.valid())
        return QString::fromLatin1(bytes);
    QString result;
    const char *p = bytes.constData();
    size_t left = size_t(bytes.size());
    while (left > 0) {
        QByteArray utf16;
        const size_t used = conv.run(p, left, utf16);
        result.append(
            QString::fromUtf16(reinterpret_cast<const char16_t *>(utf16.constData()), utf16.size() / 2));
        p += used;
        left -= used;
        if (left > 0) { // an undecodable byte: keep it as a character, go on after it
            result.append(QChar(windowsCharForUndefinedByte(static_cast<unsigned char>(*p))));
            ++p;
            --left;
        }
    }
    return result;
}

QByteArray Cp932Encode(const QString &text, bool *ok)
{
    if (ok)
        *ok = true;
    Converter conv("CP932", "UTF-16LE");
    QByteArray result;
    if (!conv.valid()) {
        if (ok)
            *ok = false;
        return text.toLatin1();
    }
    const char16_t *p = reinterpret_cast<const char16_t *>(text.utf16());
    qsizetype left = text.size();
    while (left > 0) {
        const size_t used = conv.run(reinterpret_cast<const char *>(p), size_t(left) * 2, result) / 2;
        p += used;
        left -= qsizetype(used);
        if (left > 0) {
            const int undefined = undefinedByteForChar(*p);
            if (undefined >= 0) {
                result.append(char(undefined));
            } else {
                result.append('?');
                if (ok)
                    *ok = false;
            }
            // A surrogate pair is one character.
            const int step = (QChar::isHighSurrogate(*p) && left > 1 && QChar::isLowSurrogate(p[1])) ? 2 : 1;
            p += step;
            left -= step;
        }
    }
    return result;
}

bool Cp932CanEncode(const QString &text)
{
    bool ok = true;
    Cp932Encode(text, &ok);
    return ok;
}
