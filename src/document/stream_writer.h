// Writes object records as component streams, byte for byte as they were read or built.
#pragma once

#include "document/object_record.h"
#include "platform/errors.h"

#include <QByteArray>

// A record that cannot be written so that it reads back the same (an empty class or property name, a
// name longer than 255 bytes, a null value inside a list, nesting deeper than the reader accepts).
class EWriteError : public VelmoraError
{
    using VelmoraError::VelmoraError;
};

// "TPF0" and the record. Throws EWriteError.
QByteArray SerializeComponentStream(const ObjectRecord &record);
// The same, appended to `out`; `out` is unchanged when it throws.
void AppendComponentStream(QByteArray &out, const ObjectRecord &record);
