// The corvane-viewer program itself, run as the desktop program runs it, with its
// settings, caches and runtime folder in a scratch folder.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ViewerProgramTest, ShowsThePageGivenOrSaysThereIsNoneAndRefusesAWrongCommandLine) {
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* variable :
         {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
        env.insert(variable, dir.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TZ", "UTC"); // the display's "Updated" time, as a local time
    ASSERT_TRUE(QDir(dir.path()).mkpath("Tournament 2"));
    QFile page(dir.filePath("Tournament 2/tournament.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly) &&
                page.write("<html><head><title>Corvane Tournament Results</title><body>Standings"));
    page.close();
    ASSERT_TRUE(page.open(QIODevice::ReadWrite) &&
                page.setFileTime(QDateTime(QDate(2026, 12, 7), QTime(21, 34), Qt::UTC),
                                 QFileDevice::FileModificationTime));
    page.close();
    // A relative path with a space after "--", as the desktop program passes it; a
    // missing page; two pages; the projector display of the working directory.
    // clang-format off
    const std::tuple<QStringList, int, QString> runs[] = {
        {{"--exit-after-load", "--", "Tournament 2/tournament.html"}, 0,
         "Corvane Tournament Results - Corvane Tournament Software\nStandings\n"},
        {{"--exit-after-load", "Tournament3/tournament.html"}, 0, "Tournament Results - Corvane "
         "Tournament Software\nThe results have not been published yet.\n"},
        {{"a.html", "b.html"}, 2, ""},
        {{"--display", "--exit-after-load", "."}, 0, "Updated 21:34\nStandings\n"},
        {{"--display"}, 2, ""}};
    // clang-format on
    for (const auto& [args, exitCode, out] : runs) {
        QProcess viewer;
        viewer.setProcessEnvironment(env);
        viewer.setWorkingDirectory(dir.path());
        viewer.start(CORVANE_VIEWER_PROGRAM, args);
        ASSERT_TRUE(viewer.waitForFinished(-1)) << "the viewer did not end";
        EXPECT_EQ(viewer.exitCode(), exitCode) << viewer.readAllStandardError().toStdString();
        EXPECT_EQ(QString::fromUtf8(viewer.readAllStandardOutput()), out);
    }
}
