#include "platform/DialogTemplate.h"

#include "TestServices.h"
#include "platform/DialogUnits.h"
#include "platform/TemplateData.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QValidator>
#include <gtest/gtest.h>

namespace corvane::platform {
namespace {

class DialogTemplateTest : public ::testing::Test {
protected:
    void SetUp() override { corvane::testing::ensureApplication(); }
};

QStringList idsInTabOrder(QDialog& dialog) {
    QStringList ids;
    QWidget* first = nullptr;
    for (QWidget* w = dialog.nextInFocusChain(); w && w != &dialog; w = w->nextInFocusChain()) {
        if (w == first) {
            break;
        }
        if (!first) {
            first = w;
        }
        if (w->focusPolicy() == Qt::StrongFocus && !w->objectName().isEmpty() &&
            w->parentWidget() == &dialog) {
            ids << w->objectName();
        }
    }
    return ids;
}

TEST_F(DialogTemplateTest, EveryTemplateBuildsWithItsIdsTextsAndTabOrder) {
    struct Expected {
        int id;
        QString caption;
        QStringList tabOrder;
    };
    const std::vector<Expected> all{
        {100, "About Corvane Tournament Software", {"1"}},
        {102, "Corvane Tournament Software v1.2", {"1000", "1001", "1002", "1003"}},
        {129, "Add Player", {"1001", "1003", "1004", "1005", "1006"}},
        {130, "Team Builder", {"1005", "1007", "1010", "1009", "1008"}},
        {131,
         "Enter Game Results",
         {"1009", "1011", "1012", "1010", "1014", "1015", "1013", "1016", "1006"}},
    };
    for (const Expected& e : all) {
        SCOPED_TRACE(e.id);
        QDialog dialog;
        ASSERT_TRUE(buildFromTemplate(dialog, e.id));
        EXPECT_EQ(dialog.windowTitle(), e.caption);
        EXPECT_EQ(idsInTabOrder(dialog), e.tabOrder);
        EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    }
    QDialog none;
    EXPECT_FALSE(buildFromTemplate(none, 4711));
}

TEST_F(DialogTemplateTest, ControlsTakeTheirKindsStylesAndItems) {
    QDialog main;
    ASSERT_TRUE(buildFromTemplate(main, 102));
    EXPECT_EQ(control<QPushButton>(main, 1003)->text(), "View Tournament Results");
    EXPECT_EQ(command(main, 32771)->text(), "&Start New Tournament");
    EXPECT_EQ(command(main, 32772)->text(), "&Load Archived Tournament");
    ASSERT_NE(templateMenuBar(main), nullptr);
    const QList<QAction*> popups = templateMenuBar(main)->actions();
    ASSERT_EQ(popups.size(), 1);
    EXPECT_EQ(popups[0]->text(), "Tournament");
    const QList<QAction*> items = popups[0]->menu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_TRUE(items[1]->isSeparator());

    QDialog players;
    ASSERT_TRUE(buildFromTemplate(players, 129));
    auto* hiddenDelete = control<QPushButton>(players, 1006);
    EXPECT_TRUE(hiddenDelete->isHidden());
    EXPECT_FALSE(hiddenDelete->isEnabled());
    EXPECT_EQ(control<QListWidget>(players, 1005)->selectionMode(),
              QAbstractItemView::SingleSelection);
    const auto groups = players.findChildren<QGroupBox*>();
    ASSERT_EQ(groups.size(), 2);
    const auto labels = players.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 2);
    EXPECT_EQ(labels[1]->text(), "Enter a player's name in the box above and click Add.\n"
                                 "The name will appear in the Players' list below. ");
    // The group box lies beneath the list it frames, so clicks reach the list.
    auto* list = control<QListWidget>(players, 1005);
    QWidget* hit = players.childAt(list->geometry().center());
    EXPECT_TRUE(hit == list || list->isAncestorOf(hit));

    QDialog teams;
    ASSERT_TRUE(buildFromTemplate(teams, 130));
    EXPECT_EQ(control<QListWidget>(teams, 1005)->selectionMode(),
              QAbstractItemView::MultiSelection);
    EXPECT_TRUE(control<QPushButton>(teams, 1008)->isHidden());
    EXPECT_TRUE(control<QPushButton>(teams, 1008)->isEnabled());

    QDialog games;
    ASSERT_TRUE(buildFromTemplate(games, 131));
    for (int id : {1012, 1015}) {
        auto* flags = control<QComboBox>(games, id);
        ASSERT_EQ(flags->count(), 5);
        EXPECT_EQ(flags->itemText(0), "0");
        EXPECT_EQ(flags->itemText(4), "4");
        EXPECT_EQ(flags->currentIndex(), -1);
        EXPECT_TRUE(flags->isEditable());
        EXPECT_EQ(flags->insertPolicy(), QComboBox::NoInsert);
    }
    auto* score = control<QLineEdit>(games, 1011);
    ASSERT_NE(score->validator(), nullptr);
    QString digits = "120";
    QString minus = "-3";
    int pos = 0;
    EXPECT_EQ(score->validator()->validate(digits, pos), QValidator::Acceptable);
    EXPECT_EQ(score->validator()->validate(minus, pos), QValidator::Invalid);
    EXPECT_EQ(control<QListWidget>(games, 1016)->count(), 0);

    QDialog about;
    ASSERT_TRUE(buildFromTemplate(about, 100));
    auto* ok = control<QPushButton>(about, 1);
    EXPECT_TRUE(ok->isDefault());
    EXPECT_TRUE(about.findChildren<QLabel*>()[0]->text().startsWith(
        "Corvane Tournament Software Version 1.2\n"));
    about.show();
    ok->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

DialogTemplate templateAt(int points) {
    QFile file(":/corvane/templates/131.json");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    auto t = parseDialogTemplate(file.readAll());
    EXPECT_TRUE(t.has_value());
    t->fontPoints = points;
    return *t;
}

TEST_F(DialogTemplateTest, DialogUnitsFollowTheFontAtAnySize) {
    std::vector<QSize> sizes;
    for (int points : {8, 16}) {
        SCOPED_TRACE(points);
        QDialog dialog;
        ASSERT_TRUE(buildFromTemplate(dialog, templateAt(points)));
        EXPECT_EQ(dialog.font().pointSize(), points);
        const DialogBaseUnits base = dialogBaseUnits(dialog.font(), &dialog);
        // Client size and every non-combo control follow x*cx/4 and y*cy/8.
        EXPECT_EQ(dialog.width(), mulDiv(378, base.x, 4));
        EXPECT_EQ(dialog.height(), mulDiv(315, base.y, 8));
        EXPECT_EQ(control<QListWidget>(dialog, 1016)->geometry(),
                  QRect(mulDiv(7, base.x, 4), mulDiv(68, base.y, 8), mulDiv(325, base.x, 4),
                        mulDiv(191, base.y, 8)));
        EXPECT_EQ(control<QPushButton>(dialog, 1006)->geometry().topLeft(),
                  QPoint(mulDiv(337, base.x, 4), mulDiv(245, base.y, 8)));
        // A combo keeps its natural height; its template height is the dropped list.
        auto* team = control<QComboBox>(dialog, 1009);
        EXPECT_EQ(team->x(), mulDiv(35, base.x, 4));
        EXPECT_EQ(team->width(), mulDiv(137, base.x, 4));
        EXPECT_LE(team->height(), mulDiv(146, base.y, 8));
        sizes.push_back(dialog.size());
    }
    // Twice the font, about twice the window, in the same proportions.
    const double ratioW = double(sizes[1].width()) / sizes[0].width();
    const double ratioH = double(sizes[1].height()) / sizes[0].height();
    EXPECT_GT(ratioW, 1.6);
    EXPECT_GT(ratioH, 1.6);
    EXPECT_NEAR(ratioW, ratioH, 0.25);
}

TEST_F(DialogTemplateTest, UnitConversionRoundsLikeWindows) {
    EXPECT_EQ(mulDiv(7, 6, 4), 11); // 10.5 rounds up
    EXPECT_EQ(mulDiv(5, 6, 4), 8);  // 7.5
    EXPECT_EQ(mulDiv(3, 5, 4), 4);  // 3.75
    EXPECT_EQ(mulDiv(-7, 6, 4), -11);
    EXPECT_EQ(mulDiv(1, 1, 0), -1);
    EXPECT_EQ(dialogUnitsToPixels(QRect(4, 8, 40, 16), {6, 13}), QRect(6, 13, 60, 26));
    // A missing face falls back to the desktop's sans-serif at the stated size.
    const QFont font = templateFont("No Such Face 123", 11);
    EXPECT_EQ(font.pointSize(), 11);
    EXPECT_NE(font.family(), "No Such Face 123");
    EXPECT_FALSE(parseDialogTemplate("not json").has_value());
    EXPECT_FALSE(parseDialogTemplate(R"({"id":1,"rect":[0,0,10,10],"controls":[{"kind":"X",
        "rect":[0,0,1,1]}]})")
                     .has_value());
}

} // namespace
} // namespace corvane::platform
