#include "TestServices.h"

#include "TempDir.h"
#include "app/ViewResults.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

namespace corvane::testing {

void ensureApplication() {
    if (QApplication::instance())
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Settings the windows remember go to a scratch folder, never the user's own.
    static QTemporaryDir settings;
    setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
    static int argc = 1;
    static char name[] = "corvane-tests";
    static char* argv[] = {name, nullptr};
    // Lives until the process ends: widgets of static tests may outlive main.
    new QApplication(argc, argv);
}

platform::MessageAnswer ScriptedMessageBoxes::show(QWidget* owner, const QString& text,
                                                   const QString& caption,
                                                   platform::MessageButtons buttons) {
    shown.push_back({owner, text, caption, buttons});
    if (buttons == platform::MessageButtons::Ok)
        return platform::MessageAnswer::Ok;
    if (answers.empty())
        return platform::MessageAnswer::No;
    const platform::MessageAnswer next = answers.front();
    answers.pop_front();
    return next;
}

std::vector<QString> ScriptedMessageBoxes::captions() const {
    std::vector<QString> out;
    for (const ShownBox& box : shown)
        out.push_back(box.caption);
    return out;
}

void WorkingDirectory::write(const std::string& name, const std::string& bytes) const {
    std::filesystem::create_directories(std::filesystem::path(file(name)).parent_path());
    writeBytes(file(name), bytes);
}

std::string WorkingDirectory::read(const std::string& name) const {
    return readBytes(file(name));
}

TestServices::TestServices() {
    ensureApplication();
    // Publishing is the program's own, through the fake viewer.
    platform::services() = {&messages, &files, &viewer, &dialogs, &app::resultsPublisher(),
                            &printer};
}

} // namespace corvane::testing
