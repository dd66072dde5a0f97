#include "app/ExportMenu.h"

#include "app/MainDialog.h"
#include "platform/DialogTemplate.h"
#include "platform/SaveErrors.h"
#include "platform/Services.h"
#include "res/ids/ExportMenu.h"
#include "store/AtomicFile.h"
#include "store/TournamentStore.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

namespace corvane::app {

namespace {

namespace id = ids::exportMenu;

struct ExportCommand {
    int id;
    ExportKind kind;
    const char* text;
};

constexpr ExportCommand exportCommands[] = {
    {id::standings, ExportKind::standings, "&Standings\u2026"},
    {id::games, ExportKind::games, "&Games\u2026"},
    {id::players, ExportKind::players, "&Players\u2026"},
    {id::teams, ExportKind::teams, "&Teams\u2026"},
};

QString fromLocal(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// "Tournament3-standings.csv" in the working directory.
QString suggestedPath(const TournamentStore& store, const ExportTable& table) {
    const std::string prefix = store.tournamentFolder.empty() ? "" : store.tournamentFolder + "-";
    return fromLocal(store.workingDirectory + "/" + prefix + std::string(table.name) + ".csv");
}

} // namespace

void addExportMenu(MainDialog& window) {
    QMenuBar* bar = platform::templateMenuBar(window);
    if (!bar) {
        return;
    }
    QMenu* menu = bar->addMenu(QStringLiteral("&Export"));
    for (const ExportCommand& command : exportCommands) {
        QAction* action = menu->addAction(QString::fromUtf8(command.text));
        action->setObjectName(QString::number(command.id));
        action->setData(command.id);
        const ExportKind kind = command.kind;
        QObject::connect(action, &QAction::triggered, &window,
                         [&window, kind] { exportTableAsCsv(&window, kind); });
    }
}

void exportTableAsCsv(QWidget* owner, ExportKind kind) {
    const TournamentStore* store = TournamentStore::instance;
    platform::FileDialogs* files = platform::services().files;
    if (!store || !files) {
        return;
    }
    // A tournament not read whole would be exported with records missing.
    if (const std::optional<ReadResult> refused = store->refusedRead()) {
        platform::notify(owner, QString::fromStdString(refused->message()),
                         QStringLiteral("Error"));
        return;
    }
    const ExportTable& table = exportTable(kind);
    const platform::SaveFileRequest request{
        QStringLiteral("Export %1")
            .arg(QString::fromUtf8(table.title.data(), static_cast<qsizetype>(table.title.size()))),
        {QString::fromLatin1(plainCsvFilter), QString::fromLatin1(spreadsheetCsvFilter)},
        suggestedPath(*store, table)};
    const platform::SaveFileChoice choice = files->saveFile(owner, request);
    if (choice.path.isEmpty()) {
        return;
    }
    constexpr int spreadsheetFilterIndex = 1;
    const ByteOrderMark mark =
        choice.filter == spreadsheetFilterIndex ? ByteOrderMark::with : ByteOrderMark::without;
    platform::reportSave(owner, writeFileAtomically(QFile::encodeName(choice.path).toStdString(),
                                                    exportCsv(*store, kind, mark)));
}

} // namespace corvane::app
