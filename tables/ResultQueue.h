#pragma once
// The results the tables sent, one item per table, as the organiser's queue
// shows them: entered by one team, confirmed by both (on one phone or two),
// or a mismatch between two entries. The organiser accepts, edits or rejects;
// a confirmed result may be saved at once. A retried submission (same id) is
// answered as before and never makes a second item or a second save.
#include "store/Records.h"
#include "tables/Submission.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace corvane::tables {

enum class ResultState { entered, confirmed, mismatch, saved, rejected };

struct QueueItem {
    int round = 0;
    int table = 0;
    GameRecord game;                 // the result as entered (and confirmed)
    std::optional<GameRecord> other; // the other team's differing entry
    ResultState state = ResultState::entered;
    std::string device; // the last phone that sent it
    std::string when;   // when it last arrived, as the caller wrote it
};

// What the phone is told.
enum class Answer { waitingForOtherTeam, waitingForOrganiser, saved, rejected };

class ResultQueue {
public:
    // A submission of `table` in `round`. The item's index is `changed` when
    // it is new or changed (not for a retry).
    Answer receive(int round, int table, const Submission& submission, const std::string& when,
                   std::optional<std::size_t>& changed);

    // Whether confirmed results are saved without the organiser.
    void setSaveConfirmed(bool on) { saveConfirmed_ = on; }
    bool saveConfirmed() const { return saveConfirmed_; }
    // A confirmed item to be saved now, when the switch is on.
    bool dueForSaving(std::size_t index) const;

    const std::vector<QueueItem>& items() const { return items_; }
    // The organiser's word; `edited` replaces the result before it is saved.
    void markSaved(std::size_t index, std::optional<GameRecord> edited = std::nullopt);
    void reject(std::size_t index);
    // The round is over: its results and answers are forgotten (those not
    // saved can no longer be).
    void endRound();
    // Results neither saved nor rejected.
    std::size_t waiting() const;

    // What a table's phone is told now (a page reloaded after a lost answer).
    std::optional<Answer> answerFor(int round, int table) const;

private:
    Answer answerOf(const QueueItem& item) const;
    std::optional<std::size_t> itemOf(int round, int table) const;

    std::vector<QueueItem> items_;
    // Submission ids already taken in, each with the item it went to.
    std::unordered_map<std::string, std::size_t> seen_;
    bool saveConfirmed_ = false;
};

} // namespace corvane::tables
