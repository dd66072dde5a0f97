#include "cli/CsvNames.h"

#include <CLI/CLI.hpp>

namespace corvane {

void addCsvNamesOption(CLI::App& command, CsvNamesOption& option) {
    command.add_flag("--raw", option.raw,
                     "Print names exactly as stored, for programs. Without it a name beginning "
                     "with = + - @, a tab or a carriage return gets an apostrophe (') first, so "
                     "that no spreadsheet runs it as a formula");
}

} // namespace corvane
