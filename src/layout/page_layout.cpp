// The preset name field of a sheet layout.
#include "layout/page_layout.h"

#include <algorithm>
#include <cstring>

QByteArray PresetNameText(const PresetNameField &field)
{
    return QByteArray(field.data(), int(strnlen(field.data(), field.size())));
}

int Cp932PrefixLength(const QByteArray &bytes, int maxBytes)
{
    int length = 0;
    while (length < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[length]);
        const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        const int step = lead && length + 1 < bytes.size() ? 2 : 1;
        if (length + step > maxBytes)
            break;
        length += step;
    }
    return length;
}

PresetNameField MakePresetName(const QByteArray &name)
{
    PresetNameField field{};
    const QByteArray text = name.left(int(strnlen(name.constData(), size_t(name.size()))));
    std::copy_n(text.constData(), Cp932PrefixLength(text, PresetNameMaxBytes), field.data());
    return field;
}

bool SamePresetName(const PresetNameField &a, const PresetNameField &b)
{
    return PresetNameText(a) == PresetNameText(b);
}
