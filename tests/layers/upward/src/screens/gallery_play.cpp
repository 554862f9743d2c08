#include "game/word_tag.h"
#include "puppets/screen_entry.h"
