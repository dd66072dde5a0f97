// The core's system calls on Windows. Every path is turned from UTF-8 into
// UTF-16 and given to the wide ("W") functions, so a name outside the ANSI code
// page ("Турнир Jörg" on a Western machine) is the name on the disk.
#include "store/FileSystem.h"
#include "store/WindowsHeaders.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace corvane::os {
namespace {

thread_local int lastFailure = 0;

// Keeps the error of the call that just failed; the calls made after it
// (allocations, conversions) may set another.
int failed() {
    lastFailure = static_cast<int>(::GetLastError());
    return lastFailure;
}

std::wstring wide(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf8.size());
    std::wstring out(
        static_cast<std::size_t>(::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)),
        L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), static_cast<int>(out.size()));
    return out;
}

std::string narrow(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    std::string out(static_cast<std::size_t>(::WideCharToMultiByte(CP_UTF8, 0, text.data(), size,
                                                                   nullptr, 0, nullptr, nullptr)),
                    '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), static_cast<int>(out.size()),
                          nullptr, nullptr);
    return out;
}

HANDLE handleOf(FileHandle file) {
    return reinterpret_cast<HANDLE>(file);
}

FileHandle fileOf(HANDLE handle) {
    if (handle == INVALID_HANDLE_VALUE) {
        failed();
        return noFile;
    }
    return reinterpret_cast<FileHandle>(handle);
}

constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opening a folder needs backup semantics; a file opens with them as well.
HANDLE open(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
    return ::CreateFileW(wide(path).c_str(), access, share, nullptr, disposition,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// 100 ns ticks from 1601 to 1970, where the stamps' nanoseconds count from.
constexpr std::int64_t ticksBeforeUnixTime = 116'444'736'000'000'000;
constexpr std::int64_t nanosecondsPerTick = 100;

std::int64_t joined(DWORD high, DWORD low) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(high) << 32) | low);
}

// Another program holds the file open without letting it be replaced or deleted.
bool heldOpen(const std::string& path) {
    const HANDLE probe = open(path, DELETE, shareAll, OPEN_EXISTING);
    if (probe == INVALID_HANDLE_VALUE) {
        return ::GetLastError() == ERROR_SHARING_VIOLATION;
    }
    ::CloseHandle(probe);
    return false;
}

// A page open in a browser, or a file a virus scanner is reading, is let go
// within moments; a file an editor keeps open is not, and the error says so.
constexpr int replaceAttempts = 40;
constexpr std::chrono::milliseconds replaceRetryWait{50};

// A single read or write moves at most this much.
constexpr std::size_t largestTransfer = std::size_t{1} << 30;

DWORD transferSize(std::size_t size) {
    return static_cast<DWORD>(std::min(size, largestTransfer));
}

} // namespace

std::filesystem::path pathOf(std::string_view utf8) {
    return std::filesystem::path(wide(utf8));
}

std::string utf8Of(const std::filesystem::path& path) {
    return narrow(path.native());
}

std::string_view textLineEnd() {
    return "\r\n";
}

int lastError() {
    return lastFailure;
}

std::string errorText(int error) {
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) {
        return "another program has it open (a browser, an editor or a virus scanner); close it "
               "there and try again";
    }
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message = length == 0 ? "Windows error " + std::to_string(error)
                                      : narrow(std::wstring_view(text, length));
    ::LocalFree(text);
    // The system's sentence ends in a full stop and a line break; ours add their own.
    while (!message.empty() && (message.back() == '.' || message.back() == '\r' ||
                                message.back() == '\n' || message.back() == ' ')) {
        message.pop_back();
    }
    return message;
}

bool isMissing(int error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool isTaken(int error) {
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
}

std::int64_t processId() {
    return static_cast<std::int64_t>(::GetCurrentProcessId());
}

bool processRunning(std::int64_t pid) {
    if (pid <= 0 || pid > std::int64_t{MAXDWORD}) {
        return false;
    }
    const HANDLE process =
        ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr) {
        // Denied: it runs, for another user or in another session.
        return ::GetLastError() == ERROR_ACCESS_DENIED;
    }
    DWORD status = 0;
    const bool running = ::GetExitCodeProcess(process, &status) && status == STILL_ACTIVE;
    ::CloseHandle(process);
    return running;
}

FileHandle createNewFile(const std::string& path) {
    return fileOf(open(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, CREATE_NEW));
}

FileHandle openForReading(const std::string& path) {
    return fileOf(open(path, GENERIC_READ, shareAll, OPEN_EXISTING));
}

FileHandle openForAppending(const std::string& path) {
    // Append access alone: every write lands at the end, as with O_APPEND.
    return fileOf(open(path, GENERIC_READ | FILE_APPEND_DATA, shareAll, OPEN_ALWAYS));
}

int closeFile(FileHandle file) {
    return ::CloseHandle(handleOf(file)) ? 0 : failed();
}

std::int64_t writeSome(FileHandle file, std::string_view bytes) {
    DWORD written = 0;
    if (!::WriteFile(handleOf(file), bytes.data(), transferSize(bytes.size()), &written, nullptr)) {
        failed();
        return -1;
    }
    return written;
}

std::int64_t readSome(FileHandle file, char* into, std::size_t size) {
    DWORD read = 0;
    if (!::ReadFile(handleOf(file), into, transferSize(size), &read, nullptr)) {
        return failed() == ERROR_BROKEN_PIPE ? 0 : -1;
    }
    return read;
}

std::int64_t readAt(FileHandle file, char* into, std::size_t size, std::int64_t offset) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(static_cast<std::uint64_t>(offset) & MAXDWORD);
    at.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(offset) >> 32);
    DWORD read = 0;
    if (!::ReadFile(handleOf(file), into, transferSize(size), &read, &at)) {
        return failed() == ERROR_HANDLE_EOF ? 0 : -1;
    }
    return read;
}

int syncFile(FileHandle file) {
    return ::FlushFileBuffers(handleOf(file)) ? 0 : failed();
}

int syncFolder(const std::string&) {
    // A folder cannot be flushed; the rename was written through as it was made.
    return 0;
}

bool infoOf(FileHandle file, FileInfo& info) {
    info = FileInfo{};
    info.stamp.exists = true;
    if (::GetFileType(handleOf(file)) != FILE_TYPE_DISK) {
        return true; // a device or a pipe
    }
    BY_HANDLE_FILE_INFORMATION status{};
    if (!::GetFileInformationByHandle(handleOf(file), &status)) {
        failed();
        return false;
    }
    info.kind = (status.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? FileKind::folder
                                                                          : FileKind::regular;
    // Windows has no inode: the volume and the file's index on it name the file.
    info.stamp.device = status.dwVolumeSerialNumber;
    info.stamp.inode =
        static_cast<std::uint64_t>(joined(status.nFileIndexHigh, status.nFileIndexLow));
    info.stamp.size = joined(status.nFileSizeHigh, status.nFileSizeLow);
    info.stamp.modifiedNs =
        (joined(status.ftLastWriteTime.dwHighDateTime, status.ftLastWriteTime.dwLowDateTime) -
         ticksBeforeUnixTime) *
        nanosecondsPerTick;
    return true;
}

bool infoOf(const std::string& path, FileInfo& info) {
    const HANDLE file = open(path, FILE_READ_ATTRIBUTES, shareAll, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE) {
        failed();
        return false;
    }
    const bool known = infoOf(reinterpret_cast<FileHandle>(file), info);
    ::CloseHandle(file);
    return known;
}

int keepPermissions(const std::string&, FileHandle) {
    // A new file takes the permissions its folder hands down, as the old one did.
    return 0;
}

int replaceFile(const std::string& from, const std::string& to) {
    const std::wstring source = wide(from);
    const std::wstring target = wide(to);
    bool deniedUnheld = false;
    for (int attempt = 1;; ++attempt) {
        if (::MoveFileExW(source.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return 0;
        }
        const int error = failed();
        if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) {
            return error;
        }
        const bool targetHeld = heldOpen(to);
        if (!targetHeld && !heldOpen(from)) {
            // The holder may have let go between the move and the look: only a
            // second refusal with nothing holding either file is for good (a
            // folder, or a read-only file, in the way).
            if (deniedUnheld) {
                return error;
            }
            deniedUnheld = true;
            continue;
        }
        deniedUnheld = false;
        if (attempt >= replaceAttempts) {
            lastFailure = targetHeld ? ERROR_SHARING_VIOLATION : error;
            return lastFailure;
        }
        std::this_thread::sleep_for(replaceRetryWait);
    }
}

int removeFile(const std::string& path) {
    return ::DeleteFileW(wide(path).c_str()) ? 0 : failed();
}

int linkFile(const std::string& existing, const std::string& link) {
    return ::CreateHardLinkW(wide(link).c_str(), wide(existing).c_str(), nullptr) ? 0 : failed();
}

void forEachName(const std::string& folder, const std::function<void(const std::string&)>& onName) {
    WIN32_FIND_DATAW entry{};
    const HANDLE listing = ::FindFirstFileExW(wide(folder + "\\*").c_str(), FindExInfoBasic, &entry,
                                              FindExSearchNameMatch, nullptr, 0);
    if (listing == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::wstring_view name = entry.cFileName;
        if (name != L"." && name != L"..") {
            onName(narrow(name));
        }
    } while (::FindNextFileW(listing, &entry));
    ::FindClose(listing);
}

void utcTime(std::time_t seconds, std::tm& utc) {
    ::gmtime_s(&utc, &seconds);
}

std::time_t fromUtcTime(std::tm& utc) {
    return ::_mkgmtime(&utc);
}

void localTime(std::time_t seconds, std::tm& local) {
    ::localtime_s(&local, &seconds);
}

} // namespace corvane::os
