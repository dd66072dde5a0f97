#include "app/DefaultImages.h"

#include "lifecycle/PageImages.h"
#include "store/TournamentStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#ifndef CORVANE_IMAGES_FROM_BINDIR
#define CORVANE_IMAGES_FROM_BINDIR "../share/corvane"
#endif

namespace corvane::app {

std::string defaultImagesFolder() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    return findImagesFolder(
        {QFile::encodeName(programDir.path()).toStdString(),
         QFile::encodeName(programDir.filePath(QStringLiteral(CORVANE_IMAGES_FROM_BINDIR)))
             .toStdString()});
}

void addMissingImages(const TournamentStore& store) {
    addMissingPageImages(store.workingDirectory, store.tournamentPath(), defaultImagesFolder());
}

} // namespace corvane::app
