// The viewer's window driven in this process: a real page in a real web view,
// a team link followed by mouse and Back pressed, as a person would.
#include "viewer/ViewerWindow.h"

#include "CaseTable.h"
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
#include <sstream>

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

// A rectangle written "x y width height"; several with ";" between them.
QList<QRect> rects(const std::string& text) {
    QList<QRect> out;
    std::istringstream all(text);
    for (std::string one; std::getline(all, one, ';');) {
        int x = 0, y = 0, width = 0, height = 0;
        std::istringstream(one) >> x >> y >> width >> height;
        out << QRect(x, y, width, height);
    }
    return out;
}

// Every placement keeps the window on its screen; the cases and why are in the table.
TEST(ViewerWindowTest, PlacementKeepsTheWindowOnTheScreen) {
    using namespace corvane::viewer;
    for (const corvane::testing::CaseRow& c :
         corvane::testing::readCaseTable(CORVANE_VIEWER_CASES "/placements.tsv", 5)) {
        const QRect first = rects(c[1]).value(0), second = rects(c[2]).value(0);
        QRect placed;
        if (c[0] == "viewer")
            placed = placeViewer(c[1].empty() ? std::nullopt : std::optional(first), second,
                                 rects(c[3]));
        else if (c[0] == "remembered")
            placed = rememberedPlacement(first, second, rects("0 0 " + c[3]).value(0).size());
        else
            placed = normalDisplayGeometry(first);
        EXPECT_EQ(placed, rects(c[4]).value(0)) << c[0] << ": " << c[1] << ", " << c[2];
    }
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
