// Holds a file open as a browser or an editor does, letting others read it but
// not replace or delete it:  file_holder FILE SIGNALS MODE
// It says it holds the file by a file "holding" in the folder SIGNALS, then
// lets go when a file "release" appears there, or (MODE "until-replaced") a
// moment after the file's writer has made its temporary file beside it, so
// that the writer's first attempt meets the file held. A test that went
// wrong cannot keep it waiting for ever: it ends after a while on its own.
#include "store/WindowsHeaders.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
// After windows.h, whose types it takes.
#include <shellapi.h>

namespace fs = std::filesystem;

namespace {

constexpr std::chrono::milliseconds lookAgain{5};
constexpr std::chrono::milliseconds lateRelease{200};
constexpr std::chrono::minutes giveUp{5};

// A writer's temporary file of `file`: ".<name>.tmp..." in the same folder.
bool temporaryBeside(const fs::path& file) {
    const std::wstring prefix = L"." + file.filename().wstring() + L".tmp";
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(file.parent_path(), error))
        if (entry.path().filename().wstring().starts_with(prefix))
            return true;
    return false;
}

} // namespace

int main() {
    int count = 0;
    wchar_t** words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (words == nullptr || count != 4)
        return 2;
    const fs::path file = words[1], signals = words[2];
    const std::wstring mode = words[3];
    const HANDLE held = ::CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE)
        return 1;
    std::ofstream(signals / "holding").close();
    const auto end = std::chrono::steady_clock::now() + giveUp;
    while (std::chrono::steady_clock::now() < end) {
        if (fs::exists(signals / "release"))
            break;
        if (mode == L"until-replaced" && temporaryBeside(file)) {
            std::this_thread::sleep_for(lateRelease);
            break;
        }
        std::this_thread::sleep_for(lookAgain);
    }
    ::CloseHandle(held);
    return 0;
}
