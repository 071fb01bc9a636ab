// Collects the properties a streamable class writes, each converted to its stored form.
#pragma once

#include "document/stream_value.h"
#include "platform/colors.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

class IdentTable;

// Properties are kept in the order they are written; names may be dotted paths ("Pen.Color").
class PropertyWriter
{
public:
    void writeValue(const QString &name, StreamValue value);
    // Smallest of int8, int16, int32 (int64 beyond).
    void writeInteger(const QString &name, std::int64_t value);
    void writeBool(const QString &name, bool value);
    // CP932 string or long string; a wide string when CP932 cannot hold the text.
    void writeString(const QString &name, const QString &text);
    void writeIdent(const QString &name, const QString &ident);
    // An enumeration by its name in `table`; a value the table does not name is an EWriteError.
    void writeEnum(const QString &name, int value, const IdentTable &table);
    // A named integer (cursor, charset): its name when the table has one, else the number.
    void writeNamedInteger(const QString &name, int value, const IdentTable &table);
    // A colour name when the class library's table has one, else the 0x00BBGGRR number.
    void writeColor(const QString &name, TColor color);
    void writeSet(const QString &name, const QStringList &members);
    // The members of `bits` named by ordinal in `members`.
    void writeSet(const QString &name, int bits, const IdentTable &members);
    void writeBinary(const QString &name, const QByteArray &bytes);
    // An extended real.
    void writeReal(const QString &name, double value);
    // A list of texts (Items.Strings, Lines.Strings, CustomColors).
    void writeStrings(const QString &name, const QStringList &texts);

    const std::vector<Property> &properties() const { return properties_; }
    std::vector<Property> takeProperties() { return std::move(properties_); }

private:
    std::vector<Property> properties_;
};
