#include "platform/ViewerSocket.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace corvane::platform {

namespace {

// FNV-1a: a short, stable name for a path of any length.
std::uint64_t hashOf(const std::string& text) {
    constexpr std::uint64_t offset = 14695981039346656037ULL;
    constexpr std::uint64_t prime = 1099511628211ULL;
    std::uint64_t hash = offset;
    for (const unsigned char c : text) {
        hash = (hash ^ c) * prime;
    }
    return hash;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

std::string viewerSocketPath(const std::string& workingDirectory) {
    std::error_code error;
    const std::string folder = std::filesystem::weakly_canonical(workingDirectory, error).string();
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string base = runtime != nullptr && *runtime == '/' ? runtime : "/tmp";
    char name[64];
    std::snprintf(name, sizeof name, "/corvane-viewer-%u-%016llx.sock",
                  static_cast<unsigned>(::getuid()),
                  static_cast<unsigned long long>(hashOf(error ? workingDirectory : folder)));
    return base + name;
}

bool askViewerToShow(const std::string& socketPath, const std::string& page,
                     std::chrono::milliseconds wait) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (socket.get() < 0) {
        return false;
    }
    if (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        // Left by a viewer that was ended: nobody listens there any more.
        if (errno == ECONNREFUSED) {
            ::unlink(socketPath.c_str());
        }
        return false;
    }
    const std::string request = std::string(showRequest) + page + "\n";
    if (::send(socket.get(), request.data(), request.size(), MSG_NOSIGNAL) !=
        static_cast<ssize_t>(request.size())) {
        return false;
    }
    // The answer, up to its line end, within the time given.
    std::string answer;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (answer.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd ready{socket.get(), POLLIN, 0};
        if (left.count() <= 0 || ::poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
            return false;
        }
        char buffer[64];
        const ssize_t got = ::recv(socket.get(), buffer, sizeof buffer, 0);
        if (got <= 0) {
            return false;
        }
        answer.append(buffer, static_cast<std::size_t>(got));
    }
    return answer.starts_with(shownAnswer);
}

} // namespace corvane::platform
