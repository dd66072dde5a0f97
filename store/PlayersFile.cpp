#include "store/AtomicFile.h"
#include "store/FileFormat.h"
#include "store/TournamentStore.h"

namespace corvane {

void TournamentStore::readPlayers() {
    forEachTextLine(filePath("players.txt"), [&](std::string_view line) {
        if (fileformat::contains(line, "PLAYER")) {
            appendPlayer(std::string(fileformat::valueAfter(line, 7)));
        }
    });
}

SaveResult TournamentStore::writePlayers() const {
    std::string contents;
    for (const auto& player : players) {
        contents += "PLAYER ";
        contents += *player;
        contents += '\n';
    }
    return writeFileAtomically(filePath("players.txt"), contents);
}

} // namespace corvane
