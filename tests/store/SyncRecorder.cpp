// Loaded into a program with LD_PRELOAD: appends to the file named by
// CORVANE_SYNC_LOG a line for every fsync ("sync PATH") and every rename
// ("rename FROM TO"), so a test can see in what order a save reaches the disk.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

void record(const std::string& line) {
    const char* log = std::getenv("CORVANE_SYNC_LOG");
    if (log == nullptr) {
        return;
    }
    const int saved = errno;
    const int fd = ::open(log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0) {
        const std::string text = line + "\n";
        // One write of one line with O_APPEND: lines never interleave.
        (void)!::write(fd, text.data(), text.size());
        ::close(fd);
    }
    errno = saved;
}

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int fsync(int fd) {
    char target[PATH_MAX] = {};
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    if (::readlink(link.c_str(), target, sizeof target - 1) > 0) {
        record(std::string("sync ") + target);
    }
    static const auto real = next<int (*)(int)>("fsync");
    return real(fd);
}

extern "C" int rename(const char* from, const char* to) {
    record(std::string("rename ") + from + " " + to);
    static const auto real = next<int (*)(const char*, const char*)>("rename");
    return real(from, to);
}
