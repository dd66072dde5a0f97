// The projector display in this process: it follows a publish in place, in the
// same page, and scrolls through standings taller than the screen. (That it
// leaves the focus alone is seen on a desktop with a window manager: the
// offscreen platform activates every window shown.)
#include "viewer/DisplayWindow.h"

#include "PageScript.h"
#include "viewer/WindowPlacement.h"

#include <QApplication>
#include <QDir>
#include <QSaveFile>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

using corvane::viewer::DisplayWindow;

// Written as the program writes its pages: a new file put in place at once.
void publish(const QString& path, const QString& body) {
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("<html><head><meta charset=\"utf-8\"><title>Corvane Tournament Results</title>"
                "</head><body>" +
                body + "</body></html>")
                   .toUtf8());
    ASSERT_TRUE(file.commit());
}

// Until `display` has drawn what was published; the test's time limit ends a wait
// that never does.
void waitForUpdate(QSignalSpy& updated) {
    while (updated.isEmpty())
        updated.wait(1000);
    updated.clear();
}

QVariant evaluate(QWebEngineView* view, const QString& script) {
    return corvane::testing::runScript(*view->page(), script);
}

QString text(QWebEngineView* view) {
    return evaluate(view, "document.body.innerText").toString();
}

TEST(DisplayWindowTest, FollowsEachPublishInPlaceAndKeepsTheUpdatedCornerBeside) {
    QTemporaryDir dir;
    const QString board = dir.filePath("Tournament1/tournament.html");
    publish(board, "<p>Leader Board</p><table><tr><td>Ann &amp; Bob</td></tr></table>");

    DisplayWindow display(dir.path());
    QSignalSpy updated(&display, &DisplayWindow::updated);
    display.ShowOn(QGuiApplication::primaryScreen());
    waitForUpdate(updated);
    EXPECT_TRUE(display.isFullScreen());
    EXPECT_EQ(display.boardPath(), board);
    EXPECT_TRUE(text(display.view()).contains("Ann & Bob"));
    EXPECT_TRUE(display.updatedText().startsWith("Updated "))
        << display.updatedText().toStdString();

    // A mark left in the page shows it is the same page after the update, not a new load.
    evaluate(display.view(), "document.body.dataset.mark = 'same page'");
    QSignalSpy loads(display.view(), &QWebEngineView::loadStarted);
    publish(board, "<p>Leader Board</p><table><tr><td>Cid &amp; Dee</td></tr></table>");
    waitForUpdate(updated);
    EXPECT_TRUE(text(display.view()).contains("Cid & Dee"));
    EXPECT_EQ(evaluate(display.view(), "document.body.dataset.mark").toString(), "same page");
    EXPECT_TRUE(loads.isEmpty());
    EXPECT_EQ(display.cursor().shape(), Qt::BlankCursor);

    // A later tournament's first publish takes the screen.
    const QString next = dir.filePath("Tournament2/tournament.html");
    QTest::qWait(20); // a later modification time than the first board's
    publish(next, "<p>Leader Board</p><table><tr><td>Eve &amp; Fay</td></tr></table>");
    waitForUpdate(updated);
    EXPECT_EQ(display.boardPath(), next);
    EXPECT_TRUE(text(display.view()).contains("Eve & Fay"));

    // Escape, once the display has been clicked, leaves full screen for a window
    // that shows whole, not one the size of the screen.
    QTest::keyClick(&display, Qt::Key_Escape);
    EXPECT_FALSE(display.isFullScreen());
    EXPECT_EQ(display.geometry(),
              corvane::viewer::normalDisplayGeometry(display.screen()->availableGeometry()));

    // The "Updated" corner sits beside the standings, never over their last rows,
    // whatever the screen's size and scale.
    for (const QSize size : {QSize(640, 400), QSize(1920, 1080), QSize(800, 1280)}) {
        display.resize(size);
        const QRect label = display.updatedLabelGeometry();
        EXPECT_FALSE(label.intersects(display.view()->geometry())) << size.width();
        EXPECT_TRUE(display.rect().contains(label)) << size.width();
        EXPECT_EQ(display.view()->width(), size.width());
    }
}

TEST(DisplayWindowTest, ScrollsDownThroughTallStandingsAndStartsAgainAtTheTop) {
    QTemporaryDir dir;
    QString rows;
    for (int i = 0; i < 200; ++i)
        rows += QStringLiteral("<tr><td height=\"30\">Team %1</td></tr>").arg(i);
    publish(dir.filePath("Tournament1/tournament.html"), "<table>" + rows + "</table>");
    DisplayWindow display(dir.path());
    display.setScrollTiming(0, 3000);
    QSignalSpy updated(&display, &DisplayWindow::updated);
    display.ShowOn(QGuiApplication::primaryScreen());
    waitForUpdate(updated);
    const auto scrolled = [&] { return evaluate(display.view(), "window.scrollY").toDouble(); };
    const double end = evaluate(display.view(), "document.documentElement.scrollHeight - "
                                                "window.innerHeight")
                           .toDouble();
    ASSERT_GT(end, 0);
    double last = 0;
    while (last < end - 1)
        last = std::max(last, scrolled()), QTest::qWait(10);
    // Only a new round from the top ever scrolls up.
    while (scrolled() >= end - 1)
        QTest::qWait(10);
}

} // namespace
