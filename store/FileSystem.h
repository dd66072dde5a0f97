#pragma once
// The system calls of the core, one implementation per system
// (FileSystemPosix.cpp, FileSystemWindows.cpp), chosen by the build. Paths are
// UTF-8 everywhere else; here they meet the system in its own form: wide
// characters on Windows, never the ANSI code page. A call that fails returns
// noFile, -1 or false, or the error itself, and leaves it in lastError().
#include "store/ReadResult.h"

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace corvane::os {

// UTF-8 text as a path of the system, and a path as UTF-8 text.
std::filesystem::path pathOf(std::string_view utf8);
std::string utf8Of(const std::filesystem::path& path);

// What ends a folder's name in a path: '/' everywhere, and '\' too where the
// system writes paths so.
inline constexpr std::string_view pathSeparators =
    std::filesystem::path::preferred_separator == '/' ? "/" : "/\\";

// How a line of a text file ends on this system: "\n", or CR LF on Windows.
std::string_view textLineEnd();

// The system's error code (errno, or Windows' own) of the last call that
// failed, and what it means, for a person.
int lastError();
std::string errorText(int error);
// No such file or folder.
bool isMissing(int error);
// A file of that name is there already.
bool isTaken(int error);

std::int64_t processId();
// A process that may not be looked at (another user's, another session's)
// counts as running.
bool processRunning(std::int64_t pid);

// An open file: a descriptor, or a Windows handle. None is inherited by the
// programs the process starts.
using FileHandle = std::intptr_t;
inline constexpr FileHandle noFile = -1;

// A new file to write; refused when the name is taken.
FileHandle createNewFile(const std::string& path);
// A file to read that never makes a read wait (a pipe in its place), nor keeps
// others from replacing it. A folder opens too, so it can be told as one.
FileHandle openForReading(const std::string& path);
// A file to read and append to, made when it is missing.
FileHandle openForAppending(const std::string& path);
// 0, or the error a delayed write met.
int closeFile(FileHandle file);
// The bytes written or read (0 at the end), or -1.
std::int64_t writeSome(FileHandle file, std::string_view bytes);
std::int64_t readSome(FileHandle file, char* into, std::size_t size);
std::int64_t readAt(FileHandle file, char* into, std::size_t size, std::int64_t offset);
// 0 once the file is on the disk.
int syncFile(FileHandle file);
// 0 once the renames in `folder` are on the disk, also where the system cannot
// sync a folder and makes them durable as they happen.
int syncFolder(const std::string& folder);

enum class FileKind { regular, folder, other };
struct FileInfo {
    FileKind kind = FileKind::other;
    FileStamp stamp;
};
bool infoOf(FileHandle file, FileInfo& info);
// Of what a link leads to.
bool infoOf(const std::string& path, FileInfo& info);

// Gives `file` the permissions of the file at `model`, if there is one; 0 or the error.
int keepPermissions(const std::string& model, FileHandle file);
// Puts the file at `from` in the place of `to`, whatever is there; 0 or the
// error. A file another program holds open (Windows) is tried again for a
// while before the error says so.
int replaceFile(const std::string& from, const std::string& to);
int removeFile(const std::string& path);
// A second name, `link`, for the file at `existing`; 0 or the error.
int linkFile(const std::string& existing, const std::string& link);
// Every name in `folder` but "." and "..".
void forEachName(const std::string& folder, const std::function<void(const std::string&)>& onName);

// Calendar time: UTC and back, and the machine's local time.
void utcTime(std::time_t seconds, std::tm& utc);
std::time_t fromUtcTime(std::tm& utc);
void localTime(std::time_t seconds, std::tm& local);

} // namespace corvane::os
