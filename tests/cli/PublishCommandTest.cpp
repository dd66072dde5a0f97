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

// The programs' own start: the working directory named or the current one.
TEST(PublishCommand, PublishesTheTournamentOfTheDirectoryNamedOrTheCurrentOne) {
    TempDir dir;
    const std::string pages = samplePages(writeSampleTournament(dir.path()));
    EXPECT_EQ(publish(dir, "/", {dir.path() + "/"}), "0|" + pages + "|");
    EXPECT_EQ(publish(dir, dir.path(), {}), "0|" + pages + "|") << "the current directory";
    EXPECT_EQ(run(dir, CORVANE_CLI_PATH, dir.path(), {"publish"}), "0|" + pages + "|")
        << "the current directory, through corvane-cli";
}

// A folder published without its images (an old one, or by the command line
// alone) gets the program's own, while an image the organiser put there stays.
TEST(PublishCommand, GivesTheFolderTheDefaultImagesItLacksAndKeepsTheOrganisersOwn) {
    CORVANE_POSIX_ONLY("the program finds its default images beside it through /proc");
    const std::string jpeg = "\xFF\xD8";
    // What the folder holds before (empty: nothing) and what it holds after.
    const std::tuple<const char*, const char*, bool, bool> cases[] = {
        {"mine", "", false, true},
        {"", "mine", true, false},
    };
    for (const auto& [title, back, newTitle, newBack] : cases) {
        TempDir dir;
        const std::string folder = writeSampleTournament(dir.path());
        for (const auto& [name, bytes] : {std::pair{"title.jpg", title}, {"back.jpg", back}}) {
            if (*bytes != '\0') {
                writeBytes(folder + name, bytes);
            }
        }
        ASSERT_TRUE(publish(dir, dir.path(), {}).starts_with("0|"));
        EXPECT_EQ(readBytes(folder + "title.jpg").starts_with(jpeg), newTitle) << title << back;
        EXPECT_EQ(readBytes(folder + "back.jpg").starts_with(jpeg), newBack) << title << back;
        EXPECT_EQ(readBytes(folder + "title.jpg") == "mine", !newTitle);
        EXPECT_EQ(readBytes(folder + "back.jpg") == "mine", !newBack);
    }
}

// Output cut short (a full disk, here /dev/full) is never taken for printed:
// each command says so, naming standard output, and ends with status 1.
TEST(PublishCommand, EveryCommandFailsAndSaysSoWhenStandardOutputCannotBeWritten) {
    const std::string full = "/dev/full";
    if (!std::filesystem::exists(full)) {
        GTEST_SKIP() << "no " << full << " on this system";
    }
    TempDir dir;
    writeSampleTournament(dir.path());
    const std::pair<const char*, const char*> cases[] = {
        {CORVANE_CLI_PATH, "publish"},  {CORVANE_CLI_PATH, "export teams"},
        {CORVANE_CLI_PATH, "pairings"}, {CORVANE_CLI_PATH, "schedule --raw"},
        {CORVANE_CLI_PATH, "--help"},   {CORVANE_PUBLISH_PATH, ""},
    };
    for (const auto& [program, arguments] : cases) {
        // Through the shell, which points standard output at the full device.
        const std::string command = "cd '" + dir.path() + "' && '" + program + "' " + arguments +
                                    " >" + full + " 2>'" + dir.file("err") + "'";
        const int status = std::system(command.c_str());
        const int exitStatus = (status >> 8) & 0xff; // as wait(2) packs it
        const std::string err = readBytes(dir.file("err"));
        EXPECT_EQ(exitStatus, 1) << arguments;
        EXPECT_TRUE(err.ends_with(": could not write to standard output; what it shows is "
                                  "incomplete\n"))
            << arguments << "\n"
            << err;
    }
}

} // namespace
} // namespace corvane::testing
