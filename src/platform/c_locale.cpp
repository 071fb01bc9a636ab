// Number text in the C locale.
#include "platform/c_locale.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

locale_t CLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return c;
}

double CStrtod(const char *text, char **end)
{
    return strtod_l(text, end, CLocale());
}

QByteArray CFormat(const char *format, ...)
{
    const locale_t previous = uselocale(CLocale());
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    QByteArray out;
    if (length > 0) {
        out.resize(length);
        std::vsnprintf(out.data(), size_t(length) + 1, format, again);
    }
    va_end(again);
    uselocale(previous);
    return out;
}
