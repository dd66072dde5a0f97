#include "dialogs/TableEntryDialog.h"

#include "dialogs/CorrectGameDialog.h"
#include "dialogs/QueueText.h"
#include "platform/KeyFilter.h"
#include "platform/QrCode.h"
#include "platform/Services.h"
#include "platform/TableCards.h"
#include "platform/TableDesk.h"
#include "res/ids/TableEntry.h"
#include "store/TournamentStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QNetworkInterface>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace corvane::dialogs {
namespace {

namespace id = ids::tableEntry;

constexpr int defaultPort = 8080;
constexpr int lowestPort = 1024;
constexpr int highestPort = 65535;
constexpr int mostAnyTeamsTables = 500;
constexpr int codePixels = 200;

template <class Widget> Widget* named(Widget* widget, int controlId) {
    widget->setObjectName(QString::number(controlId));
    return widget;
}

QTableWidget* makeTable(QWidget* parent, int controlId, const QStringList& headers) {
    auto* table = named(new QTableWidget(0, static_cast<int>(headers.size()), parent), controlId);
    table->setHorizontalHeaderLabels(headers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void setRow(QTableWidget& table, int row, const QStringList& cells) {
    for (int column = 0; column < cells.size(); ++column) {
        table.setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

QString teamsOf(const tables::Table& table) {
    return table.anyTeams() ? QStringLiteral("Any two teams")
                            : QString::fromStdString(table.team1 + " vs " + table.team2);
}

} // namespace

TableEntryDialog::TableEntryDialog(QWidget* parent)
    : QDialog(parent), desk_(platform::TableDesk::instance()) {
    setWindowTitle(QStringLiteral("Table Entry"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildServerRow());
    layout->addWidget(new QLabel(QStringLiteral("Tables:"), this));
    layout->addWidget(buildTablesRow());

    layout->addWidget(new QLabel(QStringLiteral("Results from the tables:"), this));
    queue_ = makeTable(this, id::queue,
                       {QStringLiteral("Table"), QStringLiteral("Teams"), QStringLiteral("Scores"),
                        QStringLiteral("Flags"), QStringLiteral("State"), QStringLiteral("Device"),
                        QStringLiteral("When")});
    layout->addWidget(queue_, 1);
    problem_ = named(new QLabel(this), id::problem);
    problem_->setWordWrap(true);
    layout->addWidget(problem_);
    auto* actions = new QHBoxLayout;
    const std::pair<int, const char*> buttons[] = {
        {id::accept, "&Accept"}, {id::edit, "&Edit..."}, {id::reject, "&Reject"}};
    const std::function<void()> handlers[] = {[this] { OnAccept(); }, [this] { OnEdit(); },
                                              [this] { OnReject(); }};
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        auto* button =
            named(new QPushButton(QString::fromLatin1(buttons[i].second), this), buttons[i].first);
        connect(button, &QPushButton::clicked, this, handlers[i]);
        actions->addWidget(button);
    }
    saveConfirmed_ =
        named(new QCheckBox(QStringLiteral("&Save confirmed results"), this), id::saveConfirmed);
    saveConfirmed_->setChecked(desk_.saveConfirmed());
    connect(saveConfirmed_, &QCheckBox::toggled, &desk_, &platform::TableDesk::setSaveConfirmed);
    actions->addWidget(saveConfirmed_);
    actions->addStretch(1);
    auto* close = named(new QPushButton(QStringLiteral("&Close"), this), id::close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    actions->addWidget(close);
    layout->addLayout(actions);

    connect(&desk_, &platform::TableDesk::queueChanged, this, &TableEntryDialog::FillQueue);
    connect(&desk_, &platform::TableDesk::tablesChanged, this, &TableEntryDialog::FillTables);
    desk_.setOwner(this);
    ShowServer();
    FillTables();
    FillQueue();
    platform::installEnterEscapeFilter(*this);
}

TableEntryDialog::~TableEntryDialog() {
    desk_.setOwner(parentWidget());
}

QWidget* TableEntryDialog::buildServerRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    interface_ = named(new QComboBox(row), id::interfaceChoice);
    interface_->addItem(QStringLiteral("All interfaces"),
                        QHostAddress(QHostAddress::AnyIPv4).toString());
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol) {
            interface_->addItem(address.toString(), address.toString());
        }
    }
    port_ = named(new QSpinBox(row), id::port);
    port_->setRange(lowestPort, highestPort);
    port_->setValue(desk_.running() ? desk_.port() : defaultPort);
    startStop_ = named(new QPushButton(row), id::startStop);
    connect(startStop_, &QPushButton::clicked, this, &TableEntryDialog::OnStartStop);
    address_ = named(new QLabel(row), id::address);
    address_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(new QLabel(QStringLiteral("Interface:"), row));
    layout->addWidget(interface_);
    layout->addWidget(new QLabel(QStringLiteral("Port:"), row));
    layout->addWidget(port_);
    layout->addWidget(startStop_);
    layout->addWidget(address_, 1);
    return row;
}

QWidget* TableEntryDialog::buildTablesRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* left = new QVBoxLayout;
    tables_ = makeTable(row, id::tables,
                        {QStringLiteral("Table"), QStringLiteral("Teams"), QStringLiteral("State"),
                         QStringLiteral("Link")});
    connect(tables_, &QTableWidget::itemSelectionChanged, this, &TableEntryDialog::ShowCode);
    left->addWidget(tables_, 1);
    auto* buttons = new QHBoxLayout;
    anyCount_ = named(new QSpinBox(row), id::anyTeamsCount);
    anyCount_->setRange(1, mostAnyTeamsTables);
    auto* any = named(new QPushButton(QStringLiteral("A&ny Two Teams"), row), id::anyTeams);
    connect(any, &QPushButton::clicked, this, &TableEntryDialog::OnAnyTeams);
    auto* print =
        named(new QPushButton(QStringLiteral("&Print Table Cards..."), row), id::printCards);
    connect(print, &QPushButton::clicked, this, &TableEntryDialog::OnPrintCards);
    buttons->addWidget(new QLabel(QStringLiteral("Tables for any two teams:"), row));
    buttons->addWidget(anyCount_);
    buttons->addWidget(any);
    buttons->addStretch(1);
    buttons->addWidget(print);
    left->addLayout(buttons);
    layout->addLayout(left, 1);
    code_ = named(new QLabel(row), id::qrCode);
    code_->setFixedSize(codePixels, codePixels);
    code_->setAlignment(Qt::AlignCenter);
    layout->addWidget(code_);
    return row;
}

void TableEntryDialog::ShowServer() {
    const bool running = desk_.running();
    startStop_->setText(running ? QStringLiteral("S&top") : QStringLiteral("S&tart"));
    interface_->setEnabled(!running);
    port_->setEnabled(!running);
    address_->setText(running ? desk_.address() : QStringLiteral("The server is off."));
}

void TableEntryDialog::OnStartStop() {
    if (desk_.running()) {
        desk_.stop();
    } else if (const QString problem =
                   desk_.start(QHostAddress(interface_->currentData().toString()),
                               static_cast<quint16>(port_->value()));
               !problem.isEmpty()) {
        platform::notify(this, QStringLiteral("The server could not start: ") + problem,
                         QStringLiteral("Error"));
    }
    ShowServer();
    FillTables();
}

void TableEntryDialog::FillTables() {
    const auto& tables = desk_.service().tables().tables();
    tables_->setRowCount(static_cast<int>(tables.size()));
    for (std::size_t i = 0; i < tables.size(); ++i) {
        const tables::Table& table = tables[i];
        const QString link = desk_.running() ? desk_.linkOf(table) : QStringLiteral("(server off)");
        setRow(*tables_, static_cast<int>(i),
               {QString::number(table.number), teamsOf(table),
                table.saved ? QStringLiteral("Saved") : QStringLiteral("Open"), link});
    }
    tables_->resizeColumnsToContents();
    ShowCode();
}

void TableEntryDialog::ShowCode() {
    const auto& tables = desk_.service().tables().tables();
    const int row = tables_->currentRow();
    if (!desk_.running() || row < 0 || row >= static_cast<int>(tables.size())) {
        code_->clear();
        return;
    }
    const QImage code = platform::qrCode(desk_.linkOf(tables[static_cast<std::size_t>(row)]));
    code_->setPixmap(QPixmap::fromImage(code.scaled(codePixels, codePixels)));
}

void TableEntryDialog::FillQueue() {
    const auto& items = desk_.service().queue().items();
    const int selected = queue_->currentRow();
    queue_->setRowCount(static_cast<int>(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) {
        setRow(*queue_, static_cast<int>(i), queueCells(items[i]));
    }
    queue_->resizeColumnsToContents();
    if (selected >= 0 && selected < queue_->rowCount()) {
        queue_->selectRow(selected);
    }
    problem_->setText(desk_.lastProblem());
    FillTables();
}

bool mayOpenNewTables(QWidget* owner) {
    const std::size_t waiting = platform::TableDesk::instance().service().queue().waiting();
    return waiting == 0 ||
           platform::askYesNo(owner,
                              QStringLiteral("%1 result(s) from the tables still wait in the "
                                             "queue. New tables drop them and close the open "
                                             "tables' links. Go on?")
                                  .arg(waiting),
                              QStringLiteral("Warning"));
}

void TableEntryDialog::OnAnyTeams() {
    if (mayOpenNewTables(this)) {
        desk_.openAnyTeams(anyCount_->value());
    }
}

void TableEntryDialog::OnPrintCards() {
    const auto& tables = desk_.service().tables().tables();
    if (tables.empty() || !desk_.running()) {
        platform::notify(this,
                         QStringLiteral("Start the server and open the tables first: each card "
                                        "carries its table's link."),
                         QStringLiteral("Notice"));
        return;
    }
    const TournamentStore* store = TournamentStore::instance;
    const platform::SaveFileChoice choice = platform::services().files->saveFile(
        this, {QStringLiteral("Print Table Cards"),
               {QStringLiteral("PDF (*.pdf)")},
               QString::fromStdString(store ? store->filePath("table-cards.pdf")
                                            : std::string("table-cards.pdf"))});
    if (choice.path.isEmpty()) {
        return;
    }
    std::vector<platform::TableCard> cards;
    for (const tables::Table& table : tables) {
        cards.push_back({table.number, teamsOf(table), desk_.linkOf(table)});
    }
    if (const QString problem = platform::writeTableCards(choice.path, cards); !problem.isEmpty()) {
        platform::notify(this, problem, QStringLiteral("Error"));
    }
}

int TableEntryDialog::selectedItem() const {
    const int row = queue_->currentRow();
    return row < static_cast<int>(desk_.service().queue().items().size()) ? row : -1;
}

void TableEntryDialog::OnAccept() {
    if (const int item = selectedItem(); item >= 0) {
        if (const QString problem = desk_.accept(static_cast<std::size_t>(item));
            !problem.isEmpty()) {
            platform::notify(this, problem, QStringLiteral("Notice"));
        }
    }
}

void TableEntryDialog::OnEdit() {
    const int item = selectedItem();
    const TournamentStore* store = TournamentStore::instance;
    if (item < 0 || store == nullptr) {
        return;
    }
    QStringList teams;
    for (const TeamRecord& team : store->teams()) {
        teams << QString::fromStdString(team.teamName);
    }
    CorrectGameDialog edit(desk_.service().queue().items()[static_cast<std::size_t>(item)].game,
                           teams, this);
    if (platform::runModal(edit) != QDialog::Accepted) {
        return;
    }
    if (const QString problem = desk_.accept(static_cast<std::size_t>(item), edit.ReadGame());
        !problem.isEmpty()) {
        platform::notify(this, problem, QStringLiteral("Notice"));
    }
}

void TableEntryDialog::OnReject() {
    if (const int item = selectedItem(); item >= 0) {
        desk_.reject(static_cast<std::size_t>(item));
    }
}

} // namespace corvane::dialogs
