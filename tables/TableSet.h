#pragma once
// The tables of the round being played, each with its own link token. Opening
// the next round (or ending this one) revokes every token of the last.
#include "tables/TableToken.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace corvane::tables {

struct Table {
    int number = 0;    // from 1
    std::string team1; // both empty: the table names any two teams
    std::string team2;
    std::string token;
    bool saved = false; // its game is saved: the token no longer submits
    bool anyTeams() const { return team1.empty(); }
};

class TableSet {
public:
    // The tables of a round, numbered from 1 in the order of `pairs`.
    void open(const std::vector<std::pair<std::string, std::string>>& pairs,
              const RandomBytes& random);
    // `count` tables at which any two of `teams` may play.
    void openAnyTeams(int count, std::vector<std::string> teams, const RandomBytes& random);
    // The round ended: no token submits any more.
    void close();

    // The round's number as the phones see it: a link of an earlier round
    // names a round that is over.
    int round() const { return round_; }
    const std::vector<Table>& tables() const { return tables_; }
    // The teams an any-teams table may name.
    const std::vector<std::string>& teams() const { return teams_; }

    // The open table whose link holds `token`; null for an unknown or revoked one.
    const Table* find(std::string_view token) const;
    void markSaved(int number);

private:
    void replace(std::vector<Table> tables, const RandomBytes& random);

    int round_ = 0;
    std::vector<Table> tables_;
    std::vector<std::string> teams_;
    std::unordered_map<std::string, std::size_t> byToken_;
};

} // namespace corvane::tables
