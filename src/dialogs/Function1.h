// The number fields' filters: keep only what can belong to a whole or a decimal number.
#pragma once

#include <QByteArray>

class QLineEdit;

// A field's text as CP932 bytes and its caret counted in bytes, after a filter.
struct FilteredText
{
    QByteArray text;
    int caret = 0;
    bool changed = false; // a byte was dropped or the points were merged: write text and caret back
};

// Keeps the bytes '0' to '9' and 8; lowers the caret by one for every byte dropped, wherever it
// stood (never below 0). Both bytes of a double-byte character are dropped.
FilteredText FilterDigitsText(const QByteArray &text, int caret);

// As FilterDigitsText with '.' kept as well, and then only the first '.' left where it stood.
FilteredText FilterDecimalText(const QByteArray &text, int caret);

// Run the filters on a field: its text as CP932 bytes, its caret in bytes. A filter's own write
// raises the field's change signal again; that nested call returns at once.
void FilterDigits(QLineEdit *memo);
void FilterDecimal(QLineEdit *memo);

// True while a filter is writing to a field.
bool FilterBusy();
