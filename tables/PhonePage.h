#pragma once
// The page a table's link opens on a phone: plain HTML, CSS and a little
// script that works on old phone browsers. It keeps an entry on the phone and
// sends it again until the program answers; each entry carries an id made on
// the phone, so a retry never saves twice.
#include <string>
#include <vector>

namespace corvane::tables {

struct Table;

// The page of `table`; at an any-teams table the phone picks two of `teams`.
std::string phonePage(const Table& table, const std::vector<std::string>& teams);

// The page of a link that no longer submits (unknown, revoked, or its game saved).
std::string closedPage(bool saved);

} // namespace corvane::tables
