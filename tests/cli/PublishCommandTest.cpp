// corvane-publish and corvane-cli run as child processes on tournaments in a
// temporary directory.
#include "SampleTournament.h"
#include "TestSystem.h"

#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

// Exit status, standard output and standard error of `program` run with `arguments`
// from the folder `from`.
std::string run(const TempDir& dir, const std::string& program, const std::string& from,
                const std::vector<std::string>& arguments) {
    const ProgramRun ran = runProgram(program, arguments, from, dir.path());
    return std::to_string(ran.status) + "|" + ran.out + "|" + ran.err;
}

std::string publish(const TempDir& dir, const std::string& from,
                    const std::vector<std::string>& arguments) {
    return run(dir, CORVANE_PUBLISH_PATH, from, arguments);
}

TEST(PublishCommand, UsageAndNoTournament) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("club"));
    EXPECT_EQ(publish(dir, dir.path(), {"--version"}), "0|corvane-publish " CORVANE_VERSION "\n|");
    // Arguments, how the result starts, and what it holds.
    const std::tuple<std::vector<std::string>, const char*, const char*> cases[] = {
        {{"--help"}, "0|Usage: corvane-publish", ""},
        {{"--bogus"}, "2||", "Usage: corvane-publish"},
        {{"-x"}, "2||", "Usage: corvane-publish"},
        {{"one", "two"}, "2||", "Usage: corvane-publish"},
        {{"club"}, "1||", "no tournament"}};
    for (const auto& [arguments, start, part] : cases) {
        const std::string result = publish(dir, dir.path(), arguments);
        EXPECT_TRUE(result.starts_with(start) && result.find(part) != std::string::npos) << result;
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("club")));
}

TEST(PublishCommand, PublishesTheTournamentOfTheDirectoryAndFailsOnAPageItCannotWrite) {
    TempDir dir;
    const std::string folder = writeSampleTournament(dir.path());
    const std::string pages = samplePages(folder);
    EXPECT_EQ(publish(dir, "/", {dir.path() + "/"}), "0|" + pages + "|");
    EXPECT_EQ(publish(dir, dir.path(), {}), "0|" + pages + "|") << "the current directory";
    EXPECT_EQ(run(dir, CORVANE_CLI_PATH, dir.path(), {"publish"}), "0|" + pages + "|")
        << "the current directory, through corvane-cli";

    std::filesystem::remove(folder + "AnnBob.html");
    std::filesystem::create_directory(folder + "AnnBob.html");
    const std::string failed = publish(dir, dir.path(), {});
    EXPECT_TRUE(failed.starts_with("1|" + folder + "tournament.html\n" + folder + "CidDee.html\n|"))
        << failed;
    EXPECT_NE(failed.find("Could not save " + folder + "AnnBob.html"), std::string::npos);
}

} // namespace
} // namespace corvane::testing
