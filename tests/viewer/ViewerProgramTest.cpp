// The corvane-viewer program run as the desktop program runs it: a page shown,
// the projector display, and --pdf of a played tournament of 20 teams as the
// program publishes it, with the mistakes. (Which pages a PDF takes, in which
// order, and how they are joined: PdfJoinTest.)
#include "CaseTable.h"
#include "PdfSummary.h"
#include "PublishedTournament.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvane::testing {
namespace {

struct ViewerRun {
    int exitCode = -1;
    QString err;
    QString out;
};

class ViewerProgramTest : public ::testing::Test {
protected:
    // corvane-viewer with `arguments` from the scratch folder, its settings,
    // caches and runtime folder there too.
    ViewerRun viewer(const QStringList& arguments) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* variable :
             {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
            env.insert(variable, dir.path());
        env.insert("TZ", "UTC"); // the display's "Updated" time, as a local time
        env.insert("QT_QPA_PLATFORM", "offscreen");
        if (arguments.contains("--pdf"))
            env.remove("QT_QPA_PLATFORM"); // --pdf must go offscreen of its own accord
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        process.start(CORVANE_VIEWER_PROGRAM, arguments);
        // Long enough for the slowest machine; a hang, not a slow run, fails.
        constexpr int hangMs = 170000;
        if (!process.waitForFinished(hangMs))
            return {};
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()),
                QString::fromUtf8(process.readAllStandardOutput())};
    }
    QByteArray read(const QString& name) const {
        QFile file(QDir(dir.path()).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

TEST_F(ViewerProgramTest, ATournamentOfTwentyTeamsFitsInTwoMegabytesAsOnePdf) {
    constexpr int teams = 20;
    ASSERT_TRUE(publishTournament(dir.path(), teams));

    const ViewerRun run = viewer({"--pdf", "Tournament1.pdf", "Tournament1"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QByteArray pdf = read("Tournament1.pdf");
    EXPECT_LT(pdf.size(), 2 * 1024 * 1024);
    const PdfSummary summary = summarise(pdf);
    ASSERT_GE(summary.sheets, 1 + teams);
    // The leader board's team links lead to the team pages' first sheets, in
    // standings order, and each team page leads back to the leader board.
    std::vector<int> firstSheets = summary.links.front();
    ASSERT_EQ(firstSheets.size(), std::size_t{teams});
    EXPECT_GT(firstSheets.front(), 0);
    firstSheets.push_back(summary.sheets);
    for (std::size_t team = 0; team < teams; ++team) {
        ASSERT_LT(firstSheets[team], firstSheets[team + 1]) << team;
        std::vector<int> links;
        for (int sheet = firstSheets[team]; sheet < firstSheets[team + 1]; ++sheet)
            for (const int target : summary.links[static_cast<std::size_t>(sheet)])
                links.push_back(target);
        EXPECT_EQ(links, std::vector<int>{0}) << team;
    }
}

TEST_F(ViewerProgramTest, ShowsThePageGivenOrSaysWhyNotAndWritesNoPdfWithoutALeaderBoard) {
    ASSERT_TRUE(QDir(dir.path()).mkpath("Empty"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("Tournament 2"));
    QFile page(QDir(dir.path()).filePath("Tournament 2/tournament.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly) &&
                page.write("<html><head><title>Corvane Tournament Results</title><body>Standings"));
    page.close();
    ASSERT_TRUE(page.open(QIODevice::ReadWrite) &&
                page.setFileTime(QDateTime(QDate(2026, 12, 7), QTime(21, 34), Qt::UTC),
                                 QFileDevice::FileModificationTime));
    page.close();
    // The arguments, the exit status, and the output, or a part of the errors when not 0.
    for (const CaseRow& run : readCaseTable(CORVANE_VIEWER_CASES "/viewer-runs.tsv", 3)) {
        const QStringList arguments = QString::fromStdString(run[0]).split('|');
        const ViewerRun ran = viewer(arguments);
        const int status = std::stoi(run[1]);
        EXPECT_EQ(ran.exitCode, status) << run[0];
        const QString said = QString::fromStdString(run[2]);
        if (status == 0)
            EXPECT_EQ(ran.out, said) << ran.err.toStdString();
        else
            EXPECT_TRUE(ran.err.contains(said)) << ran.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(QDir(dir.path()).filePath("out.pdf")));
}

} // namespace
} // namespace corvane::testing
