#include "app/DefaultImages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#ifndef CORVANE_IMAGES_FROM_BINDIR
#define CORVANE_IMAGES_FROM_BINDIR "../share/corvane"
#endif

namespace corvane::app {

std::string defaultImagesFolder() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {programDir.path(), programDir.filePath(QStringLiteral(CORVANE_IMAGES_FROM_BINDIR))}) {
        const QDir dir(candidate);
        if (QFile::exists(dir.filePath(QStringLiteral("title.jpg"))) ||
            QFile::exists(dir.filePath(QStringLiteral("back.jpg")))) {
            return QFile::encodeName(dir.absolutePath()).toStdString();
        }
    }
    return {};
}

} // namespace corvane::app
