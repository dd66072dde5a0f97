// Windows built from the templates in res/: their captions, tab order, controls and
// proportions, and what every window keeps from Windows: message boxes, Enter and
// Escape, and list boxes.
#include "TestServices.h"
#include "platform/DialogTemplate.h"
#include "platform/DialogUnits.h"
#include "platform/KeyFilter.h"
#include "platform/ListBoxes.h"
#include "platform/QtServices.h"
#include "platform/TemplateData.h"

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QValidator>
#include <gtest/gtest.h>
#include <map>

namespace corvane::platform {
namespace {

class TemplateWindowsTest : public ::testing::Test {
protected:
    void SetUp() override { corvane::testing::ensureApplication(); }
    // Template `id` built once per test.
    QDialog& window(int id) {
        auto [at, fresh] = windows.try_emplace(id);
        if (fresh) {
            EXPECT_TRUE(buildFromTemplate(at->second, id)) << id;
        }
        return at->second;
    }
    std::map<int, QDialog> windows;
};

TEST_F(TemplateWindowsTest, EveryTemplateBuildsWithItsCaptionTabOrderSizeAndControls) {
    const std::pair<int, QString> all[] = {
        {100, "About Corvane Tournament Software: 1"},
        {102, "Corvane Tournament Software v1.2: 1000 1001 1002 1003"},
        {129, "Add Player: 1001 1003 1004 1005 1006"},
        {130, "Team Builder: 1005 1007 1010 1009 1008"},
        {131, "Enter Game Results: 1009 1011 1012 1010 1014 1015 1013 1016 1006"}};
    for (const auto& [id, expected] : all) {
        QDialog& dialog = window(id);
        QString shown = dialog.windowTitle() + ":";
        for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain())
            if (w->focusPolicy() == Qt::StrongFocus && w->parentWidget() == &dialog)
                shown += " " + w->objectName();
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << id;
        EXPECT_FALSE(dialog.windowFlags() &
                     (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    }
    auto* remove = control<QPushButton>(window(129), 1006);
    EXPECT_TRUE(remove->isHidden() && !remove->isEnabled());
    // The group box lies beneath the list it frames, so clicks reach the list.
    auto* list = control<QListWidget>(window(129), 1005);
    QWidget* hit = window(129).childAt(list->geometry().center());
    EXPECT_TRUE(hit == list || list->isAncestorOf(hit));
    const QComboBox* flags = control<QComboBox>(window(131), 1012);
    EXPECT_EQ(std::tuple(flags->count(), flags->itemText(4), flags->insertPolicy()),
              std::tuple(5, "4", QComboBox::NoInsert));
    QString minus = "-3"; // a score field takes digits only
    int at = 0;
    ASSERT_NE(control<QLineEdit>(window(131), 1011)->validator(), nullptr);
    EXPECT_EQ(control<QLineEdit>(window(131), 1011)->validator()->validate(minus, at),
              QValidator::Invalid);
    window(100).show();
    control<QPushButton>(window(100), 1)->click(); // IDOK accepts
    EXPECT_EQ(window(100).result(), QDialog::Accepted);
}

TEST_F(TemplateWindowsTest, DialogUnitsFollowTheFontAtAnySize) {
    QFile file(":/corvane/templates/131.json");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::optional<DialogTemplate> games = parseDialogTemplate(file.readAll());
    ASSERT_TRUE(games.has_value());
    std::vector<QSize> sizes;
    for (int points : {8, 16}) {
        games->fontPoints = points;
        QDialog dialog;
        ASSERT_TRUE(buildFromTemplate(dialog, *games));
        const DialogBaseUnits base = dialogBaseUnits(dialog.font(), &dialog);
        EXPECT_EQ(dialog.size(), dialogUnitsToPixels({0, 0, 378, 315}, base).size());
        EXPECT_EQ(control<QListWidget>(dialog, 1016)->geometry(),
                  dialogUnitsToPixels({7, 68, 325, 191}, base));
        // A combo keeps its natural height; its template height is the dropped list.
        const QRect team = control<QComboBox>(dialog, 1009)->geometry();
        const QRect wanted = dialogUnitsToPixels({35, 0, 137, 146}, base);
        EXPECT_TRUE(team.x() == wanted.x() && team.width() == wanted.width() &&
                    team.height() <= wanted.height());
        sizes.push_back(dialog.size());
    }
    // Twice the font, about twice the window, in the same proportions.
    const double ratioW = double(sizes[1].width()) / sizes[0].width();
    EXPECT_GT(ratioW, 1.6);
    EXPECT_NEAR(ratioW, double(sizes[1].height()) / sizes[0].height(), 0.25);
    // Windows' rounding: halves away from zero, and -1 for a division by zero.
    EXPECT_EQ(dialogUnitsToPixels({4, 8, 40, 16}, {6, 13}), QRect(6, 13, 60, 26));
    EXPECT_EQ((std::vector{mulDiv(7, 6, 4), mulDiv(3, 5, 4), mulDiv(-7, 6, 4), mulDiv(1, 1, 0)}),
              (std::vector{11, 4, -11, -1}));
    // A missing face falls back to the desktop's sans-serif at the stated size.
    const QFont font = templateFont("No Such Face 123", 11);
    EXPECT_TRUE(font.pointSize() == 11 && font.family() != "No Such Face 123");
}

TEST_F(TemplateWindowsTest, MessageBoxesHaveNoIconAndTheGivenCaptionTextButtonsAndOwner) {
    QWidget owner;
    const auto box =
        makeMessageBox(&owner, "<b>Sure?</b>\n\nReally.", "Warning", MessageButtons::YesNo);
    EXPECT_EQ(std::tuple(box->icon(), box->windowTitle(), box->text(), box->textFormat(),
                         box->standardButtons(), box->parentWidget(), box->isModal()),
              std::tuple(QMessageBox::NoIcon, "Warning", "<b>Sure?</b>\n\nReally.", Qt::PlainText,
                         QMessageBox::Yes | QMessageBox::No, &owner, true));
    EXPECT_EQ(makeMessageBox(nullptr, "x", "Notice", MessageButtons::Ok)->standardButtons(),
              QMessageBox::Ok);
}

TEST_F(TemplateWindowsTest, EnterAndEscapeNeverCloseTheWindowNorPressAButton) {
    QDialog &players = window(129), &plain = window(130);
    auto* add = control<QPushButton>(players, 1003);
    auto* name = control<QLineEdit>(players, 1001);
    add->setDefault(true);
    installEnterEscapeFilter(players);
    int clicks = 0;
    QObject::connect(add, &QPushButton::clicked, [&clicks] { ++clicks; });
    players.show();
    plain.show();
    for (QWidget* target : std::initializer_list<QWidget*>{name, add, &players})
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(target, key);
    EXPECT_TRUE(players.isVisible() && clicks == 0);
    QTest::keyClick(name, Qt::Key_A); // every other key goes on as usual
    EXPECT_EQ(name->text(), "a");
    QTest::keyClick(&plain, Qt::Key_Escape); // without the filter Escape closes it
    EXPECT_FALSE(plain.isVisible());
}

// Sorted boxes order without regard to case (the dialogs' tests show that) and so:
TEST_F(TemplateWindowsTest, SortedBoxesKeepEqualTextsInOrderAndTheSelectionWhereItWas) {
    auto* list = control<QListWidget>(window(129), 1005);
    list->addItems({"bob", "Anna", "Bob"});
    list->insertItem(0, "BOB"); // after the equal ones already listed, wherever it is put
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    EXPECT_EQ(texts, QStringList({"Anna", "bob", "Bob", "BOB"}));
    auto* team = control<QComboBox>(window(131), 1009);
    addString(*team, "b");
    addString(*team, "C");
    team->setCurrentIndex(1);
    addString(*team, "a");
    EXPECT_EQ(insertString(*team, 0, "z"), 0); // where it is put, whatever the sort style
    EXPECT_EQ(std::pair(team->currentIndex(), team->currentText()), std::pair(3, QString("C")));
}

} // namespace
} // namespace corvane::platform
