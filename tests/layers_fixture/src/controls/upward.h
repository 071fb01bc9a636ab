// A control that reaches up into the application layer, which the layer check must refuse.
#pragma once

#include "app/window.h"
#include "platform/strings.h"
