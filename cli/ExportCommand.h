#pragma once
// corvane-cli export: one table of a working directory's current tournament as
// CSV on standard output.
#include "cli/CliCommand.h"

namespace corvane {

extern const CliCommand exportCommand;

} // namespace corvane
