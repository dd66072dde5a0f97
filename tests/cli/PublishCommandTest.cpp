// corvane-publish run as a child process on tournaments in a temporary directory.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class PublishCommand : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "corvane-publish-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a temporary directory");
        }
        root = pattern;
        work = root / "club";
        fs::create_directory(work);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }

    // Runs the program with `arguments` (already quoted) from directory `from`.
    Outcome run(const std::string& arguments, const fs::path& from) const {
        const std::string command = "cd '" + from.string() + "' && '" CORVANE_PUBLISH_PATH "' " +
                                    arguments + " >'" + (root / "out").string() + "' 2>'" +
                                    (root / "err").string() + "'";
        const int status = std::system(command.c_str());
        Outcome result;
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = readAll(root / "out");
        result.err = readAll(root / "err");
        return result;
    }

    void makeTournament(int number) const {
        writeText(work / "tournament.dat", "TOURNAMENT " + std::to_string(number) + "\n");
        const fs::path folder = work / ("Tournament" + std::to_string(number));
        fs::create_directory(folder);
        writeText(folder / "players.txt", "PLAYER Ann\nPLAYER Bob\nPLAYER Cid\nPLAYER Dee\n");
        writeText(folder / "teams.txt", "TEAM Ann & Bob\nTEAM Cid & Dee\n");
        writeText(folder / "games.txt", "GAME\n{\n   TEAM1_NAME Ann & Bob\n   TEAM1_SCORE 120\n"
                                        "   TEAM1_FLAGS 1\n   TEAM2_NAME Cid & Dee\n"
                                        "   TEAM2_SCORE 150\n   TEAM2_FLAGS 0\n}\n");
    }

    fs::path root;
    fs::path work;
};

TEST_F(PublishCommand, HelpVersionAndWrongUsage) {
    Outcome help = run("--help", root);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("Usage: corvane-publish", 0), 0u);
    EXPECT_TRUE(help.err.empty());

    Outcome version = run("--version", root);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "corvane-publish " CORVANE_VERSION "\n");

    for (const char* wrong : {"--bogus", "-x", "one two"}) {
        Outcome bad = run(wrong, root);
        EXPECT_EQ(bad.exitCode, 2) << wrong;
        EXPECT_TRUE(bad.out.empty()) << wrong;
        EXPECT_NE(bad.err.find("Usage: corvane-publish"), std::string::npos) << wrong;
    }
}

TEST_F(PublishCommand, NoTournamentIsAnErrorAndWritesNothing) {
    const Outcome result = run("club", root);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.empty());
    EXPECT_NE(result.err.find("no tournament"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(work));
}

TEST_F(PublishCommand, PublishesTheCurrentTournamentOfTheDirectory) {
    makeTournament(3);
    const fs::path folder = work / "Tournament3";
    const std::string expected = (folder / "tournament.html").string() + "\n" +
                                 (folder / "CidDee.html").string() + "\n" +
                                 (folder / "AnnBob.html").string() + "\n";

    const Outcome named = run("'" + work.string() + "/'", root);
    EXPECT_EQ(named.exitCode, 0) << named.err;
    EXPECT_EQ(named.out, expected);
    EXPECT_NE(readAll(folder / "tournament.html")
                  .find("&nbsp;1st </span></td>\n<td bgcolor=\"#FFFFFF\">"
                        "<span class=\"style23\"><a href=\"CidDee.html\">"),
              std::string::npos);
    EXPECT_NE(readAll(folder / "AnnBob.html").find("<b>L:</b>&nbsp;&nbsp;Cid &amp; Dee"),
              std::string::npos);

    // Without an argument the current directory is the working directory.
    const Outcome current = run("", work);
    EXPECT_EQ(current.exitCode, 0) << current.err;
    EXPECT_EQ(fs::canonical(fs::path(current.out.substr(0, current.out.find('\n')))),
              fs::canonical(folder / "tournament.html"));
}

TEST_F(PublishCommand, AnUnwritablePageFailsTheRun) {
    makeTournament(1);
    fs::create_directory(work / "Tournament1" / "AnnBob.html");
    const Outcome result = run("'" + work.string() + "'", root);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.out.find("CidDee.html"), std::string::npos);
    EXPECT_NE(result.err.find("Could not save " + (work / "Tournament1" / "AnnBob.html").string()),
              std::string::npos);
}

} // namespace
