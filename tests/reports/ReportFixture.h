#pragma once
// A tournament built by hand in a temporary working directory, for the page tests.
#include "reports/WriteReports.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>

namespace corvane::testing {

// Every file in `folder` by name, with its bytes.
inline std::map<std::string, std::string> readPages(const std::filesystem::path& folder) {
    std::map<std::string, std::string> all;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (std::ifstream in(entry.path(), std::ios::binary); entry.is_regular_file())
            all[entry.path().filename().string()].assign(std::istreambuf_iterator<char>(in), {});
    return all;
}

// The pages expected of a test's tournament, kept as files beside the tests.
inline std::map<std::string, std::string> goldenPages(const std::string& name) {
    return readPages(std::filesystem::path(CORVANE_GOLDEN_DIR) / name);
}

struct ReportFixture {
    ReportFixture() {
        std::string pattern = (std::filesystem::temp_directory_path() / "corvane-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a temporary directory");
        workingDirectory = pattern;
        folder = workingDirectory / "Tournament1";
        std::filesystem::create_directory(folder);
        store.workingDirectory = pattern;
        store.tournamentFolder = "Tournament1";
    }
    ~ReportFixture() {
        std::error_code ignored;
        std::filesystem::remove_all(workingDirectory, ignored);
    }

    // Every team has every other one as an opponent still to play, in the order added.
    TeamRecord& addTeam(const std::string& first, const std::string& second) {
        auto team = std::make_unique<TeamRecord>();
        team->firstPlayer = first;
        team->secondPlayer = second;
        team->teamName = first + " & " + second;
        store.appendTeam(std::move(team));
        store.refreshOpponentLists();
        return *store.teams.back();
    }

    // Records a game as the results dialog does: statistics and played marks.
    void addGame(const GameRecord& game) {
        store.appendGame(std::make_unique<GameRecord>(game));
        store.applyGameResult(game);
        store.findTeam(game.team1Name)->markOpponentPlayed(game.team2Name, 1);
        store.findTeam(game.team2Name)->markOpponentPlayed(game.team1Name, 1);
    }

    // The first players of the teams in list order.
    std::vector<std::string> teamOrder() const {
        std::vector<std::string> names;
        for (const auto& team : store.teams)
            names.push_back(team->firstPlayer);
        return names;
    }

    std::filesystem::path workingDirectory;
    std::filesystem::path folder;
    TournamentStore store;
};

} // namespace corvane::testing
