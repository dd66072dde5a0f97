// corvane-cli run in-process: help, version, wrong command lines, and publish
// giving exactly what corvane-publish gives.
#include "SampleTournament.h"
#include "cli/CliApp.h"
#include "cli/PublishCommand.h"

#include <gtest/gtest.h>
#include <sstream>

namespace corvane::testing {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

using Runner = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

Outcome capture(Runner runner, const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runner(arguments, out, err);
    return {status, out.str(), err.str()};
}

Outcome cli(const std::vector<std::string>& arguments) {
    return capture(runCli, arguments);
}

Outcome publishAlone(const std::vector<std::string>& arguments) {
    return capture(runPublish, arguments);
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

TEST(Cli, AnswersHelpVersionAndWrongCommandLines) {
    TempDir dir;
    const std::string club = dir.file("club");
    std::filesystem::create_directory(club);
    const std::string version = "corvane-cli " CORVANE_VERSION "\n";
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string out;  // how standard output starts
        std::string err;  // how standard error starts
        std::string part; // what the help or the message holds
    };
    const Case cases[] = {
        {{"--help"}, cliOk, "Usage: corvane-cli [OPTIONS] SUBCOMMAND\n", "", "\n  publish "},
        {{"-h"}, cliOk, "Usage: corvane-cli [OPTIONS] SUBCOMMAND\n", "", "--version"},
        {{"--version"}, cliOk, version, "", ""},
        {{"publish", "--help"},
         cliOk,
         "Usage: corvane-cli publish [OPTIONS] [WORKING-DIRECTORY]\n",
         "",
         "Exit status: 0"},
        {{"publish", "--version"}, cliOk, version, "", ""},
        {{}, cliUsage, "", "corvane-cli: A subcommand is required", "Usage: corvane-cli "},
        {{"bogus"}, cliUsage, "", "corvane-cli: ", "bogus"},
        {{"--bogus", "publish"}, cliUsage, "", "corvane-cli: ", "--bogus"},
        {{"publish", "--bogus"}, cliUsage, "", "corvane-cli: ", "Usage: corvane-cli publish "},
        {{"publish", "-x", club}, cliUsage, "", "corvane-cli: ", "-x"},
        {{"publish", club, "two"}, cliUsage, "", "corvane-cli: ", "two"},
        {{"publish", club},
         cliFailed,
         "",
         "corvane-cli: no tournament in " + club + " (its tournament.dat names none)\n",
         ""},
    };
    for (const Case& c : cases) {
        const Outcome run = cli(c.arguments);
        const std::string shown = ::testing::PrintToString(c.arguments);
        EXPECT_EQ(run.status, c.status) << shown << "\n" << run.err;
        EXPECT_TRUE(run.out.starts_with(c.out)) << shown << "\n" << run.out;
        EXPECT_TRUE(run.err.starts_with(c.err)) << shown << "\n" << run.err;
        EXPECT_NE((run.out + run.err).find(c.part), std::string::npos) << shown;
        // Help and version alone on standard output; a mistake alone on standard error.
        EXPECT_TRUE(c.status == cliOk ? run.err.empty() : run.out.empty()) << shown;
        if (c.out == version) {
            EXPECT_EQ(run.out, version) << shown;
        }
    }
    EXPECT_TRUE(std::filesystem::is_empty(club));
}

TEST(Cli, PublishGivesWhatCorvanePublishGives) {
    TempDir dir;
    const std::string good = dir.file("good");
    const std::string goodFolder = writeSampleTournament(good);
    const std::string broken = dir.file("broken");
    const std::string brokenFolder = writeSampleTournament(broken);
    std::filesystem::create_directory(brokenFolder + "AnnBob.html");
    const std::string empty = dir.file("empty");
    std::filesystem::create_directories(empty + "/Tournament1");
    writeBytes(empty + "/tournament.dat", "TOURNAMENT 1\n");
    const std::string club = dir.file("club");
    std::filesystem::create_directory(club);

    // Arguments after the command's name, the exit status and what standard error holds.
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{good}, cliOk, ""},
        {{good + "//"}, cliOk, ""},
        {{"--", good}, cliOk, ""},
        {{broken}, cliFailed, "Could not save " + brokenFolder + "AnnBob.html"},
        {{empty}, cliOk, "holds no teams; no page written"},
        {{club}, cliFailed, "no tournament in " + club},
    };
    for (const auto& [arguments, status, part] : cases) {
        const std::string shown = ::testing::PrintToString(arguments);
        const Outcome alone = publishAlone(arguments);
        std::vector<std::string> withCommand{"publish"};
        withCommand.insert(withCommand.end(), arguments.begin(), arguments.end());
        const Outcome run = cli(withCommand);

        EXPECT_EQ(alone.status, status) << shown << "\n" << alone.err;
        EXPECT_NE(alone.err.find(part), std::string::npos) << shown << "\n" << alone.err;
        EXPECT_EQ(run.status, alone.status) << shown;
        EXPECT_EQ(run.out, alone.out) << shown;
        // The same messages, each naming the program that was run.
        EXPECT_EQ(replaceAll(run.err, "corvane-cli: ", "corvane-publish: "), alone.err) << shown;
        EXPECT_EQ(run.err.find("corvane-publish"), std::string::npos) << shown;
    }
    EXPECT_EQ(publishAlone({good}).out, samplePages(goodFolder));
    EXPECT_EQ(publishAlone({broken}).out,
              brokenFolder + "tournament.html\n" + brokenFolder + "CidDee.html\n");
}

} // namespace
} // namespace corvane::testing
