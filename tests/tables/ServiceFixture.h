#pragma once
// A table service with two tables, a counting random source, a clock the test
// moves and a door that records what it was handed.
#include "tables/TableService.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace corvane::testing {

// Different bytes on every call, the same in every run.
inline tables::RandomBytes countingRandom() {
    return [next = 0u](std::span<unsigned char> out) mutable {
        for (unsigned char& byte : out) {
            byte = static_cast<unsigned char>(next++ * 7 + 3);
        }
    };
}

struct SavedGame {
    GameRecord game;
    int table = 0;
};

class ServiceTest : public ::testing::Test {
protected:
    ServiceTest() {
        service.openRound({{"Ann & Bob", "Cy & Dee"}, {"Eve & Fay", "<b>Gus</b> & Hal"}}, random);
    }

    tables::Response request(std::string method, std::string path, std::string body = {},
                             std::string address = "10.0.0.2") {
        return service.handle(
            {std::move(method), std::move(path), std::move(body), std::move(address)}, now);
    }
    std::string link(int table) const {
        return "/t/" + service.tables().tables()[static_cast<std::size_t>(table - 1)].token;
    }
    // A form body as the phone page sends it.
    static std::string form(const std::string& id, const std::string& s1, const std::string& s2,
                            bool both = false, const std::string& more = {}) {
        return "id=" + id + "&s1=" + s1 + "&f1=0&s2=" + s2 + "&f2=1&both=" + (both ? "1" : "0") +
               more;
    }
    tables::Response send(int table, const std::string& body) {
        return request("POST", link(table), body);
    }

    std::vector<SavedGame> saved;
    bool doorSaves = true;
    tables::RandomBytes random = countingRandom();
    tables::Clock::time_point now{};
    tables::TableService service{[this](const GameRecord& game, int table) {
                                     if (doorSaves) {
                                         saved.push_back({game, table});
                                     }
                                     return doorSaves;
                                 },
                                 [] { return std::string("21:30"); }};
};

} // namespace corvane::testing
