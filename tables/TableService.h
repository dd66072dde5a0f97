#pragma once
// What the web server answers, without the server: the phone pages, results
// from tables, and the standings. Only a valid table token submits, for its
// own table and round, until its game is saved or the round ends; nothing
// else can change the tournament. Unknown paths get 404, known paths with
// another method 405; no file is ever served.
#include "tables/RateLimiter.h"
#include "tables/ResultQueue.h"
#include "tables/TableSet.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace corvane::tables {

struct Request {
    std::string method; // "GET", "POST", ...
    std::string path;   // without the query
    std::string body;
    std::string address; // the sender's, for the rate limit and the queue
};

struct Response {
    int status = 200;
    std::string contentType = "text/plain; charset=utf-8";
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
    // The start of an event stream: the connection stays open, and each
    // change of the standings is sent on it as `boardEvent` gives it.
    bool stream = false;
};

class TableService {
public:
    // Hands a result to the one door; true when it was saved.
    using Saver = std::function<bool(const GameRecord& game, int table)>;
    // The time shown in the queue.
    using Now = std::function<std::string()>;
    // Told of each queue item new or changed.
    using Listener = std::function<void(std::size_t item)>;

    TableService(Saver saver, Now now, RateLimits limits = {});

    Response handle(const Request& request, Clock::time_point now);

    const TableSet& tables() const { return tables_; }
    const ResultQueue& queue() const { return queue_; }
    // Whether a result confirmed by both teams is saved without the organiser.
    void setSaveConfirmed(bool on) { queue_.setSaveConfirmed(on); }
    void setListener(Listener listener) { listener_ = std::move(listener); }

    // A new round's tables (the last round's links stop working).
    void openRound(const std::vector<std::pair<std::string, std::string>>& pairs,
                   const RandomBytes& random);
    void openAnyTeams(int count, std::vector<std::string> teams, const RandomBytes& random);
    void endRound();

    // The organiser's word on a queue item: saved through the door (with
    // `edited` in place of the sent result) or rejected.
    bool accept(std::size_t item, std::optional<GameRecord> edited = std::nullopt);
    void reject(std::size_t item);

    // The standings' rows, kept current by the caller after every change.
    void setBoardRows(std::string rows) { boardRows_ = std::move(rows); }
    const std::string& boardRows() const { return boardRows_; }

private:
    Response submit(const Table& table, const Request& request);

    Saver saver_;
    Now now_;
    Listener listener_;
    RateLimiter limiter_;
    TableSet tables_;
    ResultQueue queue_;
    std::string boardRows_;
};

} // namespace corvane::tables
