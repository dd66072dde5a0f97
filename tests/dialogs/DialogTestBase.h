#pragma once
// A tournament in a temporary folder of the test's own, reached through the
// process-wide store as the dialogs reach it, with scripted message boxes and
// a viewer that starts nothing.
#include "TestServices.h"
#include "platform/DialogTemplate.h"
#include "store/TournamentStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

namespace corvane::dialogs {

class DialogTestBase : public ::testing::Test {
protected:
    DialogTestBase() {
        TournamentStore::destroyStore();
        TournamentStore::createStore();
        store().workingDirectory = dir.path().toStdString();
        store().tournamentFolder = "Tournament1";
        std::filesystem::create_directory(store().tournamentPath());
    }
    ~DialogTestBase() override { TournamentStore::destroyStore(); }

    static TournamentStore& store() { return *TournamentStore::instance; }
    bool exists(const std::string& name) const {
        return std::filesystem::exists(store().filePath(name));
    }
    std::string read(const std::string& name) const {
        std::ifstream in(store().filePath(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Every later write of a data file fails: its folder is gone.
    void removeFolder() const { std::filesystem::remove_all(store().tournamentPath()); }

    void addPlayer(const std::string& name) { store().appendPlayer(name); }
    void addTeam(const std::string& first, const std::string& second) {
        auto team = std::make_unique<TeamRecord>();
        team->firstPlayer = first;
        team->secondPlayer = second;
        team->teamName = first + " & " + second;
        store().appendTeam(std::move(team));
        store().refreshOpponentLists();
    }

    // The box shown last, and how many were shown.
    const testing::ShownBox& lastBox() const { return services.messages.shown().back(); }
    std::size_t boxes() const { return services.messages.shown().size(); }
    void expectBox(const QString& text, const QString& caption,
                   platform::MessageButtons buttons = platform::MessageButtons::Ok) const {
        ASSERT_GT(boxes(), 0u);
        EXPECT_EQ(lastBox().text, text);
        EXPECT_EQ(lastBox().caption, caption);
        EXPECT_EQ(lastBox().buttons, buttons);
    }
    // A failed write of `file` was shown as the box `at`; later ones may follow.
    void expectSaveError(std::size_t at, const std::string& file) const {
        ASSERT_GT(boxes(), at);
        EXPECT_EQ(services.messages.shown()[at].caption, "Error");
        EXPECT_TRUE(services.messages.shown()[at].text.contains(QString::fromStdString(file)));
    }

    // What the viewer was asked to do after one publication.
    std::vector<std::string> published() const {
        return {"end", "start " + store().filePath("tournament.html")};
    }

    testing::TestServices services;
    QTemporaryDir dir;
};

inline void click(const QWidget& dialog, int id) {
    platform::control<QAbstractButton>(dialog, id)->click();
}

inline QStringList listTexts(const QWidget& dialog, int id) {
    QStringList out;
    const auto* list = platform::control<QListWidget>(dialog, id);
    for (int i = 0; i < list->count(); ++i) {
        out << list->item(i)->text();
    }
    return out;
}

inline void press(QWidget* target, int key, const QString& text = {}) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &up);
}

} // namespace corvane::dialogs
