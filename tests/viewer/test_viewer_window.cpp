// The viewer's window driven in this process: real pages in a real web view,
// followed by link, Back and Reload as a person would.
#include "viewer/ViewerWindow.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using corvane::viewer::ViewerWindow;

// Where every test of this program keeps its pages and the viewer its settings.
QTemporaryDir* scratch = nullptr;

QString scratchFile(const QString& name) {
    return scratch->filePath(name);
}

void writePage(const QString& name, const QString& body) {
    QFile file(scratchFile(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("<html><head><title>Corvane Tournament Results</title></head>"
                              "<body>%1</body></html>")
                   .arg(body)
                   .toUtf8());
}

// Runs `step` and waits until the view has finished the load it causes.
bool loads(ViewerWindow& window, const std::function<void()>& step) {
    QSignalSpy finished(window.view(), &QWebEngineView::loadFinished);
    step();
    return finished.wait(20000) && finished.first().first().toBool();
}

QString pageText(ViewerWindow& window) {
    QString text;
    bool done = false;
    window.view()->page()->toPlainText([&](const QString& t) {
        text = t;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        ADD_FAILURE() << "no text from the page";
    return text;
}

void trigger(ViewerWindow& window, const QString& text) {
    for (QAction* action : window.findChild<QToolBar*>()->actions())
        if (action->text() == text)
            return action->trigger();
    ADD_FAILURE() << "no toolbar button " << text.toStdString();
}

// A click of the mouse on the page's first link, as a person makes it: the browser
// treats navigations that no person asked for differently (Back skips them).
void clickLink(ViewerWindow& window) {
    QPoint centre;
    bool done = false;
    window.view()->page()->runJavaScript(
        QStringLiteral(
            "(function() { const r = document.querySelector('a').getBoundingClientRect();"
            " return [r.left + r.width / 2, r.top + r.height / 2]; })()"),
        [&](const QVariant& point) {
            const QVariantList xy = point.toList();
            centre = QPoint(xy.value(0).toInt(), xy.value(1).toInt());
            done = true;
        });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        return ADD_FAILURE() << "the link has no place on the page";
    QTest::mouseClick(window.view()->focusProxy(), Qt::LeftButton, {}, centre);
}

TEST(ViewerWindowTest, FollowsATeamLinkAndComesBack) {
    writePage("tournament.html",
              "<h1>Standings</h1><a href=\"Ann BobCarl.html\">Ann Bob & Carl</a>");
    writePage("Ann BobCarl.html", "<p>Games of Ann Bob &amp; Carl</p>");
    ViewerWindow window;
    window.show();

    ASSERT_TRUE(loads(window, [&] { window.OpenPage(scratchFile("tournament.html")); }));
    EXPECT_EQ(window.windowTitle(), "Corvane Tournament Results - Corvane Tournament Software");
    EXPECT_TRUE(pageText(window).contains("Standings"));

    ASSERT_TRUE(loads(window, [&] { clickLink(window); }));
    EXPECT_EQ(window.view()->url().fileName(), "Ann BobCarl.html");
    EXPECT_TRUE(pageText(window).contains("Games of Ann Bob & Carl"));

    ASSERT_TRUE(loads(window, [&] { trigger(window, "Back"); }));
    EXPECT_EQ(window.view()->url().fileName(), "tournament.html");
    EXPECT_EQ(window.requestedUrl(), window.view()->url());
}

TEST(ViewerWindowTest, SaysInASentenceWhatIsNotPublishedAndReloadsItOnceWritten) {
    writePage("board.html", "<a href=\"DanEve.html\">Dan & Eve</a>");
    ViewerWindow window;
    window.show();

    ASSERT_TRUE(loads(window, [&] { window.OpenPage(scratchFile("missing.html")); }));
    EXPECT_TRUE(window.showsMissingPage());
    EXPECT_EQ(pageText(window).trimmed(), "The results have not been published yet.");
    EXPECT_EQ(window.windowTitle(), "Tournament Results - Corvane Tournament Software");

    // A link to a team page that is not there yet, then the page is written.
    ASSERT_TRUE(loads(window, [&] { window.OpenPage(scratchFile("board.html")); }));
    EXPECT_FALSE(window.showsMissingPage());
    ASSERT_TRUE(loads(window, [&] { clickLink(window); }));
    EXPECT_TRUE(window.showsMissingPage());
    EXPECT_EQ(window.requestedUrl().fileName(), "DanEve.html");
    writePage("DanEve.html", "<p>Games of Dan &amp; Eve</p>");
    ASSERT_TRUE(loads(window, [&] { trigger(window, "Reload"); }));
    EXPECT_FALSE(window.showsMissingPage());
    EXPECT_TRUE(pageText(window).contains("Games of Dan & Eve"));
}

TEST(ViewerWindowTest, RemembersItsSize) {
    {
        ViewerWindow window;
        window.show();
        window.resize(640, 480);
        window.close();
    }
    ViewerWindow again;
    EXPECT_EQ(again.size(), QSize(640, 480));
}

} // namespace

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    // Nothing outside the scratch folder: settings, caches and the runtime folder go there.
    QTemporaryDir dir;
    scratch = &dir;
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    for (const char* variable :
         {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
        qputenv(variable, dir.path().toLocal8Bit());
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
