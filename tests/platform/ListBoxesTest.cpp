#include "platform/ListBoxes.h"

#include "TestServices.h"
#include "platform/DialogTemplate.h"

#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <gtest/gtest.h>

namespace corvane::platform {
namespace {

QStringList texts(const QListWidget& list) {
    QStringList out;
    for (int i = 0; i < list.count(); ++i) {
        out << list.item(i)->text();
    }
    return out;
}

TEST(ListBoxes, SortedListsOrderWithoutRegardToCase) {
    corvane::testing::ensureApplication();
    QDialog dialog;
    ASSERT_TRUE(buildFromTemplate(dialog, 129));
    auto* players = control<QListWidget>(dialog, 1005);
    ASSERT_TRUE(isSorted(*players));
    players->addItem("bob");
    players->addItem("Anna");
    players->addItems({"carl", "Bob", "anna"});
    players->insertItem(0, "zoe");
    EXPECT_EQ(texts(*players), QStringList({"Anna", "anna", "bob", "Bob", "carl", "zoe"}));
    // An equal text goes after the equal ones already listed, wherever it is put.
    players->insertItem(0, "BOB");
    players->addItems({"Zoe"});
    EXPECT_EQ(texts(*players),
              QStringList({"Anna", "anna", "bob", "Bob", "BOB", "carl", "zoe", "Zoe"}));
    players->clear();
    players->addItems({"a", "B", "b", "c"}); // already in order: left as given
    EXPECT_EQ(texts(*players), QStringList({"a", "B", "b", "c"}));

    QDialog games;
    ASSERT_TRUE(buildFromTemplate(games, 131));
    auto* list = control<QListWidget>(games, 1016);
    EXPECT_FALSE(isSorted(*list));
    list->addItems({"b", "a"});
    EXPECT_EQ(texts(*list), QStringList({"b", "a"}));
}

TEST(ListBoxes, ComboStringsKeepTheSelectionAndHonourTheSortStyle) {
    corvane::testing::ensureApplication();
    QDialog games;
    ASSERT_TRUE(buildFromTemplate(games, 131));
    auto* team = control<QComboBox>(games, 1009);
    ASSERT_TRUE(isSorted(*team));
    // Inserting at a position ignores the sort style, and selects nothing.
    EXPECT_EQ(insertString(*team, 0, "Zed & Amy"), 0);
    EXPECT_EQ(insertString(*team, 1, "Al & Bo"), 1);
    EXPECT_EQ(team->currentIndex(), -1);
    EXPECT_EQ(team->currentText(), "");
    EXPECT_EQ(team->itemText(0), "Zed & Amy");
    // Adding honours it.
    QComboBox sorted;
    setSorted(sorted, true);
    addString(sorted, "b");
    addString(sorted, "C");
    EXPECT_EQ(addString(sorted, "a"), 0);
    EXPECT_EQ(sorted.itemText(2), "C");
    EXPECT_EQ(sorted.currentIndex(), -1);
    sorted.setCurrentIndex(1);
    addString(sorted, "0");
    EXPECT_EQ(sorted.currentText(), "b");
    EXPECT_EQ(sorted.currentIndex(), 2);

    auto* flags = control<QComboBox>(games, 1012);
    EXPECT_FALSE(isSorted(*flags));
    EXPECT_EQ(addString(*flags, "10"), 5);
}

} // namespace
} // namespace corvane::platform
