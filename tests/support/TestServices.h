#pragma once
// Every platform service faked for the lifetime of one test: message boxes
// answered by script, and Open and Save dialogs, a viewer, a dialog runner and a
// printer that record their calls instead of opening anything. A QApplication
// exists (offscreen) and a temporary working directory is current meanwhile.
#include "platform/Services.h"

#include <QDialog>
#include <QPointer>
#include <QTemporaryDir>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace corvane::testing {

// The process's QApplication, created on first use.
void ensureApplication();

struct ShownBox {
    QPointer<QWidget> owner;
    QString text;
    QString caption;
    platform::MessageButtons buttons = platform::MessageButtons::Ok;
};

// Each box is recorded; a question takes the next scripted answer, No when none is left.
struct ScriptedMessageBoxes final : platform::MessageBoxes {
    std::deque<platform::MessageAnswer> answers;
    std::vector<ShownBox> shown;
    void answerYes() { answers.push_back(platform::MessageAnswer::Yes); }
    void answerNo() { answers.push_back(platform::MessageAnswer::No); }
    void clear() {
        shown.clear();
        answers.clear();
    }
    std::vector<QString> captions() const;
    platform::MessageAnswer show(QWidget* owner, const QString& text, const QString& caption,
                                 platform::MessageButtons buttons) override;
};

struct FakeFileDialogs final : platform::FileDialogs {
    QString chosen; // what the next Open dialog returns; empty: cancelled
    std::vector<std::pair<QWidget*, platform::OpenFileRequest>> requests;
    platform::SaveFileChoice saved; // what the next Save dialog returns; empty path: cancelled
    std::vector<std::pair<QWidget*, platform::SaveFileRequest>> saveRequests;
    QString openFile(QWidget* owner, const platform::OpenFileRequest& request) override {
        requests.emplace_back(owner, request);
        return chosen;
    }
    platform::SaveFileChoice saveFile(QWidget* owner,
                                      const platform::SaveFileRequest& request) override {
        saveRequests.emplace_back(owner, request);
        return saved;
    }
};

struct FakeViewerLauncher final : platform::ViewerLauncher {
    std::vector<std::string> calls; // "end <folder>", "start <page>", "display <folder> <screen>"
    std::function<void()> onCall;   // runs at each call, to look at the files then
    bool displayStarts = true;      // what startDisplay answers
    bool viewerOpen = false;        // what showInRunningViewer answers
    void endRunningViewers(const std::string& folder) override { record("end " + folder); }
    bool showInRunningViewer(const std::string&, const std::string& page) override {
        return viewerOpen && record("show " + page);
    }
    bool startViewer(const std::string& page) override { return record("start " + page); }
    bool startDisplay(const std::string& folder, const std::string& screen) override {
        return record("display " + folder + " " + screen) && displayStarts;
    }
    bool record(std::string call) {
        calls.push_back(std::move(call));
        if (onCall)
            onCall();
        return true;
    }
};

// Runs no modal loop: records the caption and owner of each dialog run, and
// answers it as `answer` says (Rejected without one), as a person would.
struct FakeDialogRunner final : platform::DialogRunner {
    std::vector<std::pair<QString, QWidget*>> runs;
    std::function<int(QDialog&)> answer;
    int run(QDialog& dialog) override {
        runs.emplace_back(dialog.windowTitle(), dialog.parentWidget());
        return answer ? answer(dialog) : QDialog::Rejected;
    }
};

// Prints nothing: records what each print asked for.
struct FakeSheetPrinter final : platform::SheetPrinter {
    std::vector<std::pair<QWidget*, platform::PrintRequest>> prints;
    bool print(QWidget* owner, const platform::PrintRequest& request) override {
        prints.emplace_back(owner, request);
        return true;
    }
};

struct WorkingDirectory {
    WorkingDirectory() { std::filesystem::current_path(path()); }
    ~WorkingDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(previous, ignored);
    }
    // The directory as the system reports it once current.
    std::string path() const { return std::filesystem::canonical(temp.path().toStdString()); }
    std::string file(const std::string& name) const { return path() + "/" + name; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    QTemporaryDir temp;
    std::filesystem::path previous = std::filesystem::current_path();
};

struct TestServices {
    platform::Services previous = platform::services();
    TestServices();
    ~TestServices() { platform::services() = previous; }
    ScriptedMessageBoxes messages;
    FakeFileDialogs files;
    FakeViewerLauncher viewer;
    FakeDialogRunner dialogs;
    FakeSheetPrinter printer;
    WorkingDirectory dir;
};

} // namespace corvane::testing
