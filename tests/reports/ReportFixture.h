#pragma once
// The store fixture, with the pages of its tournament folder and the expected ones.
#include "StoreFixture.h"
#include "reports/WriteReports.h"

#include <map>

namespace corvane::testing {

// Every file in `folder` by name, with its bytes.
// The pages of a folder (hidden files, such as the list of pages written, left out).
inline std::map<std::string, std::string> readPages(const std::string& folder) {
    std::map<std::string, std::string> all;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file() && !entry.path().filename().string().starts_with('.'))
            all[entry.path().filename().string()] = readBytes(entry.path());
    return all;
}

class Reports : public StoreTestBase {
protected:
    std::map<std::string, std::string> pages() const { return readPages(store.tournamentPath()); }
    // The pages expected of a test's tournament, kept as files beside the tests.
    static std::map<std::string, std::string> golden(const std::string& name) {
        return readPages(CORVANE_GOLDEN_DIR "/" + name);
    }
};

} // namespace corvane::testing
