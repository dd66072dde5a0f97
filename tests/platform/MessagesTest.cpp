#include "TestServices.h"
#include "platform/QtServices.h"
#include "platform/SaveErrors.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QWidget>
#include <gtest/gtest.h>

namespace corvane::platform {
namespace {

TEST(Messages, RealBoxHasNoIconAndTheGivenCaptionTextButtonsAndOwner) {
    corvane::testing::ensureApplication();
    QWidget owner;
    const auto question =
        makeMessageBox(&owner, "Sure?\n\nReally.", "Warning", MessageButtons::YesNo);
    EXPECT_EQ(question->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(question->windowTitle(), "Warning");
    EXPECT_EQ(question->text(), "Sure?\n\nReally.");
    EXPECT_EQ(question->textFormat(), Qt::PlainText);
    EXPECT_EQ(question->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question->parentWidget(), &owner);
    EXPECT_TRUE(question->isModal() || question->windowModality() != Qt::NonModal);

    const auto notice = makeMessageBox(nullptr, "<b>x</b>", "Notice", MessageButtons::Ok);
    EXPECT_EQ(notice->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(notice->textFormat(), Qt::PlainText);
}

TEST(Messages, ShorthandsAndSaveErrorsGoThroughTheInstalledBoxes) {
    corvane::testing::TestServices services;
    QWidget owner;
    services.messages.answerYes();
    EXPECT_TRUE(askYesNo(&owner, "Go on?", "Alert"));
    EXPECT_FALSE(askYesNo(&owner, "Again?", "Alert")); // unscripted: No
    EXPECT_EQ(services.messages.unscripted, 1);
    notify(&owner, "Done", "Success");

    EXPECT_TRUE(reportSave(&owner, SaveResult::success()));
    EXPECT_EQ(services.messages.shown().size(), 3u);
    EXPECT_FALSE(reportSave(
        &owner, SaveResult::failure("/data/Tournament1/players.txt", "No space left on device")));
    ASSERT_EQ(services.messages.shown().size(), 4u);
    const auto& error = services.messages.shown().back();
    EXPECT_EQ(error.caption, "Error");
    EXPECT_EQ(error.owner, &owner);
    EXPECT_EQ(error.buttons, MessageButtons::Ok);
    EXPECT_TRUE(error.text.contains("/data/Tournament1/players.txt"));
    EXPECT_TRUE(error.text.contains("No space left on device"));

    // With no boxes installed nothing is shown and no question goes on.
    platform::services().messages = nullptr;
    EXPECT_FALSE(askYesNo(&owner, "Go on?", "Alert"));
    notify(&owner, "x", "y");
}

} // namespace
} // namespace corvane::platform
