// The queue of results from the tables: confirmed by both teams on one phone
// or two, mismatches kept for the organiser, who accepts, edits or rejects.
#include "ServiceFixture.h"

#include <sstream>

namespace corvane::testing {
namespace {

using namespace corvane::tables;

struct Case {
    const char* what;
    bool saveConfirmed;
    // Entries sent to table 1, each "id score1 score2 both-teams-confirm answer".
    std::vector<std::string> steps;
    ResultState state;
    std::size_t saves;
};

class QueueCases : public ServiceTest, public ::testing::WithParamInterface<Case> {};

TEST_P(QueueCases, EndAsExpected) {
    const Case& c = GetParam();
    SCOPED_TRACE(c.what);
    service.setSaveConfirmed(c.saveConfirmed);
    for (const std::string& step : c.steps) {
        std::istringstream words(step);
        std::string id, s1, s2, answer;
        bool both = false;
        words >> id >> s1 >> s2 >> both >> answer;
        EXPECT_EQ(send(1, form(id, s1, s2, both)).body, answer) << step;
    }
    ASSERT_EQ(service.queue().items().size(), 1u);
    EXPECT_EQ(service.queue().items()[0].state, c.state);
    EXPECT_EQ(saved.size(), c.saves);
    EXPECT_EQ(service.queue().items()[0].when, "21:30");
    EXPECT_EQ(service.queue().items()[0].device.rfind("10.0.0.2", 0), 0u);
}

// A phone's entry of 150 to 120 for one team alone, and a second phone's.
const std::string firstEntry = "phone-a1 150 120 0 waiting-other";
const std::string differs = "phone-b1 150 121 0 waiting-organiser";
using enum ResultState;

INSTANTIATE_TEST_SUITE_P(
    Tables, QueueCases,
    ::testing::Values(
        Case{
            "one phone, both teams", false, {"phone-a1 150 120 1 waiting-organiser"}, confirmed, 0},
        Case{"one phone, saved at once", true, {"phone-a1 150 120 1 saved"}, saved, 1},
        Case{"entered by one team", true, {firstEntry}, entered, 0},
        Case{"two phones agree", true, {firstEntry, "phone-b1 150 120 0 saved"}, saved, 1},
        Case{"two phones differ", true, {firstEntry, differs}, mismatch, 0},
        Case{
            "a mismatch mended", true, {firstEntry, differs, "phone-b2 150 120 0 saved"}, saved, 1},
        Case{"retries of one entry confirm nothing", true, {firstEntry, firstEntry}, entered, 0}));

TEST_F(ServiceTest, TheOrganiserAcceptsEditsOrRejects) {
    send(1, form("phone-a-001", "150", "120", true));
    send(2, form("phone-b-001", "90", "80", false));
    ASSERT_EQ(service.queue().items().size(), 2u);

    service.reject(0);
    EXPECT_EQ(service.queue().items()[0].state, ResultState::rejected);
    EXPECT_FALSE(service.accept(0)) << "a rejected result is not saved";
    EXPECT_EQ(send(1, form("phone-a-001", "150", "120", true)).body, "rejected") << "a retry";
    EXPECT_EQ(send(1, form("phone-a-002", "150", "110", true)).body, "waiting-organiser")
        << "entered again";
    ASSERT_EQ(service.queue().items().size(), 3u);

    GameRecord edited = service.queue().items()[1].game;
    edited.team1Score = 95;
    doorSaves = false;
    EXPECT_FALSE(service.accept(1, edited)) << "the door refused it";
    EXPECT_EQ(service.queue().items()[1].state, ResultState::entered);
    doorSaves = true;
    EXPECT_TRUE(service.accept(1, edited));
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].game.team1Score, 95);
    EXPECT_EQ(saved[0].table, 2);
    EXPECT_EQ(service.queue().items()[1].game.team1Score, 95);
    EXPECT_FALSE(service.accept(1)) << "saved once";
    EXPECT_EQ(send(2, form("phone-b-001", "90", "80", false)).body, "saved");

    EXPECT_EQ(service.queue().waiting(), 1u);

    // The round ends: what was left cannot be saved later.
    service.openRound({{"Ann & Bob", "Eve & Fay"}}, random);
    EXPECT_TRUE(service.queue().items().empty());
    EXPECT_FALSE(service.accept(2));
    EXPECT_EQ(saved.size(), 1u);
}

} // namespace
} // namespace corvane::testing
