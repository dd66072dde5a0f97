#include "TestServices.h"

#include <QApplication>
#include <cstdlib>

namespace corvane::testing {

void ensureApplication() {
    if (QApplication::instance()) {
        return;
    }
    if (!std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    static int argc = 1;
    static char name[] = "corvane-tests";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends: widgets of static tests may outlive main.
    new QApplication(argc, argv);
}

TestServices::TestServices() : previous_(platform::services()) {
    ensureApplication();
    platform::services() = {&messages, &files, &viewer, &dialogs};
}

TestServices::~TestServices() {
    platform::services() = previous_;
}

} // namespace corvane::testing
