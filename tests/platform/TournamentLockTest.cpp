// One program per working directory, against a real second process holding the
// lock: refused while it runs, taken over once it is killed.
#include "platform/TournamentLock.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

TEST(TournamentLockTest, ASecondProgramIsRefusedUntilTheFirstEndsEvenByAKill) {
    QTemporaryDir folder;
    QProcess first;
    ASSERT_EQ(startHolder(first, folder.path()), "locked");

    QString refusal;
    EXPECT_EQ(TournamentLock::acquire(folder.path(), refusal), nullptr);
    EXPECT_TRUE(refusal.contains(folder.path()) && refusal.contains("already open"))
        << refusal.toStdString();
    QProcess second;
    EXPECT_EQ(startHolder(second, folder.path()), "refused") << "a second process, too";
    second.closeWriteChannel();
    second.waitForFinished(-1);

    // Killed, it cannot release its lock; the next start takes it over.
    first.kill();
    first.waitForFinished(-1);
    auto taken = TournamentLock::acquire(folder.path(), refusal);
    ASSERT_NE(taken, nullptr);
    QProcess third;
    EXPECT_EQ(startHolder(third, folder.path()), "refused") << "held again";
    third.closeWriteChannel();
    third.waitForFinished(-1);

    // Released on the way out, it lets the next one in.
    taken.reset();
    QProcess fourth;
    EXPECT_EQ(startHolder(fourth, folder.path()), "locked");
    fourth.closeWriteChannel();
    fourth.waitForFinished(-1);
}

} // namespace
} // namespace corvane::platform
