#include "AppTestFixture.h"

namespace corvane::testing {
namespace {

class ArchivedTournamentCommandTest : public AppTest {
protected:
    void SetUp() override {
        dir.write("tournament.dat", "TOURNAMENT 3\n");
        dir.write("Tournament3/players.txt", "PLAYER Ann\n");
        dir.write("Tournament2/players.txt", "PLAYER Bob\nPLAYER Cy\n");
        dir.write("Tournament2/tournament.html", "old page");
        open();
    }
    void expectTournamentThree() {
        EXPECT_EQ(store().tournamentFolder, "Tournament3");
        EXPECT_EQ(store().players.size(), 1u);
        EXPECT_TRUE(services.viewer.calls.empty());
    }
};

TEST_F(ArchivedTournamentCommandTest, AFileInATournamentFolderLoadsItAndShowsItsResults) {
    services.messages.answerYes();
    services.files.chosen = QString::fromStdString(dir.file("Tournament2/tournament.html"));
    trigger(32772);
    EXPECT_EQ(services.messages.captions(), (std::vector<QString>{"Alert", "Success"}));
    EXPECT_EQ(services.messages.shown()[0].text,
              "Are you sure you want to load an archived Tournament?");
    EXPECT_EQ(services.messages.shown()[1].text, "Your archived tournament has been loaded");

    ASSERT_EQ(services.files.requests.size(), 1u);
    const platform::OpenFileRequest& request = services.files.requests[0];
    EXPECT_EQ(request.title, "Please Select a Settings File");
    EXPECT_EQ(request.filter, "Settings File (*.html);;All Files (*.*)");
    EXPECT_EQ(request.startFolder, QString::fromStdString(dir.path()));
    EXPECT_EQ(services.files.owners[0], nullptr);

    EXPECT_EQ(store().tournamentFolder, "Tournament2");
    EXPECT_EQ(store().players.size(), 2u);
    EXPECT_EQ(store().tournamentNumber, 3);
    EXPECT_EQ(dir.read("tournament.dat"), "TOURNAMENT 3\n");
    EXPECT_EQ(
        services.viewer.calls,
        (std::vector<std::string>{"end", "start " + dir.file("Tournament2/tournament.html")}));
    EXPECT_TRUE(buttonsShown());
}

TEST_F(ArchivedTournamentCommandTest, AFileOutsideATournamentFolderIsAnErrorAndChangesNothing) {
    for (const std::string& outside :
         {dir.file("tournament.dat"), std::string("/nowhere/Tournament2/tournament.html")}) {
        SCOPED_TRACE(outside);
        services.messages.clear();
        services.messages.answerYes();
        services.files.chosen = QString::fromStdString(outside);
        trigger(32772);
        EXPECT_EQ(services.messages.captions(), (std::vector<QString>{"Alert", "Error"}));
        EXPECT_EQ(services.messages.shown()[1].owner, window.get());
        expectTournamentThree();
    }
}

TEST_F(ArchivedTournamentCommandTest, NoOrCancelEndsTheCommandSilently) {
    services.messages.answerNo();
    trigger(32772);
    EXPECT_TRUE(services.files.requests.empty());

    services.messages.clear();
    services.messages.answerYes();
    services.files.chosen.clear();
    trigger(32772);
    EXPECT_EQ(services.files.requests.size(), 1u);
    EXPECT_EQ(services.messages.captions(), (std::vector<QString>{"Alert"}));
    expectTournamentThree();
}

} // namespace
} // namespace corvane::testing
