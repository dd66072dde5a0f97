#pragma once
// A store whose tournament folder lies in a temporary working directory of its
// own, removed with everything in it when the benchmark is done.
#include "store/TournamentStore.h"

#include <filesystem>
#include <stdexcept>
#include <stdlib.h>
#include <string>

namespace corvane::bench {

struct ScratchTournament {
    std::filesystem::path workingDirectory;
    TournamentStore store;

    // `prefix` names the temporary directory after the benchmark that made it.
    explicit ScratchTournament(const std::string& prefix) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a temporary directory");
        }
        workingDirectory = pattern;
        store.workingDirectory = workingDirectory.string();
        store.tournamentFolder = "Tournament1";
        store.noTournamentYet = false;
        std::filesystem::create_directory(workingDirectory / store.tournamentFolder);
    }
    ~ScratchTournament() {
        std::error_code ignored;
        std::filesystem::remove_all(workingDirectory, ignored);
    }
    ScratchTournament(const ScratchTournament&) = delete;
    ScratchTournament& operator=(const ScratchTournament&) = delete;
};

} // namespace corvane::bench
