// Command-line programs on Windows: the arguments come from the wide command
// line, since argv holds them in the ANSI code page, where "Турнир" is "??????".
#include "cli/ProgramStart.h"
#include "store/FileSystem.h"
#include "store/WindowsHeaders.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
// After windows.h, whose types it takes.
#include <shellapi.h>

namespace corvane {

std::vector<std::string> startProgram(int, char**) {
    // Text mode would make every "\n" written a CR LF, and CSV's CR LF a CR CR LF.
    for (FILE* stream : {stdout, stderr}) {
        ::_setmode(::_fileno(stream), _O_BINARY);
    }
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    for (int i = 1; words != nullptr && i < count; ++i) {
        arguments.push_back(os::utf8Of(std::filesystem::path(words[i])));
    }
    ::LocalFree(words);
    return arguments;
}

} // namespace corvane
