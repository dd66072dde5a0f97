// The corvane-viewer program itself, run as the desktop program runs it.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

class ViewerProgramTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // Runs the viewer with its settings, caches and runtime folder in the scratch folder.
    Outcome run(const QStringList& args, bool display = true) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* variable :
             {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
            env.insert(variable, dir.path());
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        if (display)
            env.insert("QT_QPA_PLATFORM", "offscreen");
        else
            env.remove("QT_QPA_PLATFORM");
        QProcess viewer;
        viewer.setProcessEnvironment(env);
        viewer.setWorkingDirectory(dir.path());
        viewer.start(CORVANE_VIEWER_PROGRAM, args);
        Outcome result;
        if (!viewer.waitForFinished(60000)) {
            viewer.kill();
            viewer.waitForFinished();
            ADD_FAILURE() << "the viewer did not end in time";
            return result;
        }
        result.exitCode = viewer.exitStatus() == QProcess::NormalExit ? viewer.exitCode() : -1;
        result.out = QString::fromUtf8(viewer.readAllStandardOutput());
        result.err = QString::fromUtf8(viewer.readAllStandardError());
        return result;
    }

    QTemporaryDir dir;
};

TEST_F(ViewerProgramTest, ShowsAWrittenLeaderBoardAndSaysWhenThereIsNone) {
    ASSERT_TRUE(QDir(dir.path()).mkpath("Tournament 2"));
    QFile page(dir.filePath("Tournament 2/tournament.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><head><title>Corvane Tournament Results</title></head>"
               "<body><h1>Standings</h1><a href=\"AnnBob.html\">Ann & Bob</a></body></html>");
    page.close();

    // A relative path with a space, after "--", as the desktop program passes it.
    const Outcome shown = run({"--exit-after-load", "--", "Tournament 2/tournament.html"});
    EXPECT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_TRUE(shown.out.startsWith("Corvane Tournament Results - Corvane Tournament Software\n"))
        << shown.out.toStdString();
    EXPECT_TRUE(shown.out.contains("Standings\nAnn & Bob")) << shown.out.toStdString();

    const Outcome missing = run({"--exit-after-load", dir.filePath("Tournament3/tournament.html")});
    EXPECT_EQ(missing.exitCode, 0) << missing.err.toStdString();
    EXPECT_EQ(missing.out, "Tournament Results - Corvane Tournament Software\n"
                           "The results have not been published yet.\n");
}

TEST_F(ViewerProgramTest, AnswersHelpAndVersionWithoutADisplayAndRefusesAWrongCommandLine) {
    const Outcome version = run({"--version"}, false);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("corvane-viewer ")) << version.out.toStdString();
    const Outcome help = run({"-h"}, false);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: corvane-viewer")) << help.out.toStdString();

    for (const QStringList& wrong :
         {QStringList{}, QStringList{"a.html", "b.html"}, QStringList{"--colour", "a.html"}}) {
        const Outcome refused = run(wrong);
        EXPECT_EQ(refused.exitCode, 2) << wrong.join(' ').toStdString();
        EXPECT_TRUE(refused.err.contains("Usage:")) << refused.err.toStdString();
    }
}

} // namespace
