#pragma once
// Makes do with one colour fewer than a finished edge colouring used, when the
// edges of one class can all move into the others.
#include "pairings/ColourTable.h"

namespace corvane {

// Tries the `attempts` smallest classes in turn, and empties the first one
// whose every edge finds room elsewhere, directly or after swapping two other
// colours along a path. Returns false, the colouring as it was, when none
// could be emptied or a class already was empty.
bool dropOneClass(ColourTable& table, int attempts);

} // namespace corvane
