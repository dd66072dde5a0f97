#include "tables/TableService.h"

#include "tables/HttpStatus.h"
#include "tables/PhonePage.h"
#include "tables/StandingsPage.h"

namespace corvane::tables {
namespace {

using status::notAllowed;
using status::notFound;
using status::ok;
using status::tooMany;
constexpr std::string_view tablePrefix = "/t/";
constexpr std::string_view html = "text/html; charset=utf-8";

// Every answer: never cached, never sniffed, scripts only from the page itself.
Response answer(int status, std::string_view type, std::string body) {
    Response response{status, std::string(type), std::move(body), {}};
    response.headers = {{"Cache-Control", "no-store"},
                        {"X-Content-Type-Options", "nosniff"},
                        {"Referrer-Policy", "no-referrer"},
                        {"Content-Security-Policy",
                         "default-src 'none'; script-src 'unsafe-inline'; style-src "
                         "'unsafe-inline'; connect-src 'self'; form-action 'none'"}};
    return response;
}

Response text(int status, std::string body) {
    return answer(status, "text/plain; charset=utf-8", std::move(body));
}

Response wrongMethod(std::string_view allowed) {
    Response response = text(notAllowed, "Method not allowed.");
    response.headers.emplace_back("Allow", std::string(allowed));
    return response;
}

std::string_view wordOf(Answer reply) {
    switch (reply) {
    case Answer::saved:
        return "saved";
    case Answer::waitingForOtherTeam:
        return "waiting-other";
    case Answer::rejected:
        return "rejected";
    case Answer::waitingForOrganiser:
        break;
    }
    return "waiting-organiser";
}

} // namespace

TableService::TableService(Saver saver, Now now, RateLimits limits)
    : saver_(std::move(saver)), now_(std::move(now)), limiter_(limits) {}

Response TableService::handle(const Request& request, Clock::time_point now) {
    if (!limiter_.allow(request.address, now)) {
        Response response = text(tooMany, "Too many requests: wait a minute.");
        response.headers.emplace_back("Retry-After", "60");
        return response;
    }
    const bool get = request.method == "GET";
    if (request.path == "/standings" || request.path == "/standings/rows" ||
        request.path == standingsEventsPath) {
        if (!get) {
            return wrongMethod("GET");
        }
        if (request.path == standingsEventsPath) {
            Response stream = answer(ok, "text/event-stream", boardEvent(boardRows_));
            stream.stream = true;
            return stream;
        }
        return request.path == "/standings" ? answer(ok, html, standingsPage(boardRows_))
                                            : answer(ok, html, boardRows_);
    }
    if (!request.path.starts_with(tablePrefix)) {
        return text(notFound, "Not found.");
    }
    const Table* table = tables_.find(std::string_view(request.path).substr(tablePrefix.size()));
    if (table == nullptr) {
        return answer(notFound, html, closedPage(false));
    }
    if (get) {
        return table->saved ? answer(ok, html, closedPage(true))
                            : answer(ok, html, phonePage(*table, tables_.teams()));
    }
    if (request.method != "POST") {
        return wrongMethod("GET, POST");
    }
    return submit(*table, request);
}

Response TableService::submit(const Table& table, const Request& request) {
    SubmissionRead read = readSubmission(request.body, table, tables_);
    if (const auto* problem = std::get_if<SubmissionProblem>(&read)) {
        return text(problem->status, problem->message);
    }
    Submission& submission = std::get<Submission>(read);
    submission.device =
        request.address + (submission.device.empty() ? "" : " ") + submission.device;
    const int round = tables_.round();
    const int number = table.number;
    std::optional<std::size_t> changed;
    Answer reply = queue_.receive(round, number, submission, now_(), changed);
    if (changed && queue_.dueForSaving(*changed) && accept(*changed)) {
        reply = Answer::saved;
    } else if (changed && listener_) {
        listener_(*changed);
    }
    return text(ok, std::string(wordOf(reply)));
}

void TableService::openRound(const std::vector<std::pair<std::string, std::string>>& pairs,
                             const RandomBytes& random) {
    queue_.endRound();
    tables_.open(pairs, random);
}

void TableService::openAnyTeams(int count, std::vector<std::string> teams,
                                const RandomBytes& random) {
    queue_.endRound();
    tables_.openAnyTeams(count, std::move(teams), random);
}

void TableService::endRound() {
    queue_.endRound();
    tables_.close();
}

bool TableService::accept(std::size_t item, std::optional<GameRecord> edited) {
    const auto& items = queue_.items();
    if (item >= items.size() || items[item].round != tables_.round() ||
        items[item].state == ResultState::saved || items[item].state == ResultState::rejected) {
        return false;
    }
    const GameRecord game = edited ? *edited : items[item].game;
    const int table = items[item].table;
    if (!saver_(game, table)) {
        return false;
    }
    queue_.markSaved(item, edited);
    tables_.markSaved(table);
    if (listener_) {
        listener_(item);
    }
    return true;
}

void TableService::reject(std::size_t item) {
    queue_.reject(item);
    if (listener_) {
        listener_(item);
    }
}

} // namespace corvane::tables
