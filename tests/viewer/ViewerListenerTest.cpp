// The open viewer answers a publish of its own working directory over the
// local socket, and nothing else: another folder's page, a second viewer of
// the same folder and a socket left by an ended viewer.
#include "viewer/ViewerListener.h"

#include "platform/ViewerSocket.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <future>
#include <gtest/gtest.h>

namespace corvane::viewer {
namespace {

constexpr std::chrono::milliseconds answerWait{3000};

// Asks as the program does, on another thread, while this one runs the
// viewer's event loop; true when the viewer said it shows the page.
bool ask(const QString& workingDirectory, const QString& page) {
    auto asked = std::async(std::launch::async, [=] {
        return platform::askViewerToShow(platform::viewerSocketPath(workingDirectory.toStdString()),
                                         page.toStdString(), answerWait);
    });
    while (asked.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return asked.get();
}

TEST(ViewerListenerTest, AnswersOnlyForPagesOfItsOwnWorkingDirectory) {
    QTemporaryDir runtime, work, other;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8()); // the sockets stay in the test's folder
    const QString board = work.filePath("Tournament1/tournament.html");
    QDir(work.path()).mkpath("Tournament1");
    QDir(other.path()).mkpath("Tournament1");
    const QString canonical = QDir(work.path()).canonicalPath();

    // A socket an ended viewer left behind is taken over.
    const std::string socket = platform::viewerSocketPath(canonical.toStdString());
    EXPECT_FALSE(platform::askViewerToShow(socket, board.toStdString(), answerWait));
    QFile left(QString::fromStdString(socket));
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.close();
    ViewerListener listener(board);
    ASSERT_TRUE(listener.listening());
    ViewerListener second(work.filePath("Tournament2/tournament.html"));
    EXPECT_FALSE(second.listening()) << "one viewer of a folder answers";

    QSignalSpy shown(&listener, &ViewerListener::showRequested);
    // A page, and whether this viewer answers for it and shows it.
    const std::pair<QString, bool> rows[] = {
        {work.filePath("Tournament1/tournament.html"), true},
        {work.filePath("Tournament3/tournament.html"), true},
        {other.filePath("Tournament1/tournament.html"), false},
        {work.filePath("tournament.html"), false},
    };
    for (const auto& [page, answered] : rows) {
        shown.clear();
        EXPECT_EQ(ask(canonical, page), answered) << page.toStdString();
        QCoreApplication::processEvents();
        EXPECT_EQ(shown.size(), answered ? 1 : 0) << page.toStdString();
        EXPECT_TRUE(!answered || shown.value(0).value(0).toString() == page);
    }

    // A request that never ends its line is cut off, not kept growing; the limit only
    // turns a viewer that never cuts it into a failure.
    constexpr int cutOffLimitMs = 60'000;
    QLocalSocket endless;
    endless.connectToServer(QString::fromStdString(socket));
    ASSERT_TRUE(endless.waitForConnected(int(answerWait.count())));
    endless.write(QByteArray(2 * 64 * 1024, 'x'));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            endless.flush();
            return endless.state() == QLocalSocket::UnconnectedState;
        },
        cutOffLimitMs));
    qunsetenv("XDG_RUNTIME_DIR");
}

} // namespace
} // namespace corvane::viewer
