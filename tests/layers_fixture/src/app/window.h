// The application layer may include any layer below it.
#pragma once

#include "controls/upward.h"
