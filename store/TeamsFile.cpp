#include "store/AtomicFile.h"
#include "store/FileFormat.h"
#include "store/TextLines.h"
#include "store/TournamentStore.h"

namespace corvane {

// Only teamName is stored. A team is normally "A & B"; when a player's own name
// holds "&", the " & " with a registered player on each side is the true split.
void TournamentStore::splitTeamName(TeamRecord& team) const {
    const std::string& name = team.teamName;
    using fileformat::teamNameSeparator;
    for (auto at = name.find(teamNameSeparator); at != std::string::npos;
         at = name.find(teamNameSeparator, at + 1)) {
        const std::string_view first(name.data(), at);
        const std::string_view second =
            std::string_view(name).substr(at + teamNameSeparator.size());
        if (hasPlayer(first) && hasPlayer(second)) {
            team.firstPlayer = first;
            team.secondPlayer = second;
            return;
        }
    }
    const auto amp = name.find('&');
    if (amp == std::string::npos) {
        // Not a pair at all: the whole name stands for its one player.
        team.firstPlayer = name;
        team.secondPlayer.clear();
        return;
    }
    // The first "&", assuming one blank on each side of it.
    const std::size_t firstLength = amp == 0 ? 0 : amp - 1;
    const std::size_t secondLength = name.size() >= amp + 2 ? name.size() - amp - 2 : 0;
    team.firstPlayer = name.substr(0, firstLength);
    team.secondPlayer = name.substr(name.size() - secondLength);
}

ReadResult TournamentStore::readTeams() {
    const std::string path = filePath(fileformat::teamsFileName);
    bool tooMany = false;
    ReadResult read = forEachTextLine(path, [&](std::string_view line) {
        if (!fileformat::contains(line, fileformat::teamKey) || tooMany) {
            return;
        }
        // Every team keeps an entry for every other: past this, memory runs out.
        if (teams_.size() >= maxTeams) {
            tooMany = true;
            return;
        }
        auto team = std::make_unique<TeamRecord>();
        team->teamName =
            fileformat::nameAfter(line, fileformat::recordValueStart(fileformat::teamKey));
        splitTeamName(*team);
        appendTeam(std::move(team));
    });
    if (tooMany && !read.refused()) {
        read = ReadResult::refused(path, "it holds more than " + std::to_string(maxTeams) +
                                             " teams, more than the program can keep");
    }
    noteRead(path, read);
    // Lists for more teams than can be kept would run out of memory.
    if (!tooMany) {
        refreshOpponentLists();
    }
    return read;
}

SaveResult TournamentStore::writeTeams() {
    std::string contents;
    for (const auto& team : teams_) {
        contents += fileformat::teamKey;
        contents += ' ';
        contents += team->teamName;
        contents += '\n';
    }
    SaveResult result = saveFile(filePath(fileformat::teamsFileName), contents);
    refreshOpponentLists();
    return result;
}

} // namespace corvane
