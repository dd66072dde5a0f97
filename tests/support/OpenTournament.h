#pragma once
// A window test on an empty tournament: the process-wide store reads and
// writes Tournament1 in the test's own working directory, and every platform
// service is faked.
#include "TestServices.h"
#include "platform/DialogTemplate.h"
#include "store/TournamentStore.h"

#include <QAbstractItemView>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace corvane::testing {

class OpenTournamentTest : public ::testing::Test {
protected:
    OpenTournamentTest() {
        TournamentStore::createStore();
        store().workingDirectory = services.dir.path();
        store().tournamentFolder = "Tournament1";
        std::filesystem::create_directory(store().tournamentPath());
    }
    ~OpenTournamentTest() override { TournamentStore::destroyStore(); }

    static TournamentStore& store() { return *TournamentStore::instance; }
    // A window's control, which must be there.
    template <class Control> static Control& control(const QWidget& window, int controlId) {
        Control* found = platform::control<Control>(window, controlId);
        EXPECT_NE(found, nullptr) << controlId;
        return *found;
    }
    // A list's or table's rows, each its cells joined by `between`.
    static QStringList rows(const QWidget& window, int controlId, const QString& between = " | ") {
        return rows(control<QAbstractItemView>(window, controlId), between);
    }
    static QStringList rows(const QAbstractItemView& view, const QString& between = " | ") {
        const QAbstractItemModel& model = *view.model();
        QStringList out;
        for (int r = 0; r < model.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model.columnCount(); ++c)
                cells << model.index(r, c).data().toString();
            out << cells.join(between);
        }
        return out;
    }
    // The window's own controls that Tab reaches, in order, by their numbers.
    static std::vector<int> tabOrder(const QWidget& window) {
        std::vector<int> order;
        for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && w->objectName().toInt() != 0)
                order.push_back(w->objectName().toInt());
        return order;
    }
    // The bytes of a file in the tournament folder.
    std::string read(const std::string& f) const { return services.dir.read("Tournament1/" + f); }

    TestServices services;
};

} // namespace corvane::testing
