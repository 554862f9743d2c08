#include "platform/graphics.h"
#include "platform/text.h"
