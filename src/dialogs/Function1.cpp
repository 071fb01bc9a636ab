// The number fields' filters: keep only what can belong to a whole or a decimal number.
#include "dialogs/Function1.h"

#include "platform/cp932.h"

#include <QLineEdit>
#include <algorithm>

namespace {

bool filterBusy = false;

// Sets the busy flag for one filter run; a run that finds it set does nothing.
class BusyGuard
{
public:
    BusyGuard() : entered_(!filterBusy) { filterBusy = true; }
    ~BusyGuard()
    {
        if (entered_)
            filterBusy = false;
    }
    BusyGuard(const BusyGuard &) = delete;
    BusyGuard &operator=(const BusyGuard &) = delete;
    bool entered() const { return entered_; }

private:
    bool entered_;
};

FilteredText keepBytes(const QByteArray &text, int caret, bool keepPoint)
{
    FilteredText out;
    out.caret = caret;
    for (char c : text) {
        const auto s = static_cast<signed char>(c);
        if ((s >= '0' && s <= '9') || s == 8 || (keepPoint && s == '.'))
            out.text.append(c);
        else
            --out.caret;
    }
    out.changed = out.caret != caret;
    out.caret = std::max(out.caret, 0);
    return out;
}

void applyToField(QLineEdit *memo, FilteredText (*filter)(const QByteArray &, int))
{
    BusyGuard guard;
    if (!guard.entered())
        return;
    const QString text = memo->text();
    const int caretBytes = int(Cp932Encode(text.left(memo->cursorPosition())).size());
    const FilteredText result = filter(Cp932Encode(text), caretBytes);
    if (!result.changed)
        return;
    const QString filtered = QString::fromLatin1(result.text); // ASCII only after filtering
    if (filtered != text)
        memo->setText(filtered);
    memo->setCursorPosition(std::min<int>(result.caret, int(filtered.size())));
}

} // namespace

FilteredText FilterDigitsText(const QByteArray &text, int caret)
{
    return keepBytes(text, caret, false);
}

FilteredText FilterDecimalText(const QByteArray &text, int caret)
{
    FilteredText out = keepBytes(text, caret, true);
    const int firstPoint = int(out.text.indexOf('.'));
    if (firstPoint < 0)
        return out;
    const int points = int(out.text.count('.'));
    if (points == 1)
        return out;
    out.text.replace(".", "");
    out.text.insert(firstPoint, '.');
    out.caret = std::clamp(out.caret - points + 1, 0, int(out.text.size()));
    out.changed = true;
    return out;
}

void FilterDigits(QLineEdit *memo)
{
    applyToField(memo, FilterDigitsText);
}

void FilterDecimal(QLineEdit *memo)
{
    applyToField(memo, FilterDecimalText);
}

bool FilterBusy()
{
    return filterBusy;
}
