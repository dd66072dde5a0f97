#include "dialogs/NameRules.h"
#include "dialogs/ScoreText.h"

#include <gtest/gtest.h>
#include <limits>

namespace corvane::dialogs {
namespace {

TEST(InputRules, ScoresFlagsAndNames) {
    EXPECT_EQ(readScore(""), 0);
    EXPECT_EQ(readScore("00001800"), 1800);
    for (const char* bad : {"1801", "-0", "+1", " 1", "1 ", "1e3", "2147483648",
                            "99999999999999999999999999", "\xD9\xA1"}) {
        EXPECT_FALSE(readScore(bad).has_value()) << bad;
    }

    EXPECT_EQ(readFlags("  -2x"), -2);
    EXPECT_EQ(readFlags("99999999999"), std::numeric_limits<std::int32_t>::max());

    EXPECT_FALSE(hasControlCharacter(QString::fromUtf8(" Zoë & Ünal ~ \xC2\xA0")));
    for (char16_t c : {u'\0', u'\x1F', u'\x7F', u'\x80', u'\x9F', u'\u2028', u'\u2029'}) {
        EXPECT_TRUE(hasControlCharacter(QString("a") + QChar(c) + "b")) << int(c);
    }
}

} // namespace
} // namespace corvane::dialogs
