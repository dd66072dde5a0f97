#include "tables/TableSet.h"

namespace corvane::tables {

void TableSet::open(const std::vector<std::pair<std::string, std::string>>& pairs,
                    const RandomBytes& random) {
    std::vector<Table> tables;
    tables.reserve(pairs.size());
    for (const auto& [first, second] : pairs) {
        tables.push_back(Table{static_cast<int>(tables.size()) + 1, first, second, {}, false});
    }
    teams_.clear();
    replace(std::move(tables), random);
}

void TableSet::openAnyTeams(int count, std::vector<std::string> teams, const RandomBytes& random) {
    std::vector<Table> tables;
    for (int number = 1; number <= count; ++number) {
        tables.push_back(Table{number, {}, {}, {}, false});
    }
    teams_ = std::move(teams);
    replace(std::move(tables), random);
}

void TableSet::close() {
    tables_.clear();
    teams_.clear();
    byToken_.clear();
}

void TableSet::replace(std::vector<Table> tables, const RandomBytes& random) {
    ++round_;
    byToken_.clear();
    for (std::size_t i = 0; i < tables.size(); ++i) {
        // A repeated token (never seen with 128 bits) is drawn again rather
        // than giving two tables one link.
        do {
            tables[i].token = makeToken(random);
        } while (!byToken_.emplace(tables[i].token, i).second);
    }
    tables_ = std::move(tables);
}

const Table* TableSet::find(std::string_view token) const {
    const auto found = byToken_.find(std::string(token));
    return found == byToken_.end() ? nullptr : &tables_[found->second];
}

void TableSet::markSaved(int number) {
    if (number >= 1 && static_cast<std::size_t>(number) <= tables_.size()) {
        tables_[static_cast<std::size_t>(number) - 1].saved = true;
    }
}

} // namespace corvane::tables
