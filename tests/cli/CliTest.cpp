// corvane-cli run in-process: help, version, wrong command lines, the CSV each
// command prints, and publish giving exactly what corvane-publish gives.
#include "CaseTable.h"
#include "SampleTournament.h"
#include "cli/CliApp.h"
#include "cli/PublishCommand.h"

#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <sstream>

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

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

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// Every file below `folder` with its bytes, to see that nothing was written.
std::map<std::string, std::string> snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files[entry.path().string()] = entry.is_regular_file() ? readBytes(entry.path()) : "/";
    return files;
}

TEST(Cli, AnswersHelpVersionAndWrongCommandLines) {
    TempDir dir;
    const std::string club = dir.file("club");
    fs::create_directory(club);
    const std::string broken = dir.file("broken");
    const std::string brokenFolder = writeSampleTournament(broken);
    fs::remove(brokenFolder + "games.txt");
    fs::create_directory(brokenFolder + "games.txt");
    const std::string version = "corvane-cli " CORVANE_VERSION "\n";
    const std::map<std::string, int> statuses{
        {"ok", cliOk}, {"usage", cliUsage}, {"failed", cliFailed}};
    const auto placed = [&](const std::string& text) {
        return replaceAll(replaceAll(replaceAll(text, "{club}", club), "{broken}", broken),
                          "{version}", version);
    };
    const auto rows = readCaseTable(CORVANE_CLI_CASES "/command-lines.tsv", 5);
    ASSERT_FALSE(rows.empty());
    for (const CaseRow& row : rows) {
        // Split before the folders go in, which may hold blanks of their own.
        std::istringstream words(row[0]);
        std::vector<std::string> arguments;
        for (std::string word; words >> word;)
            arguments.push_back(placed(word));
        const Outcome run = cli(arguments);
        const int status = statuses.at(row[1]);
        const std::string out = placed(row[2]), err = placed(row[3]);
        EXPECT_EQ(run.status, status) << row[0] << "\n" << run.err;
        EXPECT_TRUE(run.out.starts_with(out)) << row[0] << "\n" << run.out;
        EXPECT_TRUE(run.err.starts_with(err)) << row[0] << "\n" << run.err;
        EXPECT_NE((run.out + run.err).find(row[4]), std::string::npos) << row[0];
        // Help and version alone on standard output; a mistake alone on standard error.
        EXPECT_TRUE(status == cliOk ? run.err.empty() : run.out.empty()) << row[0];
        if (out == version) {
            EXPECT_EQ(run.out, version) << row[0];
        }
    }
    EXPECT_TRUE(fs::is_empty(club));
}

// Each command line of the golden file, run on the tournament beside it, prints
// exactly the CSV that follows it and writes no file. The names a spreadsheet
// would run as formulas get an apostrophe unless --raw asks for them as stored.
TEST(Cli, EveryCsvCommandPrintsItsGoldenOutputAndWritesNothing) {
    TempDir dir;
    fs::copy(CORVANE_CLI_CASES "/formula-names", dir.file("Tournament1"));
    writeBytes(dir.file("tournament.dat"), "TOURNAMENT 1\n");
    const auto before = snapshot(dir.path());
    const std::string golden = readBytes(std::string(CORVANE_CLI_CASES "/csv-commands.txt"));
    int commands = 0;
    for (std::size_t at = golden.find("$ "); at != std::string::npos; ++commands) {
        const std::size_t end = golden.find('\n', at);
        const std::size_t next = golden.find("\n$ ", end);
        const std::string line = golden.substr(at + 2, end - at - 2);
        std::istringstream words(line);
        std::vector<std::string> arguments{std::istream_iterator<std::string>(words), {}};
        arguments.push_back(dir.path());
        const Outcome run = cli(arguments);
        EXPECT_EQ(run.status, cliOk) << line << "\n" << run.err;
        EXPECT_EQ(run.out, golden.substr(end + 1, next == std::string::npos ? next : next - end))
            << line;
        at = next == std::string::npos ? next : next + 1;
    }
    EXPECT_EQ(commands, 9);
    EXPECT_EQ(snapshot(dir.path()), before);
}

// The older program gives the same pages, status and messages, each naming the
// program that was run, and its own usage.
TEST(Cli, PublishGivesWhatCorvanePublishGives) {
    TempDir dir;
    const std::string good = dir.file("good");
    const std::string goodFolder = writeSampleTournament(good);
    const std::string broken = dir.file("broken");
    const std::string brokenFolder = writeSampleTournament(broken);
    fs::create_directory(brokenFolder + "AnnBob.html");
    const std::string empty = dir.file("empty");
    fs::create_directories(empty + "/Tournament1");
    writeBytes(empty + "/tournament.dat", "TOURNAMENT 1\n");
    const std::string club = dir.file("club");
    fs::create_directory(club);

    // Arguments after the command's name, the exit status and what the output holds.
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{good}, cliOk, ""},
        {{good + "//"}, cliOk, ""},
        {{"--", good}, cliOk, ""},
        {{broken}, cliFailed, "Could not save " + brokenFolder + "AnnBob.html"},
        {{empty}, cliOk, "holds no teams; no page written"},
        {{club}, cliFailed, "no tournament in " + club},
        {{"--bogus"}, cliUsage, "Usage: corvane-publish"},
        {{"one", "two"}, cliUsage, "Usage: corvane-publish"},
    };
    for (const auto& [arguments, status, part] : cases) {
        const std::string shown = ::testing::PrintToString(arguments);
        const Outcome alone = capture(runPublish, arguments);
        std::vector<std::string> withCommand{"publish"};
        withCommand.insert(withCommand.end(), arguments.begin(), arguments.end());
        const Outcome run = cli(withCommand);

        EXPECT_EQ(alone.status, status) << shown << "\n" << alone.err;
        EXPECT_NE((alone.out + alone.err).find(part), std::string::npos) << shown << alone.err;
        EXPECT_EQ(run.status, alone.status) << shown;
        const auto renamed = [](const std::string& text) {
            return replaceAll(replaceAll(text, "corvane-cli publish", "corvane-publish"),
                              "corvane-cli: ", "corvane-publish: ");
        };
        EXPECT_EQ(renamed(run.out), alone.out) << shown;
        EXPECT_EQ(renamed(run.err), alone.err) << shown;
        EXPECT_EQ((run.out + run.err).find("corvane-publish"), std::string::npos) << shown;
    }
    EXPECT_EQ(capture(runPublish, {good}).out, samplePages(goodFolder));
    EXPECT_EQ(capture(runPublish, {broken}).out,
              brokenFolder + "tournament.html\n" + brokenFolder + "CidDee.html\n");
    EXPECT_EQ(capture(runPublish, {"--version"}).out, "corvane-publish " CORVANE_VERSION "\n");
    EXPECT_TRUE(capture(runPublish, {"--help"})
                    .out.starts_with("Usage: corvane-publish [OPTIONS] [WORKING-DIRECTORY]\n"));
}

} // namespace
} // namespace corvane::testing
