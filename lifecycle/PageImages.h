#pragma once
// The two images every page refers to, title.jpg and back.jpg, in a tournament folder.
#include <string>
#include <vector>

namespace corvane {

// The first of `candidates` that holds title.jpg or back.jpg: where the program
// keeps its own images. Empty when none does.
[[nodiscard]] std::string findImagesFolder(const std::vector<std::string>& candidates);

// Copies title.jpg and back.jpg into `folderPath`, overwriting older copies:
// each from the working directory, or, where that lacks it, from
// `defaultImagesFolder` (the program's own). A missing or failed copy leaves
// the image out.
void copyPageImages(const std::string& workingDirectory, const std::string& folderPath,
                    const std::string& defaultImagesFolder);

// As copyPageImages, but only the images `folderPath` lacks: a folder published
// without them (an old one, or by the command line) would show pale headings
// on white, while an image the organiser put there stays.
void addMissingPageImages(const std::string& workingDirectory, const std::string& folderPath,
                          const std::string& defaultImagesFolder);

} // namespace corvane
