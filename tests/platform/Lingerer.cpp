// Stands in for the viewer in the process tests: it lingers until a signal ends it,
// whatever its arguments, so its command line can be any viewer's.
#include <unistd.h>

int main() {
    for (;;)
        ::pause();
}
