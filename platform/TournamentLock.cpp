#include "platform/TournamentLock.h"

#include <QDir>
#include <QLockFile>
#include <QSysInfo>

namespace corvane::platform {

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
    if (file->error() != QLockFile::LockFailedError) {
        refusal = QStringLiteral("The tournament in %1 cannot be opened: the program cannot "
                                 "create its lock file %2 there.")
                      .arg(folder, QDir::toNativeSeparators(path));
        return nullptr;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    file->getLockInfo(&pid, &host, &application);
    refusal = QStringLiteral("Corvane Tournament Software is already open in %1.\n\n"
                             "Please use the window that is open there: two windows on one "
                             "tournament would overwrite each other's entries.")
                  .arg(folder);
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
        refusal += QStringLiteral("\n\nIt was opened on the computer %1. If it is no longer "
                                  "running there, delete the file %2 and start again.")
                       .arg(host, QDir::toNativeSeparators(path));
    }
    return nullptr;
}

} // namespace corvane::platform
