#pragma once
// The --raw option of every command that prints CSV. Names that a spreadsheet
// would run as formulas are written with an apostrophe before them unless
// --raw asks for every name exactly as stored, for programs that read the CSV.
#include "exports/Csv.h"

namespace CLI {
class App;
}

namespace corvane {

struct CsvNamesOption {
    bool raw = false;
    csv::NameFields fields() const {
        return raw ? csv::NameFields::exact : csv::NameFields::guarded;
    }
};

void addCsvNamesOption(CLI::App& command, CsvNamesOption& option);

} // namespace corvane
