#include "game/main_scene.h"
#include <game/tag_scene.h>
#include "word_tag.h"
