// The tests' system on Windows.
#include "TestSystem.h"
#include "Utf8Path.h"
#include "store/FileSystem.h"
#include "store/WindowsHeaders.h"

#include <fstream>
#include <iterator>

namespace corvane::testing {
namespace {

std::wstring wide(const std::string& utf8) {
    return utf8Path(utf8).wstring();
}

std::string contentsOf(const std::string& path) {
    std::ifstream in(utf8Path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// One argument as the C runtime splits a command line again: quoted when it
// holds a blank or a quote, with the backslashes before a quote doubled.
std::wstring quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos)
        return argument;
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

// A file the child writes as its standard output or error.
HANDLE inheritedFile(const std::string& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    return ::CreateFileW(wide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                         disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The program at `program` started with `arguments` from `from`, its output
// into `out` and `err`; the exit status, or -1.
int run(const std::string& program, const std::vector<std::string>& arguments,
        const std::string& from, const std::string& out, const std::string& err) {
    std::wstring commandLine = quoted(wide(program));
    for (const std::string& argument : arguments)
        commandLine += L" " + quoted(wide(argument));
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = inheritedFile("NUL", GENERIC_READ, OPEN_EXISTING);
    start.hStdOutput = inheritedFile(out, GENERIC_WRITE, CREATE_ALWAYS);
    start.hStdError = inheritedFile(err, GENERIC_WRITE, CREATE_ALWAYS);
    PROCESS_INFORMATION process{};
    const BOOL started = ::CreateProcessW(
        wide(program).c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
        nullptr, from.empty() ? nullptr : wide(from).c_str(), &start, &process);
    for (const HANDLE handle : {start.hStdInput, start.hStdOutput, start.hStdError})
        ::CloseHandle(handle);
    if (!started)
        return -1;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    ::GetExitCodeProcess(process.hProcess, &status);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

} // namespace

bool posixSystem() {
    return false;
}

std::string missingFolderReason() {
    return os::errorText(ERROR_PATH_NOT_FOUND);
}

std::int64_t endedProcessId() {
    // This test program again, running no test.
    wchar_t self[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(self) + L"\" --gtest_filter=-*";
    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(self, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                          nullptr, nullptr, &start, &process))
        return 0;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return static_cast<std::int64_t>(process.dwProcessId);
}

void makeFifo(const std::string&) {}

unsigned setCreationMask(unsigned) {
    return 0;
}

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& from, const std::string& scratch) {
    const std::string out = scratch + "/out", err = scratch + "/err";
    const int status = run(program, arguments, from, out, err);
    return {status, contentsOf(out), contentsOf(err)};
}

} // namespace corvane::testing
