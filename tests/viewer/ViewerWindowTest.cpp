// The viewer's window driven in this process: a real page in a real web view,
// a team link followed by mouse and Back pressed, as a person would.
#include "viewer/ViewerWindow.h"

#include "PdfSummary.h"
#include "PublishedTournament.h"
#include "viewer/WindowPlacement.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

// Runs `step` and waits until the view has finished the load it causes.
bool loads(corvane::viewer::ViewerWindow& window, const std::function<void()>& step) {
    QSignalSpy finished(window.view(), &QWebEngineView::loadFinished);
    step();
    // Until the signal comes; the test's own time limit ends a load that never does.
    while (finished.isEmpty()) {
        finished.wait(1000);
    }
    return finished.first().first().toBool();
}

TEST(ViewerWindowTest, FollowsATeamLinkByMouseAndComesBack) {
    QFile page(qEnvironmentVariable("HOME") + "/tournament.html");
    // The link covers the page, so a click anywhere follows it.
    ASSERT_TRUE(page.open(QIODevice::WriteOnly) &&
                page.write("<html><head><title>Corvane Tournament Results</title><body><a href="
                           "\"Ann BobCarl.html\" style=\"position:fixed;inset:0\">Ann & Bob</a>"));
    page.close();
    corvane::viewer::ViewerWindow window;
    window.show();
    ASSERT_TRUE(loads(window, [&] { window.OpenPage(page.fileName()); }));
    EXPECT_EQ(window.windowTitle(), "Corvane Tournament Results - Corvane Tournament Software");

    // A click of the mouse, as a person makes it: Back skips navigations no person asked for.
    QWidget* surface = window.view()->focusProxy();
    ASSERT_TRUE(loads(window, [&] { QTest::mouseClick(surface, Qt::LeftButton, {}, {20, 20}); }));
    EXPECT_EQ(window.requestedUrl().fileName(), "Ann BobCarl.html");
    EXPECT_TRUE(window.showsMissingPage()); // not written yet
    QAction* back = window.findChild<QToolBar*>()->actions().value(0);
    ASSERT_TRUE(back && back->text() == "Back");
    ASSERT_TRUE(loads(window, [&] { back->trigger(); }));
    EXPECT_EQ(window.view()->url().fileName(), "tournament.html");
}

// "Save as PDF…" from a team page: the whole tournament of its folder, in one
// file; a file that cannot be written is said, not shown as an error page.
TEST(ViewerWindowTest, SavesTheTournamentOfThePageShownAsOnePdf) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("Tournament4");
    const QString folder = dir.filePath("Tournament4");
    for (const auto& [name, text] :
         {std::pair("tournament.html", "<html><body><a href=\"Ann Bob.html\">Ann & Bob</a>"),
          std::pair("Ann Bob.html", "<html><body>Ann & Bob")}) {
        QFile page(folder + "/" + name);
        ASSERT_TRUE(page.open(QIODevice::WriteOnly) && page.write(text));
    }
    corvane::viewer::ViewerWindow window;
    window.show();
    ASSERT_TRUE(loads(window, [&] { window.OpenPage(folder + "/Ann Bob.html"); }));

    QStringList suggested;
    QStringList errors;
    QString chosen = dir.filePath("results.pdf");
    window.setPrompts({[&](QWidget* owner, const QString& start) {
                           EXPECT_EQ(owner, &window);
                           suggested << start;
                           return chosen;
                       },
                       [&](QWidget*, const QString& error) { errors << error; }});
    QAction* save = window.savePdfAction();
    ASSERT_EQ(save->text(), "Save as PDF\u2026");
    save->trigger();
    EXPECT_FALSE(save->isEnabled()) << "one PDF at a time";
    ASSERT_TRUE(QTest::qWaitFor([&] { return save->isEnabled(); }, 120000));
    EXPECT_EQ(suggested, QStringList{dir.filePath("Tournament4.pdf")});
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
    QFile pdf(chosen);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(corvane::testing::summarise(pdf.readAll()).links,
              (std::vector<std::vector<int>>{{1}, {}}));

    chosen = dir.filePath("missing/results.pdf");
    save->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return save->isEnabled(); }, 120000));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Could not save " + chosen)) << errors[0].toStdString();
}

TEST(ViewerWindowTest, OpensWhereTheLastOneOfItsDirectoryWasKeptOnTheScreen) {
    using corvane::viewer::placeViewer;
    QTemporaryDir dir;
    const QString clubA = dir.filePath("a/Tournament1/tournament.html");
    const QString clubB = dir.filePath("b/Tournament1/tournament.html");
    const QRect lastA(100, 120, 1100, 500);
    {
        corvane::viewer::ViewerWindow last;
        last.OpenPage(clubA);
        last.show();
        last.setGeometry(lastA);
        last.close();
    }
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    corvane::viewer::ViewerWindow nextA;
    nextA.OpenPage(clubA);
    nextA.show();
    EXPECT_EQ(nextA.geometry(), placeViewer(lastA, available));
    // Another directory's first viewer opens where it can be seen beside it.
    corvane::viewer::ViewerWindow firstB;
    firstB.OpenPage(clubB);
    firstB.show();
    EXPECT_EQ(firstB.geometry(), placeViewer(std::nullopt, available, {nextA.geometry()}));
    EXPECT_NE(firstB.geometry().topLeft(), nextA.geometry().topLeft());
}

TEST(ViewerWindowTest, PlacementKeepsTheWindowOnTheScreen) {
    using corvane::viewer::placeViewer;
    const QRect screen(0, 0, 1280, 800);
    const int top = corvane::viewer::titleBarAllowance;
    const QList<QRect> none;
    const std::tuple<std::optional<QRect>, QRect, QList<QRect>, QRect> cases[] = {
        // The first viewer: the whole table, centred, its title bar on the screen.
        {std::nullopt, screen, none, QRect(110, 0, 1060, 768).translated(0, top)},
        {std::nullopt, QRect(0, 0, 1000, 600), none, QRect(0, top, 1000, 568)},
        // Where the last one was, when it still fits.
        {QRect(40, 60, 1100, 600), screen, none, QRect(40, 60, 1100, 600)},
        // Hanging off the bottom right: moved back in; too big: made smaller.
        {QRect(900, 500, 1100, 600), screen, none, QRect(180, 200, 1100, 600)},
        {QRect(-50, -50, 2000, 1500), screen, none, QRect(0, top, 1280, 800 - top)},
        // On a second screen to the right.
        {QRect(1400, 100, 1100, 600), QRect(1280, 0, 1920, 1080), none,
         QRect(1400, 100, 1100, 600)},
        // Narrower than the table (left so by a scaled-down screen): widened where it fits.
        {QRect(40, 60, 640, 368), screen, none, QRect(40, 60, 1060, 368)},
        {QRect(0, 32, 640, 368), QRect(0, 0, 640, 400), none, QRect(0, 32, 640, 368)},
        // Another directory's viewer at the same place: moved off it, down and right.
        {QRect(40, 60, 1100, 600), screen, {QRect(40, 60, 900, 500)}, QRect(72, 92, 1100, 600)},
        {QRect(40, 60, 1100, 600),
         screen,
         {QRect(72, 92, 1, 1), QRect(40, 60, 1, 1)},
         QRect(104, 124, 1100, 600)},
        {std::nullopt, screen, {QRect(110, top, 1, 1)}, QRect(0, top, 1060, 768)},
    };
    for (const auto& [saved, available, others, placed] : cases)
        EXPECT_EQ(placeViewer(saved, available, others), placed) << placed.x() << "," << placed.y();
}

// A size forced by the screen is not the organiser's: the size asked for is kept
// until the organiser resizes the window.
TEST(ViewerWindowTest, ASizeMadeToFitTheScreenIsNotRemembered) {
    using corvane::viewer::rememberedPlacement;
    const QRect placed(0, 32, 640, 368);
    const QSize wanted(1060, 860);
    const std::tuple<QRect, QRect, QSize, QRect> cases[] = {
        {placed, placed, wanted, QRect(0, 32, 1060, 860)},
        {placed.translated(10, 0), placed, wanted, QRect(10, 32, 1060, 860)},
        {QRect(0, 32, 600, 300), placed, wanted, QRect(0, 32, 600, 300)},
        {placed, placed, placed.size(), placed},
    };
    for (const auto& [current, at, asked, remembered] : cases)
        EXPECT_EQ(rememberedPlacement(current, at, asked), remembered) << current.width();
}

// Out of full screen the projector display is a window that shows whole.
TEST(ViewerWindowTest, TheDisplayOutOfFullScreenIsAWindowOnTheScreen) {
    using corvane::viewer::normalDisplayGeometry;
    const int top = corvane::viewer::titleBarAllowance;
    const std::pair<QRect, QRect> cases[] = {
        {QRect(0, 0, 1920, 1080), QRect(320, top + 175, 1280, 698)},
        {QRect(1920, 0, 1280, 800), QRect(1920 + 213, top + 128, 853, 512)},
    };
    for (const auto& [available, normal] : cases)
        EXPECT_EQ(normalDisplayGeometry(available), normal) << available.x();
}

// "Open in Web Browser" without a browser says so; "Print" into a PDF file writes
// the engine's own small PDF, not a picture of each sheet.
TEST(ViewerWindowTest, ABrowserThatCannotStartIsSaidAndPrintingToAFileStaysSmall) {
    QTemporaryDir dir;
    ASSERT_TRUE(corvane::testing::publishTournament(dir.path(), 20));
    corvane::viewer::ViewerWindow window;
    window.show();
    const QString board = dir.filePath("Tournament1/tournament.html");
    ASSERT_TRUE(loads(window, [&] { window.OpenPage(board); }));

    QStringList errors;
    corvane::viewer::ViewerPrompts prompts;
    prompts.showError = [&](QWidget*, const QString& error) { errors << error; };
    prompts.openExternally = [](const QUrl&) { return false; };
    const QString printed = dir.filePath("printed.pdf");
    prompts.choosePrinter = [&](QWidget*, QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        return true;
    };
    window.setPrompts(prompts);
    const QList<QAction*> actions = window.findChild<QToolBar*>()->actions();
    const auto action = [&](const QString& text) {
        const auto found = std::find_if(actions.begin(), actions.end(),
                                        [&](QAction* a) { return a->text() == text; });
        return found == actions.end() ? nullptr : *found;
    };
    ASSERT_TRUE(action("Open in Web Browser") && action("Print"));

    action("Open in Web Browser")->trigger();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QDir::toNativeSeparators(board))) << errors[0].toStdString();
    // Started, the browser may still end at once: the way by hand is said, without a box.
    prompts.openExternally = [](const QUrl&) { return true; };
    window.setPrompts(prompts);
    action("Open in Web Browser")->trigger();
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(window.statusText().contains(QDir::toNativeSeparators(board)))
        << window.statusText().toStdString();

    action("Print")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return action("Print")->isEnabled(); }, 120000));
    EXPECT_EQ(errors.size(), 1);
    QFile pdf(printed);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.peek(5) == "%PDF-");
    constexpr qint64 smallPdf = 500 * 1024;
    EXPECT_LT(pdf.size(), smallPdf);
    ::testing::Test::RecordProperty("bytes", static_cast<int>(pdf.size()));
}

} // namespace

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    // Nothing outside the scratch folder: pages, settings, caches and the runtime folder go there.
    QTemporaryDir dir;
    for (const char* variable :
         {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
        qputenv(variable, dir.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1"); // the test's own local pages only; root needs it
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
