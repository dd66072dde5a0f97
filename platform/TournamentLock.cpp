#include "platform/TournamentLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

namespace corvane::platform {

namespace {

// What stands in the lock file's place when it is not a file the program
// could have made: a folder, a link or a device. Empty when it is a file.
QString notALockFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink()) {
        return QStringLiteral("a symbolic link");
    }
    if (info.isDir()) {
        return QStringLiteral("a folder");
    }
    return info.isFile() ? QString() : QStringLiteral("not a plain file");
}

// A lock file from which no holder can be read (empty, unreadable, other
// text) is left over: a running program writes its own as it takes the lock
// and keeps it locked meanwhile, so Qt removes it only when no one holds it.
bool takeOverUnreadable(QLockFile& file, const QString& path) {
    // One left without write permission is still ours to remove.
    if (!QFileInfo(path).isWritable()) {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return file.removeStaleLockFile() && file.tryLock(0);
}

} // namespace

TournamentLock::TournamentLock(std::unique_ptr<QLockFile> file) : file_(std::move(file)) {}

TournamentLock::~TournamentLock() {
    file_->unlock();
}

std::unique_ptr<TournamentLock> TournamentLock::acquire(const QString& workingDirectory,
                                                        QString& refusal) {
    const QString path = QDir(workingDirectory).filePath(QString::fromLatin1(fileName));
    auto file = std::make_unique<QLockFile>(path);
    // Held for as long as the program runs, so only a holder that is gone makes
    // a lock stale, never its age.
    file->setStaleLockTime(0);
    if (file->tryLock(0)) {
        return std::unique_ptr<TournamentLock>(new TournamentLock(std::move(file)));
    }
    const QString folder = QDir::toNativeSeparators(workingDirectory);
    const QString shownPath = QDir::toNativeSeparators(path);
    if (file->error() != QLockFile::LockFailedError) {
        refusal = QStringLiteral("The tournament in %1 cannot be opened: the program cannot "
                                 "create its lock file %2 there.")
                      .arg(folder, shownPath);
        return nullptr;
    }
    // Nothing the program made: it is never removed without the organiser.
    if (const QString what = notALockFile(path); !what.isEmpty()) {
        refusal = QStringLiteral("The tournament in %1 cannot be opened: %2, where the program "
                                 "keeps its lock file, is %3. Remove %2 and start again.")
                      .arg(folder, shownPath, what);
        return nullptr;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    if (!file->getLockInfo(&pid, &host, &application)) {
        if (takeOverUnreadable(*file, path)) {
            return std::unique_ptr<TournamentLock>(new TournamentLock(std::move(file)));
        }
        // Unless a program has just written it after all.
        if (!file->getLockInfo(&pid, &host, &application)) {
            refusal = QStringLiteral("The tournament in %1 cannot be opened: its lock file %2 "
                                     "is left over from an earlier start, and the program "
                                     "cannot remove it. Remove %2 and start again.")
                          .arg(folder, shownPath);
            return nullptr;
        }
    }
    refusal = QStringLiteral("Corvane Tournament Software is already open in %1.\n\n"
                             "Please use the window that is open there: two windows on one "
                             "tournament would overwrite each other's entries.")
                  .arg(folder);
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
        refusal += QStringLiteral("\n\nIt was opened on the computer %1. If it is no longer "
                                  "running there, delete the file %2 and start again.")
                       .arg(host, shownPath);
    }
    return nullptr;
}

} // namespace corvane::platform
