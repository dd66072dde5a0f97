#pragma once
// corvane-cli pairings and corvane-cli schedule: the next round and the
// schedule of the pairs still to meet, printed as CSV; no file is written.
#include "cli/CliCommand.h"

namespace corvane {

extern const CliCommand pairingsCommand;
extern const CliCommand scheduleCommand;

} // namespace corvane
