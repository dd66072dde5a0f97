#pragma once
// Installs scripted message boxes, a fake Open dialog, a fake viewer and a
// dialog runner without modal loops for the lifetime of one test, and makes
// sure a QApplication exists (offscreen).
#include "FakeDialogRunner.h"
#include "FakeFileDialogs.h"
#include "FakeViewerLauncher.h"
#include "ScriptedMessageBoxes.h"
#include "platform/Services.h"

namespace corvane::testing {

// The process's QApplication, created on first use.
void ensureApplication();

class TestServices {
public:
    TestServices();
    ~TestServices();
    TestServices(const TestServices&) = delete;
    TestServices& operator=(const TestServices&) = delete;

    ScriptedMessageBoxes messages;
    FakeFileDialogs files;
    FakeViewerLauncher viewer;
    FakeDialogRunner dialogs;

private:
    platform::Services previous_;
};

} // namespace corvane::testing
