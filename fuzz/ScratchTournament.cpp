#include "fuzz/ScratchTournament.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdlib.h>

namespace corvane::fuzz {
namespace fs = std::filesystem;

namespace {
constexpr int tournamentNumber = 1;

std::vector<std::string> entriesOf(const std::string& where) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(where)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}
} // namespace

ScratchTournament::ScratchTournament() {
    // Every save syncs to disk; in memory that costs nothing, so the runs stay fast.
    const fs::path base =
        fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "corvane-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        fail("mkdtemp");
    }
    root_ = pattern;
    fs::create_directory(folder());
    static std::string removeAtExit;
    removeAtExit = root_;
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(removeAtExit, ignored);
    });
}

ScratchTournament& ScratchTournament::fresh() {
    static ScratchTournament scratch;
    scratch.empty();
    return scratch;
}

std::string ScratchTournament::folder() const {
    return root_ + "/Tournament" + std::to_string(tournamentNumber);
}

void ScratchTournament::empty() const {
    // Whatever an input left, the next one starts from the bare folder.
    for (const auto& name : entriesOf(root_)) {
        if (root_ + "/" + name != folder()) {
            fs::remove_all(root_ + "/" + name);
        }
    }
    for (const auto& name : entriesOf(folder())) {
        fs::remove_all(folder() + "/" + name);
    }
}

void ScratchTournament::put(std::string_view fileName, std::string_view bytes) const {
    const std::string path = fileName == "tournament.dat" ? root_ + "/tournament.dat"
                                                          : folder() + "/" + std::string(fileName);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        fail("could not write a fuzz input file", path);
    }
}

std::string ScratchTournament::get(std::string_view fileName) const {
    const std::string path = fileName == "tournament.dat" ? root_ + "/tournament.dat"
                                                          : folder() + "/" + std::string(fileName);
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::unique_ptr<TournamentStore> ScratchTournament::openStore() const {
    auto store = std::make_unique<TournamentStore>();
    store->workingDirectory = root_;
    store->tournamentNumber = tournamentNumber;
    store->noTournamentYet = 0;
    store->composeTournamentFolder();
    return store;
}

std::vector<std::string> ScratchTournament::rootEntries() const {
    return entriesOf(root_);
}

std::vector<std::string> ScratchTournament::folderEntries() const {
    return entriesOf(folder());
}

std::vector<std::string_view> splitInput(const std::uint8_t* data, std::size_t size,
                                         std::size_t parts) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> pieces;
    while (pieces.size() + 1 < parts) {
        const auto nul = rest.find('\0');
        pieces.push_back(rest.substr(0, nul));
        rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
    }
    pieces.push_back(rest);
    return pieces;
}

std::size_t linesHolding(std::string_view text, std::string_view word) {
    std::size_t count = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        if (text.substr(0, end).find(word) != std::string_view::npos) {
            ++count;
        }
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return count;
}

bool endsInCarriageReturn(std::string_view name) {
    return name.ends_with('\r');
}

void fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "fuzz check failed: %s %s\n", what, detail.c_str());
    std::abort();
}

} // namespace corvane::fuzz
