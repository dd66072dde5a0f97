#pragma once
// A viewer launcher that starts nothing: it records its calls in order and can
// run a check at each call.
#include "platform/ViewerLauncher.h"

#include <functional>
#include <string>
#include <vector>

namespace corvane::testing {

class FakeViewerLauncher final : public platform::ViewerLauncher {
public:
    std::vector<std::string> calls; // "end", then "start <path>"
    bool startSucceeds = true;
    std::function<void()> onEnd;
    std::function<void(const std::string&)> onStart;

    void endRunningViewers() override {
        calls.push_back("end");
        if (onEnd) {
            onEnd();
        }
    }
    bool startViewer(const std::string& pagePath) override {
        calls.push_back("start " + pagePath);
        if (onStart) {
            onStart(pagePath);
        }
        return startSucceeds;
    }
};

} // namespace corvane::testing
