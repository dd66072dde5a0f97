// What only Windows does to files, one table: names outside the ANSI code
// page, a page another program holds open, a games.txt from a Windows editor,
// paths written with backslashes, a file replaced behind the program's back
// with its size and time kept, the journal's time, and corvane-cli run from a
// folder named "Турнир Jörg".
#include "StoreFixture.h"
#include "TestSystem.h"
#include "Utf8Path.h"
#include "history/Journal.h"
#include "reports/WriteReports.h"
#include "store/AtomicFile.h"
#include "store/Backups.h"
#include "store/WindowsHeaders.h"

#include <algorithm>
#include <array>
#include <functional>
#include <regex>

namespace corvane::testing {
namespace {

namespace fs = std::filesystem;

const std::string beyondAnsi = "Турнир Jörg";

// Another program holding `file` open (file_holder) until `mode` lets it go;
// it is told to let go, and waited for, at the end.
class Holder {
public:
    Holder(const std::string& file, const std::string& signals, const std::wstring& mode)
        : signals_(utf8Path(signals)) {
        fs::create_directories(signals_);
        std::wstring command = L"\"" + utf8Path(CORVANE_FILE_HOLDER).wstring() + L"\" \"" +
                               utf8Path(file).wstring() + L"\" \"" + signals_.wstring() + L"\" " +
                               mode;
        STARTUPINFOW start{};
        start.cb = sizeof start;
        if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                              nullptr, nullptr, &start, &process_))
            return;
        // Until it holds the file, or has ended without.
        constexpr DWORD lookAgainMs = 10;
        while (!fs::exists(signals_ / "holding") &&
               ::WaitForSingleObject(process_.hProcess, lookAgainMs) == WAIT_TIMEOUT) {
        }
    }
    ~Holder() {
        std::ofstream(signals_ / "release").close();
        if (process_.hProcess != nullptr) {
            ::WaitForSingleObject(process_.hProcess, INFINITE);
            ::CloseHandle(process_.hThread);
            ::CloseHandle(process_.hProcess);
        }
    }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;

    bool holding() const { return fs::exists(signals_ / "holding"); }

private:
    fs::path signals_;
    PROCESS_INFORMATION process_{};
};

// A store on the tournament folder Tournament1 of `working`, made if missing.
std::unique_ptr<TournamentStore> storeIn(const std::string& working) {
    fs::create_directories(utf8Path(working + "/Tournament1"));
    auto store = std::make_unique<TournamentStore>();
    store->workingDirectory = working;
    store->tournamentFolder = "Tournament1";
    return store;
}

// Two teams with names beyond ASCII and a game between them, saved and published.
std::unique_ptr<TournamentStore> publishedTournament(const std::string& working) {
    auto store = storeIn(working);
    for (const char* player : {"Zoë", "Jörg", "Дмитрий", "Ана"})
        store->addPlayer(player);
    store->buildTeam("Zoë", "Jörg");
    store->buildTeam("Дмитрий", "Ана");
    store->refreshOpponentLists();
    store->recordGame(GameRecord{120, 150, 1, 0, "Zoë & Jörg", "Дмитрий & Ана"});
    const bool saved = store->writePlayers() && store->writeTeams() && store->writeGames();
    EXPECT_TRUE(saved && writeReports(*store).ok());
    return store;
}

// The names in `folder`, sorted, one a line.
std::string namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(utf8Path(folder)))
        names.push_back(utf8Text(entry.path().filename()));
    std::sort(names.begin(), names.end());
    std::string out;
    for (const std::string& name : names)
        out += name + "\n";
    return out;
}

// A page held open while the store publishes again after one more game.
std::string publishWhileHeld(const TempDir& dir, const std::wstring& mode) {
    const auto store = publishedTournament(dir.path());
    const std::string page = store->filePath("ZoëJörg.html");
    const std::string before = readBytes(page);
    store->recordGame(GameRecord{200, 100, 0, 0, "Zoë & Jörg", "Дмитрий & Ана"});
    ReportOutcome outcome;
    {
        const Holder holder(page, dir.file("signals"), mode);
        if (!holder.holding())
            return "the page was never held";
        outcome = writeReports(*store);
    }
    std::string out = std::to_string(outcome.written.size()) + " written\n";
    for (const SaveResult& failure : outcome.failures)
        out += "failed " + utf8Text(utf8Path(failure.file()).filename()) + ": " + failure.reason() +
               "\n";
    out += readBytes(page) == before ? "page as before\n" : "page new\n";
    return out + namesIn(store->tournamentPath());
}

// corvane-cli with `arguments` run from the folder named beyond the code page.
std::string cliFrom(const TempDir& dir, const std::vector<std::string>& arguments) {
    const std::string working = dir.file(beyondAnsi);
    publishedTournament(working);
    writeBytes(working + "/tournament.dat", "TOURNAMENT 1\n");
    const ProgramRun run = runProgram(CORVANE_CLI_PATH, arguments, working, dir.path());
    return std::to_string(run.status) + "|" + run.out + "|" + run.err;
}

// The working directory as the programs started there see it.
std::string seenFrom(const TempDir& dir) {
    return utf8Text(utf8Path(dir.file(beyondAnsi)).make_preferred());
}

struct Case {
    const char* what;
    std::function<std::string(const TempDir&)> happens;
    std::function<std::string(const TempDir&)> expected;
};

std::function<std::string(const TempDir&)> always(std::string text) {
    return [text](const TempDir&) { return text; };
}

// The folder after a publish: the list of the pages written, then the files.
const std::string pages = ".published-pages\nZoëJörg.html\ngames.txt\nplayers.txt\nteams.txt\n"
                          "tournament.html\nДмитрийАна.html\n";

TEST(WindowsFiles, WhatOnlyWindowsDoesToFilesIsMet) {
    const Case cases[] = {
        {"a working directory and team names beyond the ANSI code page",
         [](const TempDir& dir) {
             const std::string working = dir.file(beyondAnsi);
             publishedTournament(working);
             const auto again = storeIn(working);
             EXPECT_FALSE(again->loadAll().refused());
             std::string out;
             for (const TeamRecord& team : again->teams())
                 out += team.teamName + " " + std::to_string(team.gamesPlayed) + "\n";
             return out + namesIn(again->tournamentPath());
         },
         always("Zoë & Jörg 1\nДмитрий & Ана 1\n" + pages)},
        {"a page held open by another program, let go while the publish tries again",
         [](const TempDir& dir) { return publishWhileHeld(dir, L"until-replaced"); },
         always("3 written\npage new\n" + pages)},
        {"a page held open throughout: the others written, a clear error, the page kept",
         [](const TempDir& dir) { return publishWhileHeld(dir, L"until-released"); },
         always("2 written\nfailed ZoëJörg.html: another program has it open (a browser, an "
                "editor or a virus scanner); close it there and try again\npage as before\n" +
                pages)},
        {"pages are the system's text files, every line ended by CR LF",
         [](const TempDir& dir) {
             const auto store = publishedTournament(dir.path());
             const std::string page = readBytes(store->filePath("tournament.html"));
             const auto count = [&](std::string_view what) {
                 std::size_t n = 0;
                 for (std::size_t at = page.find(what); at != std::string::npos;
                      at = page.find(what, at + what.size()))
                     ++n;
                 return n;
             };
             const std::size_t lines = count("\n"), crLf = count("\r\n"), cr = count("\r");
             return lines > 0 && crLf == lines && cr == lines
                        ? std::string("CR LF only")
                        : std::to_string(lines) + " lines, " + std::to_string(crLf) +
                              " ended by CR LF, " + std::to_string(cr) + " CR";
         },
         always("CR LF only")},
        {"games.txt with CR LF and Windows-1252 letters read and written back",
         [](const TempDir& dir) {
             const auto store = storeIn(dir.path());
             writeBytes(store->filePath("teams.txt"),
                        "TEAM Jos\xE9 & Zo\xEB\r\nTEAM Ann & Bob\r\n");
             writeBytes(store->filePath("games.txt"),
                        "GAME\r\n{\r\n   TEAM1_NAME Jos\xE9 & Zo\xEB\r\n   TEAM1_SCORE 120\r\n"
                        "   TEAM1_FLAGS 1\r\n   TEAM2_NAME Ann & Bob\r\n   TEAM2_SCORE 90\r\n"
                        "   TEAM2_FLAGS 0\r\n}\r\n");
             EXPECT_FALSE(store->loadAll().refused());
             EXPECT_TRUE(store->writeGames().ok());
             const auto again = storeIn(dir.path());
             EXPECT_FALSE(again->loadAll().refused());
             return readBytes(store->filePath("games.txt")) + again->teams()[0].teamName + " " +
                    std::to_string(again->teams()[0].pointsFor);
         },
         always("GAME\n{\n   TEAM1_NAME José & Zoë\n   TEAM1_SCORE 120\n   TEAM1_FLAGS 1\n"
                "   TEAM2_NAME Ann & Bob\n   TEAM2_SCORE 90\n   TEAM2_FLAGS 0\n}\n"
                "José & Zoë 120")},
        {"a path written with backslashes only",
         [](const TempDir& dir) {
             std::string folder = dir.file("club");
             std::replace(folder.begin(), folder.end(), '/', '\\');
             fs::create_directory(utf8Path(folder));
             for (const char* contents : {"PLAYER Ann\n", "PLAYER Bob\n"})
                 EXPECT_TRUE(writeFileAtomically(folder + "\\players.txt", contents).ok());
             constexpr std::array<std::string_view, 1> kept{"players.txt"};
             EXPECT_TRUE(keepVersion(folder, kept).ok());
             return namesIn(dir.path()) + namesIn(folder) + readBytes(folder + "\\players.txt");
         },
         always("club\nbackups\nplayers.txt\nPLAYER Bob\n")},
        {"a file replaced behind the program's back, its size and time kept",
         [](const TempDir& dir) {
             const auto store = storeIn(dir.path());
             const std::string path = store->filePath("players.txt");
             writeBytes(path, "PLAYER Ann\n");
             EXPECT_FALSE(store->loadAll().refused());
             writeBytes(dir.file("other"), "PLAYER Bob\n");
             FILETIME written{};
             const HANDLE old = ::CreateFileW(utf8Path(path).c_str(), GENERIC_READ, 0, nullptr,
                                              OPEN_EXISTING, 0, nullptr);
             ::GetFileTime(old, nullptr, nullptr, &written);
             ::CloseHandle(old);
             const HANDLE other =
                 ::CreateFileW(utf8Path(dir.file("other")).c_str(), FILE_WRITE_ATTRIBUTES, 0,
                               nullptr, OPEN_EXISTING, 0, nullptr);
             ::SetFileTime(other, nullptr, nullptr, &written);
             ::CloseHandle(other);
             ::MoveFileExW(utf8Path(dir.file("other")).c_str(), utf8Path(path).c_str(),
                           MOVEFILE_REPLACE_EXISTING);
             store->addPlayer("Cy");
             const SaveResult saved = store->writePlayers();
             return saved.ok() ? "overwritten: " + readBytes(path)
                               : saved.reason().substr(0, saved.reason().find(','));
         },
         always("it was changed on disk since this program last read or saved it")},
        {"the journal's time gives its offset from UTC as +hh:mm",
         [](const TempDir&) {
             const std::string time = history::localTimeNow();
             static const std::regex iso(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d)");
             return std::regex_match(time, iso) ? std::string("ISO 8601") : time;
         },
         always("ISO 8601")},
        {"corvane-cli publish from a folder named beyond the code page",
         [](const TempDir& dir) { return cliFrom(dir, {"publish"}); },
         [](const TempDir& dir) {
             const std::string folder = seenFrom(dir) + "/Tournament1/";
             return "0|" + folder + "tournament.html\n" + folder + "ДмитрийАна.html\n" + folder +
                    "ZoëJörg.html\n|";
         }},
        {"corvane-cli export from there, its CSV rows ending in CR LF",
         [](const TempDir& dir) {
             return cliFrom(dir, {"export", "teams"});
         },
         always(
             "0|Team,Player 1,Player 2\r\nZoë & Jörg,Zoë,Jörg\r\nДмитрий & Ана,Дмитрий,Ана\r\n|")},
        {"corvane-cli pairings with that folder named on the command line",
         [](const TempDir& dir) {
             return cliFrom(dir, {"pairings", dir.file(beyondAnsi)});
         },
         always("0|Table,Team 1,Team 2\r\n1,Дмитрий & Ана,Zoë & Jörg\r\n|")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TempDir dir;
        EXPECT_EQ(c.happens(dir), c.expected(dir));
    }
}

} // namespace
} // namespace corvane::testing
