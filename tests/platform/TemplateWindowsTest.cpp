// Windows built from the templates in res/: captions, tab order, fixed sizes and
// Windows' rounding of dialog units, and Enter and Escape, which close no window.
#include "TestServices.h"
#include "platform/DialogTemplate.h"
#include "platform/DialogUnits.h"
#include "platform/KeyFilter.h"
#include "platform/QtServices.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane::platform {
namespace {

TEST(TemplateWindowsTest, EveryTemplateBuildsWithItsCaptionTabOrderAndSize) {
    corvane::testing::ensureApplication();
    const std::pair<int, QString> all[] = {
        {100, "About Corvane Tournament Software: 1"},
        {102, "Corvane Tournament Software v1.2: 1000 1001 1002 1003"},
        {129, "Add Player: 1001 1003 1004 1005 1006"},
        {130, "Team Builder: 1005 1007 1010 1009 1008"},
        {131, "Enter Game Results: 1009 1011 1012 1010 1014 1015 1013 1016 1006"}};
    for (const auto& [id, expected] : all) {
        QDialog dialog;
        ASSERT_TRUE(buildFromTemplate(dialog, id));
        QString shown = dialog.windowTitle() + ":";
        for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain())
            if (w->focusPolicy() == Qt::StrongFocus && w->parentWidget() == &dialog)
                shown += " " + w->objectName();
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << id;
    }
    // Windows' rounding: halves away from zero, and -1 for a division by zero.
    EXPECT_EQ((std::vector{mulDiv(7, 6, 4), mulDiv(3, 5, 4), mulDiv(-7, 6, 4), mulDiv(1, 1, 0)}),
              (std::vector{11, 4, -11, -1}));
}

// Every other test answers boxes from a script; this is the box a person sees.
TEST(TemplateWindowsTest, MessageBoxesHaveNoIconAndTheGivenCaptionTextButtonsAndOwner) {
    corvane::testing::ensureApplication();
    QWidget owner;
    const auto box =
        makeMessageBox(&owner, "<b>Sure?</b>\n\nReally.", "Warning", MessageButtons::YesNo);
    EXPECT_EQ(std::tuple(box->icon(), box->windowTitle(), box->text(), box->textFormat(),
                         box->standardButtons(), box->parentWidget(), box->isModal()),
              std::tuple(QMessageBox::NoIcon, "Warning", "<b>Sure?</b>\n\nReally.", Qt::PlainText,
                         QMessageBox::Yes | QMessageBox::No, &owner, true));
}

TEST(TemplateWindowsTest, EnterAndEscapeNeverCloseTheWindowNorPressAButton) {
    corvane::testing::ensureApplication();
    QDialog players;
    ASSERT_TRUE(buildFromTemplate(players, 129));
    auto* add = control<QPushButton>(players, 1003);
    add->setDefault(true);
    installEnterEscapeFilter(players);
    int clicks = 0;
    QObject::connect(add, &QPushButton::clicked, [&clicks] { ++clicks; });
    players.show();
    for (QWidget* target : {control<QWidget>(players, 1001), static_cast<QWidget*>(&players)})
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(target, key);
    EXPECT_TRUE(players.isVisible() && clicks == 0);
}

} // namespace
} // namespace corvane::platform
