#pragma once
// What every fuzz target shares: one scratch working directory per process with
// one tournament folder, emptied before each input so no input sees another's
// files, and a check that ends the run the way libFuzzer reports a crash.
#include "store/TournamentStore.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::fuzz {

class ScratchTournament {
public:
    // The one scratch tournament of this process, its folder emptied.
    static ScratchTournament& fresh();

    const std::string& workingDirectory() const { return root_; }
    std::string folder() const;
    void put(std::string_view fileName, std::string_view bytes) const;
    std::string get(std::string_view fileName) const;
    // A store on this working directory and its tournament folder, nothing loaded.
    std::unique_ptr<TournamentStore> openStore() const;
    // Every name in the working directory and in the tournament folder.
    std::vector<std::string> rootEntries() const;
    std::vector<std::string> folderEntries() const;

private:
    ScratchTournament();
    void empty() const;
    std::string root_;
};

// The input cut at NUL bytes into exactly `parts` pieces (missing ones empty),
// so one input can fill several files.
std::vector<std::string_view> splitInput(const std::uint8_t* data, std::size_t size,
                                         std::size_t parts);

// How many lines of `text` (cut at line feeds) hold `word`, as a reader sees them.
std::size_t linesHolding(std::string_view text, std::string_view word);

// A name that the line-based files cannot carry back unchanged: a carriage
// return at its end is taken for part of a Windows line end when read again.
bool endsInCarriageReturn(std::string_view name);

[[noreturn]] void fail(const char* what, const std::string& detail = {});

} // namespace corvane::fuzz

#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            ::corvane::fuzz::fail(#condition, detail);                                             \
        }                                                                                          \
    } while (false)
