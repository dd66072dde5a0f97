#pragma once
// A temporary working directory made current for one test, and the previous
// current directory restored afterwards.
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace corvane::testing {

class WorkingDirectory {
public:
    WorkingDirectory() : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(path());
    }
    ~WorkingDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

    // The directory as the system reports it once current.
    std::string path() const { return std::filesystem::canonical(dir_.path().toStdString()); }
    std::string file(const std::string& name) const { return path() + "/" + name; }

    void write(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(file(name)).parent_path());
        std::ofstream(file(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(file(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    QTemporaryDir dir_;
    std::filesystem::path previous_;
};

} // namespace corvane::testing
