#include "dialogs/SeatingDialog.h"

#include "platform/KeyFilter.h"
#include "platform/SaveErrors.h"
#include "platform/Services.h"
#include "reports/RoundSheets.h"
#include "res/ids/Rounds.h"
#include "store/TournamentStore.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace corvane::dialogs {
namespace {

namespace id = ids::rounds;

constexpr int initialWidth = 760;
constexpr int initialHeight = 520;
constexpr int numberColumnWidth = 60;

QString localFolder(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QPushButton* addButton(QDialog& dialog, QHBoxLayout& row, int controlId, const QString& text) {
    auto* button = new QPushButton(text, &dialog);
    button->setObjectName(QString::number(controlId));
    row.addWidget(button);
    return button;
}

// Rows of one height, no row header and no column sized by its contents: a
// schedule of many rounds opens as quickly as a short one.
QTableView* makeSeatingView(QDialog& dialog, SeatingModel& model) {
    auto* view = new QTableView(&dialog);
    view->setObjectName(QString::number(id::seating));
    view->setModel(&model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false); // Tab leaves the table for the next control
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* columns = view->horizontalHeader();
    for (int c = 0; c < model.columnCount(); ++c) {
        columns->setSectionResizeMode(c, model.isNumberColumn(c) ? QHeaderView::Fixed
                                                                 : QHeaderView::Stretch);
        if (model.isNumberColumn(c)) {
            columns->resizeSection(c, numberColumnWidth);
        }
    }
    return view;
}

} // namespace

SeatingDialog::SeatingDialog(QWidget* parent, const QString& title, std::string_view sheetFileName,
                             SeatingModel::Layout layout)
    : QDialog(parent), layout_(layout), sheetFileName_(sheetFileName), model_(layout) {
    setWindowTitle(title);
    resize(initialWidth, initialHeight);
    if (const TournamentStore* store = TournamentStore::instance) {
        field_ = pairingField(*store);
    }

    rows_ = new QVBoxLayout(this);
    summary_ = new QLabel(this);
    summary_->setObjectName(QString::number(id::summary));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    rows_->addWidget(summary_);

    view_ = makeSeatingView(*this, model_);
    rows_->addWidget(view_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* print = addButton(*this, *buttons, id::print, QStringLiteral("&Print..."));
    QPushButton* save = addButton(*this, *buttons, id::save, QStringLiteral("Sa&ve Sheet"));
    QPushButton* close = addButton(*this, *buttons, id::close, QStringLiteral("&Close"));
    buttons_ = {print, save, close};
    rows_->addLayout(buttons);
    connect(print, &QPushButton::clicked, this, &SeatingDialog::OnPrint);
    connect(save, &QPushButton::clicked, this, &SeatingDialog::OnSave);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    if (!TournamentStore::instance) {
        setSummary(QStringLiteral("No tournament is open."));
    } else if (!field_) {
        setSummary(QStringLiteral("There are more teams than can be paired (at most %1).")
                       .arg(kMaxPairingTeams));
    } else if (!hasTeams()) {
        setSummary(QStringLiteral("The tournament has no teams yet."));
    }
    print->setEnabled(hasTeams());
    save->setEnabled(hasTeams());
}

void SeatingDialog::setSummary(const QString& text) {
    summary_->setText(text);
}

void SeatingDialog::refuseSheet(const QString& reason) {
    setSummary(reason);
    // Print and Save Sheet; Close stays.
    for (QWidget* button : {buttons_[0], buttons_[1]}) {
        button->setEnabled(false);
    }
}

void SeatingDialog::addControlsRow(QLayout* row, std::initializer_list<QWidget*> controls) {
    rows_->insertLayout(rows_->count() - 1, row);
    std::vector<QWidget*> chain{view_};
    chain.insert(chain.end(), controls);
    chain.insert(chain.end(), buttons_.begin(), buttons_.end());
    for (std::size_t i = 1; i < chain.size(); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
}

void SeatingDialog::finishControls() {
    platform::installEnterEscapeFilter(*this);
    view_->setFocus();
}

std::string SeatingDialog::sheetPage() const {
    return layout_ == SeatingModel::Layout::round ? nextRoundSheet(model_.rows(), field_->names)
                                                  : scheduleSheet(model_.rows(), field_->names);
}

void SeatingDialog::OnPrint() {
    platform::SheetPrinter* printer = platform::services().printer;
    const TournamentStore* store = TournamentStore::instance;
    if (!printer || !store || !hasTeams()) {
        return;
    }
    printer->print(this, {windowTitle(), QString::fromStdString(sheetPage()),
                          localFolder(store->tournamentPath())});
}

void SeatingDialog::OnSave() {
    const TournamentStore* store = TournamentStore::instance;
    if (!store || !hasTeams()) {
        return;
    }
    platform::ViewerLauncher* viewer = platform::services().viewer;
    // As when publishing: the running viewers go before a page changes under them.
    if (viewer) {
        viewer->endRunningViewers(store->workingDirectory);
    }
    if (!platform::reportSave(this, writeRoundSheet(*store, sheetFileName_, sheetPage()))) {
        return;
    }
    if (viewer) {
        viewer->startViewer(store->filePath(sheetFileName_));
    }
}

} // namespace corvane::dialogs
