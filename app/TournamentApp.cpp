#include "app/TournamentApp.h"

#include "app/MainDialog.h"
#include "app/ViewResults.h"
#include "platform/QtServices.h"
#include "platform/Services.h"
#include "platform/TemplateData.h"
#include "platform/TournamentLock.h"
#include "res/ids/MainWindow.h"

#include <QApplication>
#include <QDir>

namespace corvane::app {

int TournamentApp::run(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(platform::loadIconGroup(ids::mainWindow::programIcon));

    const auto messages = platform::makeQtMessageBoxes();
    const auto files = platform::makeQtFileDialogs();
    const auto viewer = platform::makeSystemViewerLauncher();
    const auto printer = platform::makeQtSheetPrinter();
    platform::services() = {messages.get(), files.get(),         viewer.get(),
                            nullptr,        &resultsPublisher(), printer.get()};
    QString refusal;
    const auto lock = platform::TournamentLock::acquire(QDir::currentPath(), refusal);
    if (!lock) {
        platform::notify(nullptr, refusal, QStringLiteral("Notice"));
        platform::services() = {};
        return 1;
    }
    {
        MainDialog main;
        main.exec();
    }
    platform::services() = {};
    return 0;
}

} // namespace corvane::app
