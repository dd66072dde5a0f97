#include "tables/ResultQueue.h"

#include <algorithm>

namespace corvane::tables {
namespace {

bool sameResult(const GameRecord& a, const GameRecord& b) {
    return a.team1Name == b.team1Name && a.team2Name == b.team2Name &&
           a.team1Score == b.team1Score && a.team2Score == b.team2Score &&
           a.team1Flags == b.team1Flags && a.team2Flags == b.team2Flags;
}

bool settled(ResultState state) {
    return state == ResultState::saved || state == ResultState::rejected;
}

} // namespace

std::optional<std::size_t> ResultQueue::itemOf(int round, int table) const {
    // Newest first: a table's latest item is the live one.
    for (std::size_t i = items_.size(); i-- > 0;) {
        if (items_[i].round == round && items_[i].table == table) {
            return i;
        }
    }
    return std::nullopt;
}

Answer ResultQueue::receive(int round, int table, const Submission& submission,
                            const std::string& when, std::optional<std::size_t>& changed) {
    changed.reset();
    if (const auto seen = seen_.find(submission.id); seen != seen_.end()) {
        return answerOf(items_[seen->second]);
    }
    std::optional<std::size_t> index = itemOf(round, table);
    if (index && items_[*index].state == ResultState::saved) {
        // Nothing more is taken for a saved table, nor remembered.
        return Answer::saved;
    }
    if (!index || items_[*index].state == ResultState::rejected) {
        // A rejected result may be entered again.
        items_.push_back(QueueItem{round, table, submission.game, std::nullopt,
                                   submission.both ? ResultState::confirmed : ResultState::entered,
                                   submission.device, when});
        index = items_.size() - 1;
    } else {
        QueueItem& item = items_[*index];
        const GameRecord& first = item.other ? *item.other : item.game;
        if (item.state == ResultState::mismatch && sameResult(submission.game, first)) {
            // The second entry now agrees with the first.
            item.game = first;
            item.other.reset();
            item.state = ResultState::confirmed;
        } else if (sameResult(submission.game, item.game)) {
            item.state = item.state == ResultState::mismatch ? ResultState::mismatch
                                                             : ResultState::confirmed;
        } else {
            item.other = item.game;
            item.game = submission.game;
            item.state = ResultState::mismatch;
        }
        item.device = submission.device;
        item.when = when;
    }
    seen_.emplace(submission.id, *index);
    changed = index;
    return answerOf(items_[*index]);
}

bool ResultQueue::dueForSaving(std::size_t index) const {
    return saveConfirmed_ && index < items_.size() && items_[index].state == ResultState::confirmed;
}

Answer ResultQueue::answerOf(const QueueItem& item) const {
    switch (item.state) {
    case ResultState::entered:
        return Answer::waitingForOtherTeam;
    case ResultState::saved:
        return Answer::saved;
    case ResultState::rejected:
        return Answer::rejected;
    case ResultState::confirmed:
    case ResultState::mismatch:
        break;
    }
    return Answer::waitingForOrganiser;
}

void ResultQueue::markSaved(std::size_t index, std::optional<GameRecord> edited) {
    if (index >= items_.size() || settled(items_[index].state)) {
        return;
    }
    QueueItem& item = items_[index];
    if (edited) {
        item.game = std::move(*edited);
    }
    item.other.reset();
    item.state = ResultState::saved;
}

void ResultQueue::reject(std::size_t index) {
    if (index < items_.size() && !settled(items_[index].state)) {
        items_[index].state = ResultState::rejected;
    }
}

void ResultQueue::endRound() {
    items_.clear();
    seen_.clear();
}

std::size_t ResultQueue::waiting() const {
    return static_cast<std::size_t>(std::count_if(
        items_.begin(), items_.end(), [](const QueueItem& item) { return !settled(item.state); }));
}

std::optional<Answer> ResultQueue::answerFor(int round, int table) const {
    const auto index = itemOf(round, table);
    return index ? std::optional(answerOf(items_[*index])) : std::nullopt;
}

} // namespace corvane::tables
