#include "imports/NameReview.h"

#include "store/NameCompare.h"
#include "store/NameRules.h"
#include "store/Utf8.h"

#include <unordered_map>

namespace corvane {

namespace {

NameVerdict verdictAlone(const std::string& name, const TournamentStore& store) {
    if (name.empty()) {
        return NameVerdict::empty;
    }
    if (hasControlCharacter(name)) {
        return NameVerdict::controlCharacter;
    }
    return store.hasPlayer(name) ? NameVerdict::alreadyRegistered : NameVerdict::added;
}

// A blank that a person cannot see at either end of a name: space and no-break space.
bool isBlank(long codePoint) {
    constexpr long noBreakSpace = 0xA0;
    return codePoint == ' ' || codePoint == noBreakSpace;
}

// How a character stands in the visible name.
void appendVisible(std::string& out, long codePoint, bool atEnd) {
    constexpr char32_t openBox = 0x2423, controlPictures = 0x2400, deletePicture = 0x2421;
    constexpr char32_t replacement = 0xFFFD;
    constexpr long firstPrintable = 0x20, deleteCharacter = 0x7F;
    if (atEnd && isBlank(codePoint)) {
        utf8::append(out, openBox);
    } else if (codePoint >= 0 && codePoint < firstPrintable) {
        utf8::append(out, controlPictures + static_cast<char32_t>(codePoint));
    } else if (codePoint == deleteCharacter) {
        utf8::append(out, deletePicture);
    } else if (codePoint < 0 || isControlCharacter(codePoint)) {
        utf8::append(out, replacement);
    } else {
        utf8::append(out, static_cast<char32_t>(codePoint));
    }
}

} // namespace

std::vector<std::string> NameReview::namesToAdd() const {
    std::vector<std::string> names;
    names.reserve(addedCount);
    for (const NameDecision& decision : decisions) {
        if (decision.verdict == NameVerdict::added) {
            names.push_back(decision.listed.name);
        }
    }
    return names;
}

NameReview reviewNames(std::vector<ListedName> names, const TournamentStore& store) {
    NameReview review;
    review.decisions.reserve(names.size());
    // The line of each name to be added so far, by folded name.
    std::unordered_map<std::string, std::size_t> lineOf;
    lineOf.reserve(names.size());
    for (ListedName& listed : names) {
        NameDecision decision{std::move(listed)};
        decision.verdict = verdictAlone(decision.listed.name, store);
        if (decision.verdict == NameVerdict::added) {
            const auto [earlier, isNew] =
                lineOf.try_emplace(foldName(decision.listed.name), decision.listed.line);
            if (!isNew) {
                decision.verdict = NameVerdict::twiceInList;
                decision.sameAsLine = earlier->second;
            } else {
                ++review.addedCount;
            }
        }
        review.decisions.push_back(std::move(decision));
    }
    return review;
}

std::string decisionText(const NameDecision& decision) {
    switch (decision.verdict) {
    case NameVerdict::added:
        return "will be added";
    case NameVerdict::empty:
        return "refused: empty";
    case NameVerdict::controlCharacter:
        return "refused: holds a line break or another control character";
    case NameVerdict::alreadyRegistered:
        return "refused: already registered";
    case NameVerdict::twiceInList:
        return "refused: twice in the list (as on line " + std::to_string(decision.sameAsLine) +
               ")";
    }
    return {};
}

std::string visibleName(std::string_view name) {
    // Code points first, so that the blanks at either end can be told.
    std::vector<long> codePoints;
    codePoints.reserve(name.size());
    for (std::size_t pos = 0; pos < name.size();) {
        codePoints.push_back(utf8::decode(name, pos));
    }
    std::size_t first = 0;
    while (first < codePoints.size() && isBlank(codePoints[first])) {
        ++first;
    }
    std::size_t last = codePoints.size();
    while (last > first && isBlank(codePoints[last - 1])) {
        --last;
    }
    std::string out;
    out.reserve(name.size() + 8);
    for (std::size_t i = 0; i < codePoints.size(); ++i) {
        appendVisible(out, codePoints[i], i < first || i >= last);
    }
    return out;
}

} // namespace corvane
