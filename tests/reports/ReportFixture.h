#pragma once
// The store fixture, with the pages of its tournament folder and the expected ones.
#include "StoreFixture.h"
#include "reports/WriteReports.h"
#include "store/FileSystem.h"

#include <map>

namespace corvane::testing {

// Every file in `folder` by name, with its bytes.
// The pages of a folder (hidden files, such as the list of pages written, left out).
inline std::map<std::string, std::string> readPages(const std::string& folder) {
    std::map<std::string, std::string> all;
    for (const auto& entry : std::filesystem::directory_iterator(utf8Path(folder)))
        if (entry.is_regular_file() && !utf8Text(entry.path().filename()).starts_with('.'))
            all[utf8Text(entry.path().filename())] = readBytes(entry.path());
    return all;
}

// A page of "\n" line breaks as the system's text file holds it (CR LF on Windows).
inline std::string systemText(const std::string& page) {
    std::string text;
    for (const char c : page)
        text += c == '\n' ? std::string(os::textLineEnd()) : std::string(1, c);
    return text;
}

class Reports : public StoreTestBase {
protected:
    std::map<std::string, std::string> pages() const { return readPages(store.tournamentPath()); }
    // The pages expected of a test's tournament, kept as files beside the tests.
    static std::map<std::string, std::string> golden(const std::string& name) {
        std::map<std::string, std::string> pages = readPages(CORVANE_GOLDEN_DIR "/" + name);
        for (auto& [file, page] : pages)
            page = systemText(page);
        return pages;
    }
};

} // namespace corvane::testing
