#include "AppTestFixture.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

namespace corvane::testing {
namespace {

using NewTournamentCommandTest = AppTest;
using platform::MessageButtons;

const char* const question = "Are you sure you want to start a new Tournament?\n\nNote: Old "
                             "tournament data will be archived";

TEST_F(NewTournamentCommandTest, TheFirstTournamentStartsWithoutAQuestion) {
    QTemporaryDir defaults;
    const std::string defaultsPath = defaults.path().toStdString();
    std::ofstream(defaultsPath + "/title.jpg") << "default banner";
    std::ofstream(defaultsPath + "/back.jpg") << "default background";
    dir.write("title.jpg", "banner");
    open();
    window->setDefaultImagesFolder(defaultsPath);
    trigger(32771);
    EXPECT_TRUE(services.messages.shown().empty());
    EXPECT_TRUE(buttonsShown());
    EXPECT_EQ(dir.read("tournament.dat"), "TOURNAMENT 1\n");
    EXPECT_EQ(dir.read("Tournament1/title.jpg"), "banner");
    EXPECT_EQ(dir.read("Tournament1/back.jpg"), "default background");
    EXPECT_EQ(store().tournamentFolder, "Tournament1");
}

TEST_F(NewTournamentCommandTest, AnsweredNoNothingChangesAnsweredYesTheNextOneStarts) {
    dir.write("tournament.dat", "TOURNAMENT 4\n");
    dir.write("Tournament4/players.txt", "PLAYER Ann\n");
    open();

    services.messages.answerNo();
    trigger(32771);
    ASSERT_EQ(services.messages.shown().size(), 1u);
    EXPECT_EQ(services.messages.shown()[0].text, question);
    EXPECT_EQ(services.messages.shown()[0].caption, "Warning");
    EXPECT_EQ(services.messages.shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(services.messages.shown()[0].owner, window.get());
    EXPECT_EQ(store().players.size(), 1u);
    EXPECT_EQ(dir.read("tournament.dat"), "TOURNAMENT 4\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("Tournament5")));

    services.messages.clear();
    services.messages.answerYes();
    trigger(32771);
    EXPECT_EQ(services.messages.captions(), (std::vector<QString>{"Warning", "Success"}));
    EXPECT_EQ(services.messages.shown()[1].text, "A new tournament has been created");
    EXPECT_EQ(services.messages.shown()[1].buttons, MessageButtons::Ok);
    EXPECT_EQ(dir.read("tournament.dat"), "TOURNAMENT 5\n");
    EXPECT_TRUE(store().players.empty());
    EXPECT_TRUE(buttonsShown());
    EXPECT_EQ(dir.read("Tournament4/players.txt"), "PLAYER Ann\n");
}

TEST_F(NewTournamentCommandTest, AFailureIsAnErrorAndThePreviousTournamentStaysOpen) {
    dir.write("tournament.dat", "TOURNAMENT 4\n");
    dir.write("Tournament4/players.txt", "PLAYER Ann\n");
    dir.write("Tournament5", "a file where the folder should go");
    open();
    services.messages.answerYes();
    trigger(32771);
    EXPECT_EQ(services.messages.captions(), (std::vector<QString>{"Warning", "Error"}));
    const ShownBox& error = services.messages.shown()[1];
    EXPECT_TRUE(error.text.contains(QString::fromStdString(dir.file("Tournament5"))));
    EXPECT_EQ(error.owner, window.get());
    EXPECT_EQ(store().tournamentFolder, "Tournament4");
    EXPECT_EQ(store().players.size(), 1u);
    EXPECT_EQ(dir.read("tournament.dat"), "TOURNAMENT 4\n");

    // In the no-tournament state a failure keeps the buttons hidden.
    window.reset();
    std::filesystem::remove(dir.file("tournament.dat"));
    std::filesystem::create_directories(dir.file("tournament.dat/blocked"));
    open();
    services.messages.clear();
    trigger(32771);
    EXPECT_EQ(services.messages.captions(), (std::vector<QString>{"Error"}));
    EXPECT_TRUE(services.messages.shown()[0].text.contains("tournament.dat"));
    EXPECT_FALSE(buttonsShown());
    EXPECT_EQ(store().noTournamentYet, 1);
}

} // namespace
} // namespace corvane::testing
