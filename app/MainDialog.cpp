#include "app/MainDialog.h"

#include "app/AboutDialog.h"
#include "app/BackupsNotice.h"
#include "app/DataEntryDialogs.h"
#include "app/DefaultImages.h"
#include "app/DisplayMenu.h"
#include "app/EditMenu.h"
#include "app/ExportMenu.h"
#include "app/OpenCurrentTournament.h"
#include "app/RoundsMenu.h"
#include "app/TournamentSummary.h"
#include "app/ViewResults.h"
#include "lifecycle/ArchivedTournament.h"
#include "lifecycle/NewTournament.h"
#include "platform/Changes.h"
#include "platform/DialogTemplate.h"
#include "platform/KeyFilter.h"
#include "platform/SaveErrors.h"
#include "platform/Services.h"
#include "platform/TemplateData.h"
#include "platform/WindowMenu.h"
#include "res/ids/MainWindow.h"
#include "store/TournamentStore.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace corvane::app {
namespace {

namespace id = ids::mainWindow;
constexpr int buttonIds[] = {id::addPlayer, id::teamBuilder, id::enterGameResults,
                             id::viewTournamentResults};

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

MainDialog::MainDialog(QWidget* parent)
    : QDialog(parent), icon_(platform::loadIconGroup(id::windowIcon)),
      defaultImages_(defaultImagesFolder()) {
    platform::buildFromTemplate(*this, id::templateId);
    platform::installEnterEscapeFilter(*this);
    addExportMenu(*this);

    const std::pair<int, void (MainDialog::*)()> buttons[] = {
        {id::addPlayer, &MainDialog::OnAddPlayer},
        {id::teamBuilder, &MainDialog::OnTeamBuilder},
        {id::enterGameResults, &MainDialog::OnEnterGameResults},
        {id::viewTournamentResults, &MainDialog::OnViewTournamentResults},
    };
    for (const auto& [id, handler] : buttons) {
        if (auto* button = platform::control<QPushButton>(*this, id)) {
            connect(button, &QPushButton::clicked, this, handler);
        }
    }
    if (QAction* start = platform::command(*this, id::startNewTournament)) {
        connect(start, &QAction::triggered, this, &MainDialog::OnStartNewTournament);
    }
    if (QAction* load = platform::command(*this, id::loadArchivedTournament)) {
        connect(load, &QAction::triggered, this, &MainDialog::OnLoadArchivedTournament);
    }
    addEditMenu(*this);
    addRoundsMenu(*this);
    addDisplayMenu(*this);
    addTournamentSummary(*this);
    addBackupsNotice(*this);
    OnInitDialog();
}

MainDialog::~MainDialog() {
    TournamentStore::destroyStore();
}

void MainDialog::OnInitDialog() {
    AddAboutItem();
    setWindowIcon(icon_);
    ShowButtons(false);
    const OpenedTournament opened = openCurrentTournament();
    if (opened.exists) {
        ShowButtons(true);
    }
    if (opened.refused) {
        platform::notify(this, QString::fromStdString(opened.refused->openingMessage()),
                         QStringLiteral("Error"));
    }
    // The menus follow the tournament just opened.
    emit platform::changeSignals().changed();
}

void MainDialog::AddAboutItem() {
    const QString text = platform::loadString(id::aboutText);
    if (text.isEmpty()) {
        return;
    }
    if (platform::appendWindowMenuItem(*this, id::aboutCommand, text, [this] { OnAbout(); })) {
        return;
    }
    // Where the window menu takes no items, the item goes into a Help menu.
    QMenuBar* bar = platform::templateMenuBar(*this);
    if (!bar) {
        return;
    }
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    QAction* about = help->addAction(text);
    about->setObjectName(QString::number(id::aboutCommand));
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, &MainDialog::OnAbout);
}

void MainDialog::ShowButtons(bool visible) {
    for (int id : buttonIds) {
        if (auto* button = platform::control<QPushButton>(*this, id)) {
            button->setVisible(visible);
        }
    }
}

void MainDialog::OnAddPlayer() {
    runAddPlayer(this);
}

void MainDialog::OnTeamBuilder() {
    runTeamBuilder(this);
}

void MainDialog::OnEnterGameResults() {
    runGameResults(this);
}

void MainDialog::OnViewTournamentResults() {
    viewResults(this);
}

void MainDialog::OnAbout() {
    AboutDialog about(this);
    platform::runModal(about);
}

void MainDialog::OnStartNewTournament() {
    TournamentStore* store = TournamentStore::instance;
    if (!store) {
        return;
    }
    if (store->noTournamentYet != 0) {
        if (platform::reportSave(this, startNextTournament(*store, defaultImages_))) {
            platform::journalChange(this, "new tournament", {store->tournamentFolder});
            ShowButtons(true);
        }
        return;
    }
    if (!platform::askYesNo(this,
                            QStringLiteral("Are you sure you want to start a new Tournament?\n\n"
                                           "Note: Old tournament data will be archived"),
                            QStringLiteral("Warning"))) {
        return;
    }
    if (platform::reportSave(this, startNextTournament(*store, defaultImages_))) {
        platform::journalChange(this, "new tournament", {store->tournamentFolder});
        platform::notify(this, QStringLiteral("A new tournament has been created"),
                         QStringLiteral("Success"));
    }
}

void MainDialog::OnLoadArchivedTournament() {
    TournamentStore* store = TournamentStore::instance;
    if (!store || !platform::askYesNo(
                      this, QStringLiteral("Are you sure you want to load an archived Tournament?"),
                      QStringLiteral("Alert"))) {
        return;
    }
    platform::FileDialogs* files = platform::services().files;
    if (!files) {
        return;
    }
    const platform::OpenFileRequest request{
        QStringLiteral("Please Select a Settings File"),
        QStringLiteral("Settings File (*.html);;All Files (*.*)"),
        QFile::decodeName(QByteArray::fromStdString(store->workingDirectory))};
    // The Open dialog has no owner window.
    const QString chosen = files->openFile(nullptr, request);
    if (chosen.isEmpty()) {
        return;
    }
    const ArchivedFolder loaded = loadArchivedTournament(*store, localPath(chosen));
    if (!loaded.ok()) {
        platform::notify(this, QString::fromStdString(loaded.error), QStringLiteral("Error"));
        return;
    }
    platform::journalChange(this, "load archived tournament", {store->tournamentFolder});
    platform::notify(this, QStringLiteral("Your archived tournament has been loaded"),
                     QStringLiteral("Success"));
    viewResults(this);
}

} // namespace corvane::app
