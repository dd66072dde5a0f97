#include "viewer/PdfPages.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace corvane::viewer {

QStringList pdfPageOrder(const QString& folder, const QStringList& linkedFiles) {
    const QDir dir(QDir::cleanPath(QDir(folder).absolutePath()));
    const QString leaderBoard = QString::fromLatin1(leaderBoardPage);
    if (!QFileInfo(dir.filePath(leaderBoard)).isFile()) {
        return {};
    }
    const QStringList pages =
        dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    const QSet<QString> inFolder(pages.begin(), pages.end());
    QStringList names{leaderBoard};
    QSet<QString> taken{leaderBoard};
    const auto take = [&](const QString& name) {
        if (inFolder.contains(name) && !taken.contains(name)) {
            taken.insert(name);
            names << name;
        }
    };
    const QString folderPath = dir.absolutePath();
    for (const QString& linked : linkedFiles) {
        const QFileInfo file(linked);
        if (file.absolutePath() == folderPath) {
            take(file.fileName());
        }
    }
    for (const QString& name : pages) {
        take(name);
    }
    QStringList paths;
    paths.reserve(names.size());
    for (const QString& name : names) {
        paths << dir.absoluteFilePath(name);
    }
    return paths;
}

} // namespace corvane::viewer
