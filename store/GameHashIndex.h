#pragma once
// The folded hashes of every game's two team names, in the order of the
// games, and per hash the positions of the games that carry it: a few teams'
// games are found without looking at every game.
#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <utility>
#include <vector>

namespace corvane {

class GameHashIndex {
public:
    using Hashes = std::pair<std::size_t, std::size_t>;

    // Kept in step with the games: what the store does to a game, it does here.
    void append(Hashes hashes);
    void insert(std::size_t position, Hashes hashes);
    void erase(std::size_t position);
    void replace(std::size_t position, Hashes hashes);
    // Every game's hashes anew, as after a rename.
    void assign(std::vector<Hashes> hashes);
    void clear();

    // The positions of the games one of whose names has `hash`, ascending;
    // a game naming one team twice is there once.
    std::span<const std::uint32_t> positionsOf(std::size_t hash) const;

private:
    void addPosition(std::size_t position, Hashes hashes);
    void dropPosition(std::size_t position, Hashes hashes);

    std::vector<Hashes> hashes_;
    // Built again when first asked after a change in the middle of the games;
    // appending, the common change, keeps it.
    mutable std::unordered_map<std::size_t, std::vector<std::uint32_t>> positions_;
    mutable bool positionsCurrent_ = true;
};

} // namespace corvane
