#include "store/NameCompare.h"

#include "store/Utf8.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace corvane {
namespace {

struct FoldRow {
    char32_t from;
    char32_t to[3];
};

constexpr FoldRow foldTable[] = {
#include "store/CaseFoldTable.inc"
};

static_assert(std::is_sorted(std::begin(foldTable), std::end(foldTable),
                             [](const FoldRow& a, const FoldRow& b) { return a.from < b.from; }));

int asciiFold(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

// Hands out the folded form of a name one byte at a time, so comparing and
// hashing need no copy of the name.
class FoldReader {
public:
    explicit FoldReader(std::string_view text) : text_(text) {}

    // The next byte of the folded form, or -1 at its end.
    int next() {
        if (pendingPos_ < pendingLength_) {
            return static_cast<unsigned char>(pending_[pendingPos_++]);
        }
        if (pos_ >= text_.size()) {
            return -1;
        }
        const auto lead = static_cast<unsigned char>(text_[pos_]);
        if (lead < 0x80) {
            ++pos_;
            return asciiFold(lead);
        }
        const long cp = utf8::decode(text_, pos_);
        if (cp < 0) {
            return lead;
        }
        fillPending(static_cast<char32_t>(cp));
        return static_cast<unsigned char>(pending_[pendingPos_++]);
    }

private:
    void fillPending(char32_t cp) {
        pendingPos_ = 0;
        pendingLength_ = 0;
        const auto* row = std::lower_bound(std::begin(foldTable), std::end(foldTable), cp,
                                           [](const FoldRow& r, char32_t c) { return r.from < c; });
        if (row == std::end(foldTable) || row->from != cp) {
            pendingLength_ = utf8::encode(cp, pending_);
            return;
        }
        for (char32_t target : row->to) {
            if (target != 0) {
                pendingLength_ += utf8::encode(target, pending_ + pendingLength_);
            }
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    char pending_[12] = {};
    std::size_t pendingLength_ = 0;
    std::size_t pendingPos_ = 0;
};

} // namespace

std::string foldName(std::string_view name) {
    std::string folded;
    folded.reserve(name.size());
    FoldReader reader(name);
    for (int b = reader.next(); b >= 0; b = reader.next()) {
        folded.push_back(static_cast<char>(b));
    }
    return folded;
}

bool namesEqual(std::string_view a, std::string_view b) {
    if (a == b) {
        return true;
    }
    // Plain ASCII needs no table; the rest is folded from the first other byte,
    // which starts a character since everything before it was ASCII.
    std::size_t i = 0;
    for (; i < a.size() && i < b.size(); ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca >= 0x80 || cb >= 0x80) {
            break;
        }
        if (asciiFold(ca) != asciiFold(cb)) {
            return false;
        }
    }
    FoldReader ra(a.substr(i));
    FoldReader rb(b.substr(i));
    for (;;) {
        const int ca = ra.next();
        if (ca != rb.next()) {
            return false;
        }
        if (ca < 0) {
            return true;
        }
    }
}

std::size_t foldedHash(std::string_view name) {
    // FNV-1a, 64 bits, over the folded bytes.
    std::uint64_t hash = 14695981039346656037ull;
    const auto mix = [&hash](int b) {
        hash = (hash ^ static_cast<std::uint64_t>(b)) * 1099511628211ull;
    };
    std::size_t i = 0;
    while (i < name.size() && static_cast<unsigned char>(name[i]) < 0x80) {
        mix(asciiFold(static_cast<unsigned char>(name[i++])));
    }
    FoldReader reader(name.substr(i));
    for (int b = reader.next(); b >= 0; b = reader.next()) {
        mix(b);
    }
    // FNV leaves the low bits weak, and tables index by them: mix them in.
    hash ^= hash >> 33;
    hash *= 0xff51afd7ed558ccdull;
    hash ^= hash >> 33;
    hash *= 0xc4ceb9fe1a85ec53ull;
    hash ^= hash >> 33;
    return static_cast<std::size_t>(hash);
}

} // namespace corvane
