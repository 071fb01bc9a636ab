// Parses component streams ("TPF0" and one object record) into object records.
#pragma once

#include "document/object_record.h"

#include <QByteArray>

// How deep objects, lists and collections may nest inside each other.
constexpr int kMaxStreamNesting = 64;

// Parses a buffer that holds exactly one component stream. Every fault (no signature, a stream that
// ends inside a record, an unknown value type, a length beyond the data, bytes after the end, nesting
// beyond kMaxStreamNesting) is an EReadError; no length field makes it allocate more than the data holds.
// Binary values (picture data) share `data`'s buffer rather than copy it.
ObjectRecord ParseComponentStream(const QByteArray &data);

// Parses the component stream that starts at `offset` of `data`, as documents embed them, and returns
// the number of bytes it takes; `record` is only assigned when the whole stream has been read.
qsizetype ParseComponentStreamAt(const QByteArray &data, qsizetype offset, ObjectRecord &record);
