#pragma once
// A change to the tournament, as a value: what the organiser (or a table, or
// the journal) asks for. The one door (ApplyChange.h) checks it, makes it,
// writes its files together and journals it.
#include "store/Records.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace corvane::history {

// New players, in their order.
struct AddPlayers {
    std::vector<std::string> names;
};

// The team "first & second".
struct BuildTeam {
    std::string firstPlayer;
    std::string secondPlayer;
};

// A game, after the last one or (taking back a deletion) at `position`.
struct SaveGame {
    GameRecord game;
    std::optional<std::size_t> position;
    // The table that sent it (0: typed), journaled with it.
    int table = 0;
};

// The game at `position`, which must be `game`.
struct DeleteGame {
    std::size_t position = 0;
    GameRecord game;
};

// The game at `position`, which must be `before`, becomes `after`.
struct CorrectGame {
    std::size_t position = 0;
    GameRecord before;
    GameRecord after;
};

// The player `from` takes the name `to`; its teams and their games follow.
struct RenamePlayer {
    std::string from;
    std::string to;
};

// The data files put back as a kept version holds them (paths relative to
// the tournament folder; empty: the file did not exist then).
struct RestoreFiles {
    std::string when; // the version's moment, for the organiser
    std::array<std::string, 3> files;
};

using Change = std::variant<AddPlayers, BuildTeam, SaveGame, DeleteGame, CorrectGame, RenamePlayer,
                            RestoreFiles>;

// What the menus and the history call the change: "Save Game Ann & Bob vs Cy & Dee".
std::string labelOf(const Change& change);

} // namespace corvane::history
