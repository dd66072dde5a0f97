#pragma once
// The rules a change must pass before it is made, the same whether its values
// were typed in a window, read from a list or a journal line, or sent by a table.
#include "history/Change.h"
#include "store/TournamentStore.h"

#include <string>

namespace corvane::history {

// Empty when `change` may be made to `store` now; otherwise why not, as a
// clause for a person ("there is no team named Ann & Bob").
std::string checkChange(const TournamentStore& store, const Change& change);

} // namespace corvane::history
