// Stands in for corvane-viewer in the process tests. It notes how it was started in
// the file named by CORVANE_FAKE_VIEWER_LOG; with --linger it then stays until ended,
// with --ignore-term it will not end on SIGTERM.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

int main(int argc, char* argv[]) {
    bool linger = false;
    for (int i = 1; i < argc; ++i) {
        linger = linger || std::strcmp(argv[i], "--linger") == 0;
        if (std::strcmp(argv[i], "--ignore-term") == 0)
            std::signal(SIGTERM, SIG_IGN);
    }
    if (const char* log = std::getenv("CORVANE_FAKE_VIEWER_LOG")) {
        // Written aside and renamed, so the test never reads half a note.
        const std::string part = std::string(log) + ".part";
        if (FILE* out = std::fopen(part.c_str(), "w")) {
            std::fprintf(out, "session %d\nparent %d\n", getsid(0), getppid());
            for (int i = 1; i < argc; ++i)
                std::fprintf(out, "arg %s\n", argv[i]);
            std::fclose(out);
            std::rename(part.c_str(), log);
        }
    }
    while (linger)
        pause();
    return 0;
}
