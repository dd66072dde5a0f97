#include "store/GameHashIndex.h"

#include <algorithm>

namespace corvane {

void GameHashIndex::addPosition(std::size_t position, Hashes hashes) {
    const auto at = static_cast<std::uint32_t>(position);
    for (const std::size_t hash : {hashes.first, hashes.second}) {
        std::vector<std::uint32_t>& list = positions_[hash];
        const auto place = std::ranges::lower_bound(list, at);
        if (place == list.end() || *place != at) {
            list.insert(place, at);
        }
    }
}

void GameHashIndex::dropPosition(std::size_t position, Hashes hashes) {
    const auto at = static_cast<std::uint32_t>(position);
    for (const std::size_t hash : {hashes.first, hashes.second}) {
        const auto found = positions_.find(hash);
        if (found == positions_.end()) {
            continue;
        }
        std::vector<std::uint32_t>& list = found->second;
        const auto place = std::ranges::lower_bound(list, at);
        if (place != list.end() && *place == at) {
            list.erase(place);
        }
        if (list.empty()) {
            positions_.erase(found);
        }
    }
}

void GameHashIndex::append(Hashes hashes) {
    hashes_.push_back(hashes);
    if (positionsCurrent_) {
        addPosition(hashes_.size() - 1, hashes);
    }
}

void GameHashIndex::insert(std::size_t position, Hashes hashes) {
    if (position >= hashes_.size()) {
        append(hashes);
        return;
    }
    hashes_.insert(hashes_.begin() + static_cast<std::ptrdiff_t>(position), hashes);
    positionsCurrent_ = false; // every later game moved up one
}

void GameHashIndex::erase(std::size_t position) {
    if (position + 1 == hashes_.size() && positionsCurrent_) {
        dropPosition(position, hashes_.back());
    } else {
        positionsCurrent_ = false; // every later game moved down one
    }
    hashes_.erase(hashes_.begin() + static_cast<std::ptrdiff_t>(position));
}

void GameHashIndex::replace(std::size_t position, Hashes hashes) {
    if (positionsCurrent_) {
        dropPosition(position, hashes_[position]);
        addPosition(position, hashes);
    }
    hashes_[position] = hashes;
}

void GameHashIndex::assign(std::vector<Hashes> hashes) {
    hashes_ = std::move(hashes);
    positionsCurrent_ = false;
}

void GameHashIndex::clear() {
    hashes_.clear();
    positions_.clear();
    positionsCurrent_ = true;
}

std::span<const std::uint32_t> GameHashIndex::positionsOf(std::size_t hash) const {
    if (!positionsCurrent_) {
        positions_.clear();
        for (std::size_t i = 0; i < hashes_.size(); ++i) {
            std::vector<std::uint32_t>& first = positions_[hashes_[i].first];
            first.push_back(static_cast<std::uint32_t>(i));
            if (hashes_[i].second != hashes_[i].first) {
                positions_[hashes_[i].second].push_back(static_cast<std::uint32_t>(i));
            }
        }
        positionsCurrent_ = true;
    }
    const auto found = positions_.find(hash);
    if (found == positions_.end()) {
        return {};
    }
    return found->second;
}

} // namespace corvane
