#include "platform/diag.h"
#include "platform/files.h"
#include "sentence/lexicon.h"
#include "puppets/pantin.h"
