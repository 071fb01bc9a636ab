// Number text in the C locale: a decimal point is '.', whatever locale the user runs in.
#pragma once

#include <QByteArray>
#include <locale.h>

// The C locale object, created once.
locale_t CLocale();

// strtod in the C locale.
double CStrtod(const char *text, char **end = nullptr);

// snprintf in the C locale.
QByteArray CFormat(const char *format, ...) __attribute__((format(printf, 1, 2)));
