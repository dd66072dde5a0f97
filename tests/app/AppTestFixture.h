#pragma once
// A main window on a temporary working directory with every platform service
// faked: the fixture of the window tests.
#include "TestServices.h"
#include "WorkingDirectory.h"
#include "app/MainDialog.h"
#include "platform/DialogTemplate.h"
#include "store/TournamentStore.h"

#include <QAction>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace corvane::testing {

class AppTest : public ::testing::Test {
protected:
    TestServices services;
    WorkingDirectory dir;
    std::unique_ptr<app::MainDialog> window;

    void open() {
        window = std::make_unique<app::MainDialog>();
        window->setDefaultImagesFolder("");
    }
    void TearDown() override { window.reset(); }

    TournamentStore& store() { return *TournamentStore::instance; }

    // The four buttons are all shown or all hidden; anything else is a fault.
    bool buttonsShown() const {
        int shown = 0;
        for (int id : {1000, 1001, 1002, 1003}) {
            shown += platform::control<QPushButton>(*window, id)->isHidden() ? 0 : 1;
        }
        EXPECT_TRUE(shown == 0 || shown == 4) << shown << " buttons shown";
        return shown == 4;
    }
    void trigger(int command) { platform::command(*window, command)->trigger(); }
};

} // namespace corvane::testing
