#pragma once
// An Open dialog that returns a scripted path (empty: cancelled) and records
// every request.
#include "platform/FileDialogs.h"

#include <vector>

namespace corvane::testing {

class FakeFileDialogs final : public platform::FileDialogs {
public:
    QString chosen; // what the next openFile returns
    std::vector<platform::OpenFileRequest> requests;
    std::vector<QWidget*> owners;

    QString openFile(QWidget* owner, const platform::OpenFileRequest& request) override {
        requests.push_back(request);
        owners.push_back(owner);
        return chosen;
    }
};

} // namespace corvane::testing
