#include "history/RestoreDifferences.h"

#include "history/JournalText.h"
#include "store/FileSystem.h"

#include <filesystem>
#include <unordered_map>

namespace corvane::history {

namespace {

// The records of `from` not matched one for one in `other` (a multiset difference).
std::vector<std::string> missingFrom(const std::vector<std::string>& from,
                                     const std::vector<std::string>& other) {
    std::unordered_map<std::string, std::size_t> count;
    for (const std::string& record : other) {
        ++count[record];
    }
    std::vector<std::string> missing;
    for (const std::string& record : from) {
        auto found = count.find(record);
        if (found == count.end() || found->second == 0) {
            missing.push_back(record);
        } else {
            --found->second;
        }
    }
    return missing;
}

void addLine(std::vector<std::string>& lines, const std::string& heading,
             const std::vector<std::string>& records, std::size_t mostNamed) {
    if (records.empty()) {
        return;
    }
    std::string line = heading + ": ";
    for (std::size_t i = 0; i < records.size() && i < mostNamed; ++i) {
        line += (i == 0 ? "" : "; ") + records[i];
    }
    if (records.size() > mostNamed) {
        line += "; and " + std::to_string(records.size() - mostNamed) + " more";
    }
    lines.push_back(std::move(line));
}

struct Records {
    std::vector<std::string> players;
    std::vector<std::string> teams;
    std::vector<std::string> games;
};

Records recordsOf(const TournamentStore& store) {
    Records records;
    for (const std::string& player : store.players()) {
        records.players.push_back(player);
    }
    for (const TeamRecord& team : store.teams()) {
        records.teams.push_back(team.teamName);
    }
    for (const GameRecord& game : store.games()) {
        records.games.push_back(describeGame(game));
    }
    return records;
}

} // namespace

std::vector<std::string> restoreDifferences(const TournamentStore& now,
                                            const TournamentVersion& version,
                                            std::size_t mostNamed) {
    TournamentStore then;
    const std::filesystem::path folder = os::pathOf(version.folder);
    then.workingDirectory = os::utf8Of(folder.parent_path());
    then.tournamentFolder = os::utf8Of(folder.filename());
    (void)then.readPlayers();
    (void)then.readTeams();
    (void)then.readGames();
    const Records before = recordsOf(now);
    const Records after = recordsOf(then);
    std::vector<std::string> lines;
    const auto compare = [&](const char* noun, const std::vector<std::string>& present,
                             const std::vector<std::string>& restored) {
        addLine(lines, std::string(noun) + " back", missingFrom(restored, present), mostNamed);
        addLine(lines, std::string(noun) + " gone", missingFrom(present, restored), mostNamed);
    };
    compare("Players", before.players, after.players);
    compare("Teams", before.teams, after.teams);
    compare("Games", before.games, after.games);
    return lines;
}

} // namespace corvane::history
