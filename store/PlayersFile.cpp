#include "store/AtomicFile.h"
#include "store/FileFormat.h"
#include "store/TextLines.h"
#include "store/TournamentStore.h"

namespace corvane {

ReadResult TournamentStore::readPlayers() {
    const std::string path = filePath(fileformat::playersFileName);
    ReadResult read = forEachTextLine(path, [&](std::string_view line) {
        if (fileformat::contains(line, fileformat::playerKey)) {
            addPlayer(
                fileformat::nameAfter(line, fileformat::recordValueStart(fileformat::playerKey)));
        }
    });
    noteRead(path, read);
    return read;
}

SaveResult TournamentStore::writePlayers() {
    std::string contents;
    for (const auto& player : players_) {
        contents += fileformat::playerKey;
        contents += ' ';
        contents += *player;
        contents += '\n';
    }
    return saveFile(filePath(fileformat::playersFileName), contents);
}

} // namespace corvane
