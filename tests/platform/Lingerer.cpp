// Stands in for the viewer in the process tests: it lingers until a signal ends it,
// whatever its arguments, so its command line can be any viewer's.
#include <cstdlib>
#include <unistd.h>

int main() {
    // Tells the test that started it, when asked, that it now runs under its own name.
    if (const char* fd = std::getenv("CORVANE_READY_FD"))
        (void)!::write(std::atoi(fd), "r", 1);
    for (;;)
        ::pause();
}
