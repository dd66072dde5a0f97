#include "store/NameCompare.h"

#include <gtest/gtest.h>

using corvane::foldedHash;
using corvane::foldName;
using corvane::namesEqual;

TEST(NameCompare, IgnoresCaseOverAllScripts) {
    EXPECT_TRUE(namesEqual("Ann & Bob", "ann & BOB"));
    EXPECT_TRUE(namesEqual("José", "JOSÉ"));
    EXPECT_TRUE(namesEqual("Жанна", "жанна"));
    EXPECT_TRUE(namesEqual("ΟΔΥΣΣΕΥΣ", "οδυσσευς")); // final sigma folds like sigma
    EXPECT_TRUE(namesEqual("Straße", "STRASSE"));
    EXPECT_TRUE(namesEqual("Ǆemal", "ǆEMAL"));
    EXPECT_TRUE(namesEqual("𐐀", "𐐨")); // Deseret, beyond the 16-bit range
    EXPECT_FALSE(namesEqual("José", "Jose"));
    EXPECT_FALSE(namesEqual("Ann", "Anne"));
    // Blanks count like any other character.
    EXPECT_FALSE(namesEqual(" Ann", "Ann"));
    EXPECT_FALSE(namesEqual("Ann ", "Ann"));
    EXPECT_TRUE(namesEqual("", ""));

    EXPECT_EQ(foldName("JOSÉ Жанна"), "josé жанна");
    EXPECT_EQ(foldedHash("Straße & ЖАННА"), foldedHash("STRASSE & жанна"));
    EXPECT_EQ(foldedHash("Ann"), foldedHash(foldName("Ann")));
    EXPECT_NE(foldedHash("Ann"), foldedHash("Bob"));
}

TEST(NameCompare, MalformedBytesCompareAsThemselves) {
    EXPECT_TRUE(namesEqual("A\xFF", "a\xFF"));
    EXPECT_FALSE(namesEqual("\xFF", "\xFE"));
    EXPECT_FALSE(namesEqual("\xC3", "\xC3\xA9")); // a cut-off é is not é
    EXPECT_FALSE(namesEqual("\xC3\x89", "\xC3\x89\x80"));
    EXPECT_FALSE(namesEqual("\xC1\x81", "a")); // overlong forms of A stay bytes
    EXPECT_FALSE(namesEqual("\xE0\x81\x81", "a"));
    EXPECT_EQ(foldName("X\xE9Y"), "x\xE9y");
    EXPECT_EQ(foldName("\xED\xA0\x80"), "\xED\xA0\x80"); // an encoded surrogate
}
