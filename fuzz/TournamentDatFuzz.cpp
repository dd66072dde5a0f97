// tournament.dat: any content reads to a number and its folder name, and the
// number written back reads as itself.
#include "fuzz/ScratchTournament.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::ScratchTournament& scratch = fuzz::ScratchTournament::fresh();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    scratch.put("tournament.dat", input);

    TournamentStore first;
    first.readTournamentNumber(scratch.workingDirectory());
    FUZZ_CHECK(first.tournamentFolder == "Tournament" + std::to_string(first.tournamentNumber),
               first.tournamentFolder);
    FUZZ_CHECK((first.noTournamentYet == 0) == (fuzz::linesHolding(input, "TOURNAMENT") > 0),
               "tournament line missed or invented");
    if (first.noTournamentYet != 0) {
        return 0;
    }
    FUZZ_CHECK(first.writeTournamentNumber().ok(), "tournament.dat");
    TournamentStore second;
    second.readTournamentNumber(scratch.workingDirectory());
    FUZZ_CHECK(second.noTournamentYet == 0 && second.tournamentNumber == first.tournamentNumber,
               std::to_string(first.tournamentNumber));
    return 0;
}
