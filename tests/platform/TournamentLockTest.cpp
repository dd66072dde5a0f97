// One program per working directory, against a real second process holding the
// lock: refused while it runs, taken over once it is killed.
#include "platform/TournamentLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

namespace corvane::platform {
namespace {

// Starts a holder of `folder`'s lock and waits until it says how it fared.
QString startHolder(QProcess& holder, const QString& folder) {
    holder.start(QStringLiteral(CORVANE_LOCK_HOLDER), {folder});
    // Waits for the holder's own word, however long the machine takes.
    while (!holder.canReadLine() && holder.state() != QProcess::NotRunning) {
        holder.waitForReadyRead(-1);
    }
    return QString::fromUtf8(holder.readLine()).trimmed();
}

// What a second program starting on `folder` says, once it has ended.
QString secondProgramSays(const QString& folder) {
    QProcess second;
    const QString said = startHolder(second, folder);
    second.closeWriteChannel();
    second.waitForFinished(-1);
    return said;
}

TEST(TournamentLockTest, ASecondProgramIsRefusedUntilTheFirstEndsEvenByAKill) {
    QTemporaryDir folder;
    QProcess first;
    ASSERT_EQ(startHolder(first, folder.path()), "locked");
    // Open for hours, it holds it still: only a holder that is gone makes a lock stale.
    namespace fs = std::filesystem;
    const fs::path lockFile = folder.filePath(TournamentLock::fileName).toStdString();
    fs::last_write_time(lockFile, fs::last_write_time(lockFile) - std::chrono::hours(3));

    QString refusal;
    EXPECT_EQ(TournamentLock::acquire(folder.path(), refusal), nullptr);
    EXPECT_TRUE(refusal.contains(folder.path()) && refusal.contains("already open"))
        << refusal.toStdString();
    EXPECT_EQ(secondProgramSays(folder.path()), "refused") << "a second process, too";

    // Killed, it cannot release its lock; the next start takes it over.
    first.kill();
    first.waitForFinished(-1);
    auto taken = TournamentLock::acquire(folder.path(), refusal);
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(secondProgramSays(folder.path()), "refused") << "held again";

    // Released on the way out, it lets the next one in.
    taken.reset();
    EXPECT_EQ(secondProgramSays(folder.path()), "locked");
}

// What a careless hand or a crash leaves where the lock file belongs: a left-over
// file no holder can be read from is taken over; anything else is named with
// what to remove, and left where it is.
TEST(TournamentLockTest, ALeftOverLockIsTakenOverAndAnythingElseInItsPlaceIsNamed) {
    const auto writeFile = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    // What is put in the lock file's place, and a part of the refusal (empty: taken over).
    const std::tuple<const char*, std::function<void(const QString&)>, QString> cases[] = {
        {"an empty file", [&](const QString& path) { writeFile(path, {}); }, {}},
        {"a file of other text, unreadable",
         [&](const QString& path) {
             writeFile(path, "not a lock\n");
             QFile::setPermissions(path, {});
         },
         {}},
        {"a folder", [](const QString& path) { QDir().mkdir(path); }, "is a folder. Remove "},
        {"a symbolic link", [](const QString& path) { QFile::link("elsewhere", path); },
         "is a symbolic link. Remove "},
    };
    for (const auto& [what, make, refused] : cases) {
        SCOPED_TRACE(what);
        QTemporaryDir folder;
        const QString path = folder.filePath(TournamentLock::fileName);
        make(path);
        QString refusal;
        const auto lock = TournamentLock::acquire(folder.path(), refusal);
        if (refused.isEmpty()) {
            EXPECT_NE(lock, nullptr) << refusal.toStdString();
            EXPECT_EQ(secondProgramSays(folder.path()), "refused") << "held as any lock";
        } else {
            EXPECT_EQ(lock, nullptr);
            EXPECT_TRUE(refusal.contains(path + ", where") && refusal.contains(refused))
                << refusal.toStdString();
            EXPECT_TRUE(QFileInfo(path).isSymLink() || QFileInfo(path).isDir()) << "left alone";
        }
    }
}

} // namespace
} // namespace corvane::platform
