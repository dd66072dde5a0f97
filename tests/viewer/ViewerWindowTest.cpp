// The viewer's window driven in this process: a real page in a real web view,
// a team link followed by mouse and Back pressed, as a person would.
#include "viewer/ViewerWindow.h"

#include "PdfSummary.h"

#include <QApplication>
#include <QDir>
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
         {std::pair("tournament.html", "<html><body><a href=\"AnnBob.html\">Ann & Bob</a>"),
          std::pair("AnnBob.html", "<html><body>Ann & Bob")}) {
        QFile page(folder + "/" + name);
        ASSERT_TRUE(page.open(QIODevice::WriteOnly) && page.write(text));
    }
    corvane::viewer::ViewerWindow window;
    window.show();
    ASSERT_TRUE(loads(window, [&] { window.OpenPage(folder + "/AnnBob.html"); }));

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
