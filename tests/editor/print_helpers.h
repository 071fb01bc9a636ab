// Readable test failure output for editor value types.
#pragma once

#include "editor/edit_geometry.h"

#include <ostream>

inline void PrintTo(const EditRect &r, std::ostream *os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.width << " x " << r.height << ")";
}
