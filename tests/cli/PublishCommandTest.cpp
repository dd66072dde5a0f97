// corvane-publish run as a child process on tournaments in a temporary directory.
#include "TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace corvane::testing {
namespace {

// Exit status, standard output and standard error of the program run with `arguments`
// (already quoted) from the folder `from`.
std::string publish(const TempDir& dir, const std::string& from, const std::string& arguments) {
    const std::string command = "cd '" + from + "' && '" CORVANE_PUBLISH_PATH "' " + arguments +
                                " >'" + dir.file("out") + "' 2>'" + dir.file("err") + "'";
    const int status = std::system(command.c_str());
    return std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) + "|" +
           readBytes(dir.file("out")) + "|" + readBytes(dir.file("err"));
}

TEST(PublishCommand, UsageAndNoTournament) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("club"));
    EXPECT_EQ(publish(dir, dir.path(), "--version"), "0|corvane-publish " CORVANE_VERSION "\n|");
    // Arguments, how the result starts, and what it holds.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"--help", "0|Usage: corvane-publish", ""},
        {"--bogus", "2||", "Usage: corvane-publish"},
        {"-x", "2||", "Usage: corvane-publish"},
        {"one two", "2||", "Usage: corvane-publish"},
        {"club", "1||", "no tournament"}};
    for (const auto& [arguments, start, part] : cases) {
        const std::string result = publish(dir, dir.path(), arguments);
        EXPECT_TRUE(result.starts_with(start) && result.find(part) != std::string::npos) << result;
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("club")));
}

TEST(PublishCommand, PublishesTheTournamentOfTheDirectoryAndFailsOnAPageItCannotWrite) {
    TempDir dir;
    const std::string folder = dir.file("Tournament3/");
    writeBytes(dir.file("tournament.dat"), "TOURNAMENT 3\n");
    std::filesystem::create_directory(folder);
    writeBytes(folder + "teams.txt", "TEAM Ann & Bob\nTEAM Cid & Dee\n");
    writeBytes(folder + "games.txt", "GAME\n{\n   TEAM1_NAME Ann & Bob\n   TEAM1_SCORE 120\n"
                                     "   TEAM2_NAME Cid & Dee\n   TEAM2_SCORE 150\n}\n");
    const std::string pages =
        folder + "tournament.html\n" + folder + "CidDee.html\n" + folder + "AnnBob.html\n";
    EXPECT_EQ(publish(dir, "/", "'" + dir.path() + "/'"), "0|" + pages + "|");
    EXPECT_EQ(publish(dir, dir.path(), ""), "0|" + pages + "|") << "the current directory";

    std::filesystem::remove(folder + "AnnBob.html");
    std::filesystem::create_directory(folder + "AnnBob.html");
    const std::string failed = publish(dir, dir.path(), "");
    EXPECT_TRUE(failed.starts_with("1|" + folder + "tournament.html\n" + folder + "CidDee.html\n|"))
        << failed;
    EXPECT_NE(failed.find("Could not save " + folder + "AnnBob.html"), std::string::npos);
}

} // namespace
} // namespace corvane::testing
