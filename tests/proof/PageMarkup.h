#pragma once
// Just enough reading of a serialised DOM for the browser test: the rows of
// its tables as cell texts, and the files its attributes and styles refer to.
#include <string>
#include <string_view>
#include <vector>

namespace corvane::proof {

// Every <tr> of `dom`, each as the visible texts of its <td> cells, trimmed.
std::vector<std::vector<std::string>> tableRows(std::string_view dom);

// The values of every src= and href= attribute and every CSS url(...).
std::vector<std::string> referencedFiles(std::string_view dom);

// A relative link as a file name: %XX decoded and HTML entities resolved.
std::string decodeLink(std::string_view link);

} // namespace corvane::proof
