#include "reports/PageNames.h"

#include "store/NameCompare.h"
#include "store/Utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <unordered_map>
#include <unordered_set>

namespace corvane {

namespace {

constexpr std::string_view pageExtension = ".html";

bool unsafeInFileName(unsigned char c) {
    constexpr std::string_view reserved = "/\\:*?\"<>|";
    return c < 0x20 || c == 0x7F || reserved.find(static_cast<char>(c)) != std::string_view::npos;
}

char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Windows refuses these device names as a file's name, whatever follows the
// first dot, and also with blanks before it.
bool reservedDeviceName(std::string_view stem) {
    std::string_view device = stem.substr(0, stem.find('.'));
    while (!device.empty() && device.back() == ' ') {
        device.remove_suffix(1);
    }
    std::string upper;
    for (const char c : device) {
        upper += asciiUpper(c);
    }
    static constexpr std::array<std::string_view, 6> plain = {"CON", "PRN",    "AUX",
                                                              "NUL", "CONIN$", "CONOUT$"};
    for (const std::string_view name : plain) {
        if (upper == name) {
            return true;
        }
    }
    if (upper.rfind("COM", 0) != 0 && upper.rfind("LPT", 0) != 0) {
        return false;
    }
    const std::string_view port = std::string_view(upper).substr(3);
    // A digit, or the superscripts 1, 2 and 3 that Windows also takes as digits.
    return (port.size() == 1 && port[0] >= '0' && port[0] <= '9') || port == "\xC2\xB9" ||
           port == "\xC2\xB2" || port == "\xC2\xB3";
}

std::string safeStem(std::string_view wanted) {
    std::string stem;
    stem.reserve(wanted.size() < maxPageStemBytes ? wanted.size() : maxPageStemBytes);
    for (std::size_t at = 0; at < wanted.size();) {
        const std::size_t start = at;
        const long character = utf8::decode(wanted, at);
        std::string_view piece = wanted.substr(start, at - start);
        // A byte that is no character of UTF-8 names no file portably.
        if (character < 0 ||
            (character < 0x80 && unsafeInFileName(static_cast<unsigned char>(character)))) {
            piece = "_";
        }
        if (stem.size() + piece.size() > maxPageStemBytes) {
            break;
        }
        stem += piece;
    }
    if (stem.empty()) {
        return "_";
    }
    if (stem.front() == '.') {
        stem.front() = '_';
    }
    if (stem.back() == '.' || stem.back() == ' ') {
        stem.back() = '_';
    }
    if (reservedDeviceName(stem)) {
        stem.insert(stem.begin(), '_');
    }
    return stem;
}

} // namespace

std::string teamPageName(const TeamRecord& team) {
    return safeStem(team.firstPlayer + team.secondPlayer) + std::string(pageExtension);
}

std::vector<std::string> uniqueTeamPageNames(RecordList<TeamRecord> teams) {
    std::vector<std::string> names;
    std::unordered_set<std::string> taken;
    taken.reserve(teams.size() * 2 + 1);
    // Pages of the folder that are not team pages keep their names.
    for (const std::string_view reserved :
         {leaderBoardFileName, nextRoundFileName, scheduleFileName}) {
        taken.insert(foldName(reserved));
    }
    // Per folded stem, the next suffix to try: each taken name is stepped over
    // at most once, so many equal names cost linear time.
    std::unordered_map<std::string, int> nextSuffix;
    // Names are handed out in the order of the teams' exact names, which results
    // cannot change: each team keeps its page while the teams stay the same.
    std::vector<std::size_t> order(teams.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return teams[a].teamName < teams[b].teamName;
    });
    names.resize(teams.size());
    for (const std::size_t i : order) {
        std::string name = teamPageName(teams[i]);
        if (!taken.insert(foldName(name)).second) {
            const std::string stem = name.substr(0, name.size() - pageExtension.size());
            int& suffix = nextSuffix.try_emplace(foldName(stem), 2).first->second;
            do {
                name = stem + "-" + std::to_string(suffix++) + std::string(pageExtension);
            } while (!taken.insert(foldName(name)).second);
        }
        names[i] = std::move(name);
    }
    return names;
}

namespace {

struct RememberedPage {
    std::string firstPlayer;
    std::string secondPlayer;
    std::string pageName;
    std::uint64_t lookedAt = 0; // the last look that found it
};

// By exact team name; filled whole from one call, so it answers only for a
// team set it saw entire.
using RememberedPages = std::unordered_map<std::string, RememberedPage>;

// True when `teams` are the remembered teams, each once: two teams of one
// exact name must not share the one page remembered for it.
bool sameTeams(RememberedPages& remembered, RecordList<TeamRecord> teams) {
    thread_local std::uint64_t look = 0;
    ++look;
    if (remembered.size() != teams.size()) {
        return false;
    }
    return std::ranges::all_of(teams, [&](const TeamRecord& team) {
        const auto found = remembered.find(team.teamName);
        if (found == remembered.end() || found->second.lookedAt == look ||
            found->second.firstPlayer != team.firstPlayer ||
            found->second.secondPlayer != team.secondPlayer) {
            return false;
        }
        found->second.lookedAt = look;
        return true;
    });
}

} // namespace

std::vector<std::string> rememberedTeamPageNames(RecordList<TeamRecord> teams) {
    thread_local RememberedPages remembered;
    if (!sameTeams(remembered, teams)) {
        std::vector<std::string> names = uniqueTeamPageNames(teams);
        remembered.clear();
        for (std::size_t i = 0; i < teams.size(); ++i) {
            remembered.insert_or_assign(
                teams[i].teamName,
                RememberedPage{teams[i].firstPlayer, teams[i].secondPlayer, names[i], 0});
        }
        return names;
    }
    std::vector<std::string> names;
    names.reserve(teams.size());
    for (const TeamRecord& team : teams) {
        names.push_back(remembered.find(team.teamName)->second.pageName);
    }
    return names;
}

} // namespace corvane
