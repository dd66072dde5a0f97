// The queue of results from the tables: confirmed by both teams on one phone
// or two, mismatches kept for the organiser, who accepts, edits or rejects.
#include "ServiceFixture.h"

namespace corvane::testing {
namespace {

using namespace corvane::tables;

struct Step {
    std::string id;
    std::string s1, s2;
    bool both;
    std::string answer;
};

struct Case {
    const char* what;
    bool saveConfirmed;
    std::vector<Step> steps;
    ResultState state;
    std::size_t saves;
};

class QueueCases : public ServiceTest, public ::testing::WithParamInterface<Case> {};

TEST_P(QueueCases, EndAsExpected) {
    const Case& c = GetParam();
    service.setSaveConfirmed(c.saveConfirmed);
    for (const Step& step : c.steps) {
        EXPECT_EQ(send(1, form(step.id, step.s1, step.s2, step.both)).body, step.answer)
            << c.what << ": " << step.id;
    }
    ASSERT_EQ(service.queue().items().size(), 1u) << c.what;
    EXPECT_EQ(service.queue().items()[0].state, c.state) << c.what;
    EXPECT_EQ(saved.size(), c.saves) << c.what;
    EXPECT_EQ(service.queue().items()[0].when, "21:30");
    EXPECT_EQ(service.queue().items()[0].device.rfind("10.0.0.2", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, QueueCases,
    ::testing::Values(Case{"one phone, both teams",
                           false,
                           {{"phone-a-001", "150", "120", true, "waiting-organiser"}},
                           ResultState::confirmed,
                           0},
                      Case{"one phone, saved at once",
                           true,
                           {{"phone-a-001", "150", "120", true, "saved"}},
                           ResultState::saved,
                           1},
                      Case{"entered by one team",
                           true,
                           {{"phone-a-001", "150", "120", false, "waiting-other"}},
                           ResultState::entered,
                           0},
                      Case{"two phones agree",
                           true,
                           {{"phone-a-001", "150", "120", false, "waiting-other"},
                            {"phone-b-001", "150", "120", false, "saved"}},
                           ResultState::saved,
                           1},
                      Case{"two phones differ",
                           true,
                           {{"phone-a-001", "150", "120", false, "waiting-other"},
                            {"phone-b-001", "150", "121", false, "waiting-organiser"}},
                           ResultState::mismatch,
                           0},
                      Case{"a mismatch mended by a third entry",
                           true,
                           {{"phone-a-001", "150", "120", false, "waiting-other"},
                            {"phone-b-001", "150", "121", false, "waiting-organiser"},
                            {"phone-b-002", "150", "120", false, "saved"}},
                           ResultState::saved,
                           1},
                      Case{"retries of one entry confirm nothing",
                           true,
                           {{"phone-a-001", "150", "120", false, "waiting-other"},
                            {"phone-a-001", "150", "120", false, "waiting-other"}},
                           ResultState::entered,
                           0}));

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
