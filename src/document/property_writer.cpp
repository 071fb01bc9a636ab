// Property values in the form the class library writes them.
#include "document/property_writer.h"

#include "document/stream_writer.h"
#include "platform/cp932.h"
#include "platform/idents.h"

void PropertyWriter::writeValue(const QString &name, StreamValue value)
{
    properties_.push_back(Property{Cp932Encode(name), std::move(value)});
}

void PropertyWriter::writeInteger(const QString &name, std::int64_t value)
{
    writeValue(name, StreamValue::Integer(value));
}

void PropertyWriter::writeBool(const QString &name, bool value)
{
    writeValue(name, StreamValue::Bool(value));
}

void PropertyWriter::writeString(const QString &name, const QString &text)
{
    writeValue(name, StreamValue::Text(text));
}

void PropertyWriter::writeIdent(const QString &name, const QString &ident)
{
    writeValue(name, StreamValue::Ident(ident));
}

void PropertyWriter::writeEnum(const QString &name, int value, const IdentTable &table)
{
    const std::optional<QString> ident = table.ToIdent(value);
    if (!ident)
        throw EWriteError(
            QStringLiteral("Cannot write the component: %1 = %2 has no name").arg(name).arg(value));
    writeIdent(name, *ident);
}

void PropertyWriter::writeNamedInteger(const QString &name, int value, const IdentTable &table)
{
    if (const std::optional<QString> ident = table.ToIdent(value))
        writeIdent(name, *ident);
    else
        writeInteger(name, value);
}

void PropertyWriter::writeColor(const QString &name, TColor color)
{
    if (const std::optional<QString> ident = ColorToIdent(color))
        writeIdent(name, *ident);
    else
        writeInteger(name, color);
}

void PropertyWriter::writeSet(const QString &name, const QStringList &members)
{
    writeValue(name, StreamValue::Set(members));
}

void PropertyWriter::writeSet(const QString &name, int bits, const IdentTable &members)
{
    const QStringList names = SetToIdents(bits, members);
    if (IdentsToSet(names, members) != bits)
        throw EWriteError(QStringLiteral("Cannot write the component: %1 holds unnamed members (0x%2)")
                              .arg(name)
                              .arg(bits, 0, 16));
    writeSet(name, names);
}

void PropertyWriter::writeBinary(const QString &name, const QByteArray &bytes)
{
    writeValue(name, StreamValue::Binary(bytes));
}

void PropertyWriter::writeReal(const QString &name, double value)
{
    writeValue(name, StreamValue::Real(value));
}

void PropertyWriter::writeStrings(const QString &name, const QStringList &texts)
{
    std::vector<StreamValue> values;
    values.reserve(size_t(texts.size()));
    for (const QString &text : texts)
        values.push_back(StreamValue::Text(text));
    writeValue(name, StreamValue::List(std::move(values)));
}
