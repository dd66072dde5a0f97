// Which leader board a display shows, followed from one publish to the next.
#include "reports/PublishedBoards.h"

#include "TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>

namespace corvane {
namespace {

namespace fs = std::filesystem;
using Change = PublishedBoards::Change;
using testing::utf8Path;
using testing::utf8Text;

class PublishedBoardsTest : public ::testing::Test {
protected:
    // Publishes `folder`'s board, `ageSeconds` old (by default each later than the
    // last); an empty text removes it.
    std::string publish(const std::string& folder, const std::string& text,
                        std::optional<int> ageSeconds = std::nullopt) {
        const fs::path board = (dir / utf8Path(folder) / "tournament.html").make_preferred();
        fs::create_directories(board.parent_path());
        if (text.empty()) {
            fs::remove(board);
        } else {
            std::ofstream(board) << text;
            fs::last_write_time(board, fs::file_time_type::clock::now() -
                                           std::chrono::seconds(ageSeconds.value_or(-++tick)));
        }
        return utf8Text(board);
    }

    testing::TempDir temp;
    fs::path dir = utf8Path(temp.path());
    int tick = 0;
};

TEST_F(PublishedBoardsTest, TheNewestBoardIsShownAndEachPublishIsSeenOnce) {
    const std::string first = publish("Tournament1", "1", 60);
    const std::string second = publish("Tournament2", "2", 30);
    fs::create_directories(dir / "NotATournament");
    PublishedBoards boards(utf8Text(dir));
    EXPECT_EQ(boards.current(), second);
    EXPECT_TRUE(boards.currentStamp().exists);
    EXPECT_EQ(boards.folders().size(), 4u) << "the working directory and its three folders";

    // What each step publishes, and what the display then does.
    const std::tuple<std::string, std::string, Change, std::string> steps[] = {
        {"", "", Change::none, second},
        {"Tournament2", "2 again", Change::rewritten, second},
        {"Tournament1", "1 again", Change::switched, first}, // an archived one republished
        {"Tournament3", "3", Change::switched, utf8Text(dir / "Tournament3" / "tournament.html")},
        {"Tournament3", "", Change::switched, first}, // gone: the newest left
    };
    for (const auto& [folder, text, change, shown] : steps) {
        if (!folder.empty())
            publish(folder, text);
        EXPECT_EQ(boards.check(), change) << folder << " " << text;
        EXPECT_EQ(boards.current(), shown) << folder << " " << text;
    }
    publish("Tournament1", "");
    publish("Tournament2", "");
    EXPECT_EQ(boards.check(), Change::vanished);
    EXPECT_TRUE(boards.current().empty());
}

TEST_F(PublishedBoardsTest, AWorkingDirectoryNotThereShowsNothingUntilItIsBack) {
    PublishedBoards boards(utf8Text(dir / "share"));
    EXPECT_TRUE(boards.current().empty());
    EXPECT_EQ(boards.check(), Change::none);
    const std::string board = publish("share/Tournament1", "1");
    EXPECT_EQ(boards.check(), Change::switched);
    EXPECT_EQ(boards.current(), board);
}

} // namespace
} // namespace corvane
