#include "store/Records.h"

#include "store/NameCompare.h"

#include <bit>

namespace corvane {

std::string formatGameLine(const GameRecord& game) {
    std::string line;
    line.reserve(game.team1Name.size() + game.team2Name.size() + 64);
    line += game.team1Name;
    line += "   (";
    line += std::to_string(game.team1Score);
    line += ", ";
    line += std::to_string(game.team1Flags);
    line += ")   -- vs --   ";
    line += game.team2Name;
    line += "   (";
    line += std::to_string(game.team2Score);
    line += ", ";
    line += std::to_string(game.team2Flags);
    line += ")";
    return line;
}

// An open-addressing table from the folded hash of each opponent name to the
// entry's position, so a team with thousands of opponents finds one at once.
// A slot holds the position and the hash's upper half, so a probe rarely has to
// look at an entry that does not match.
struct TeamRecord::OpponentIndex {
    static constexpr std::uint64_t tagMask = 0xFFFFFFFF00000000ull;

    std::vector<std::size_t> hashes;  // per indexed entry, for growing the table
    std::vector<std::uint64_t> slots; // tag | (position + 1); 0 is free

    std::size_t mask() const { return slots.size() - 1; }

    void place(std::uint32_t position) {
        const auto hash = static_cast<std::uint64_t>(hashes[position]);
        std::size_t slot = hash & mask();
        while (slots[slot] != 0) {
            slot = (slot + 1) & mask();
        }
        slots[slot] = (hash & tagMask) | (std::uint64_t{position} + 1);
    }

    void reserve(std::size_t count) {
        const std::size_t wanted = std::bit_ceil(count * 2 + 2);
        if (wanted <= slots.size()) {
            return;
        }
        slots.assign(wanted, 0);
        for (std::uint32_t i = 0; i < hashes.size(); ++i) {
            place(i);
        }
        hashes.reserve(count);
    }

    void add(std::size_t hash) {
        reserve(hashes.size() + 1);
        hashes.push_back(hash);
        place(static_cast<std::uint32_t>(hashes.size() - 1));
    }

    // Calls `visit` with the position of every entry that may carry `hash`,
    // until it returns false.
    template <class Visit> void forEachWithHash(std::size_t hash, Visit visit) const {
        if (slots.empty()) {
            return;
        }
        const std::uint64_t tag = static_cast<std::uint64_t>(hash) & tagMask;
        for (std::size_t slot = hash & mask(); slots[slot] != 0; slot = (slot + 1) & mask()) {
            if ((slots[slot] & tagMask) == tag &&
                !visit(static_cast<std::uint32_t>((slots[slot] & ~tagMask) - 1))) {
                return;
            }
        }
    }
};

TeamRecord::TeamRecord() : index_(std::make_unique<OpponentIndex>()) {}
TeamRecord::~TeamRecord() = default;
TeamRecord::TeamRecord(TeamRecord&&) noexcept = default;
TeamRecord& TeamRecord::operator=(TeamRecord&&) noexcept = default;

TeamRecord::OpponentIndex& TeamRecord::index() const {
    // A moved-from record starts again with an empty index.
    if (!index_) {
        index_ = std::make_unique<OpponentIndex>();
    }
    return *index_;
}

bool TeamRecord::hasOpponent(std::string_view name, std::size_t hash) const {
    bool found = false;
    index().forEachWithHash(hash, [&](std::uint32_t position) {
        found = namesEqual(opponents_[position]->opponentName, name);
        return !found;
    });
    return found;
}

bool TeamRecord::hasOpponent(std::string_view name) const {
    return hasOpponent(name, foldedHash(name));
}

void TeamRecord::markOpponentPlayed(std::string_view name, std::int32_t value) {
    markOpponentPlayed(name, foldedHash(name), value);
}

void TeamRecord::markOpponentPlayed(std::string_view name, std::size_t hash, std::int32_t value) {
    index().forEachWithHash(hash, [&](std::uint32_t position) {
        OpponentEntry& entry = *opponents_[position];
        if (namesEqual(entry.opponentName, name)) {
            entry.played = value;
        }
        return true;
    });
}

void TeamRecord::addOpponent(std::string name, std::size_t hash) {
    OpponentIndex& ix = index();
    auto entry = std::make_unique<OpponentEntry>();
    entry->opponentName = std::move(name);
    opponents_.push_back(std::move(entry));
    ix.add(hash);
}

void TeamRecord::addOpponent(std::string name) {
    const std::size_t hash = foldedHash(name);
    addOpponent(std::move(name), hash);
}

void TeamRecord::reserveOpponents(std::size_t count) {
    opponents_.reserve(count);
    index().reserve(count);
}

} // namespace corvane
