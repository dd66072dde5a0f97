#pragma once
// A working directory whose current tournament holds two teams and one game.
#include "TempDir.h"

#include <filesystem>
#include <string>

namespace corvane::testing {

// Writes the tournament into `workingDirectory`; returns its folder, ending in '/'.
inline std::string writeSampleTournament(const std::string& workingDirectory) {
    const std::string folder = workingDirectory + "/Tournament3/";
    std::filesystem::create_directories(folder);
    writeBytes(workingDirectory + "/tournament.dat", "TOURNAMENT 3\n");
    writeBytes(folder + "teams.txt", "TEAM Ann & Bob\nTEAM Cid & Dee\n");
    writeBytes(folder + "games.txt", "GAME\n{\n   TEAM1_NAME Ann & Bob\n   TEAM1_SCORE 120\n"
                                     "   TEAM2_NAME Cid & Dee\n   TEAM2_SCORE 150\n}\n");
    return folder;
}

// The pages publishing the sample writes, one a line, in the order they are written.
inline std::string samplePages(const std::string& folder) {
    return folder + "tournament.html\n" + folder + "CidDee.html\n" + folder + "AnnBob.html\n";
}

} // namespace corvane::testing
