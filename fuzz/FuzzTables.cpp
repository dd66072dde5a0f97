// What a phone can send: the input, cut at its first two NULs, is a request's
// path ("@" for the open table's link), method and body, handed to a table
// service whose confirmed results are saved at once. Whatever arrives, an
// answer has a known status, a page's names stay escaped, and no table's game
// is saved twice.
#include "tables/TableService.h"

// The checks hold in every build type.
#undef NDEBUG
#include <cassert>
#include <map>
#include <string_view>

using namespace corvane;

namespace {

struct Setup {
    std::map<int, int> saves; // by table
    tables::TableService service{[this](const GameRecord&, int table) {
                                     ++saves[table];
                                     return true;
                                 },
                                 [] { return std::string("12:00"); },
                                 tables::RateLimits{1 << 30, {}, {}}};
    Setup() {
        const tables::RandomBytes fixed = [](std::span<unsigned char> out) {
            static unsigned char next = 0;
            for (unsigned char& byte : out) {
                byte = next++;
            }
        };
        service.openRound({{"<b>Ann</b> & Bob", "Cy & Dee"}}, fixed);
        service.setSaveConfirmed(true);
    }
};

std::string_view cut(std::string_view& rest) {
    const std::size_t end = std::min(rest.find('\0'), rest.size());
    const std::string_view field = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    return field;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Setup setup;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::string path(cut(rest));
    const std::string method(cut(rest));
    // So that inputs reach the submission checks.
    if (path == "@") {
        path = "/t/" + setup.service.tables().tables().front().token;
    }
    const tables::Response answer =
        setup.service.handle({method, path, std::string(rest), "10.0.0.1"}, {});
    assert(answer.status == 200 || answer.status == 400 || answer.status == 404 ||
           answer.status == 405 || answer.status == 413 || answer.status == 422);
    assert(answer.body.find("<b>Ann</b>") == std::string::npos);
    for (const auto& [table, saves] : setup.saves) {
        assert(saves <= 1);
    }
    return 0;
}
