#include "store/AtomicFile.h"
#include "store/FileFormat.h"
#include "store/TextLines.h"
#include "store/TournamentStore.h"

namespace corvane {

void TournamentStore::readPlayers() {
    forEachTextLine(filePath(fileformat::playersFileName), [&](std::string_view line) {
        if (fileformat::contains(line, fileformat::playerKey)) {
            addPlayer(std::string(
                fileformat::valueAfter(line, fileformat::recordValueStart(fileformat::playerKey))));
        }
    });
}

SaveResult TournamentStore::writePlayers() const {
    std::string contents;
    for (const auto& player : players_) {
        contents += fileformat::playerKey;
        contents += ' ';
        contents += *player;
        contents += '\n';
    }
    return writeFileAtomically(filePath(fileformat::playersFileName), contents);
}

} // namespace corvane
