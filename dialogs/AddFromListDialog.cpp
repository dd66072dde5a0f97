#include "dialogs/AddFromListDialog.h"

#include "dialogs/NameReviewModel.h"
#include "platform/Changes.h"
#include "platform/SaveErrors.h"
#include "platform/Services.h"
#include "store/TextLines.h"
#include "store/TournamentStore.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace corvane::dialogs {

namespace {

QPushButton* makeButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    // Enter belongs to the pasted text; it never presses a button.
    button->setAutoDefault(false);
    return button;
}

QString fromLocal(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace

AddFromListDialog::AddFromListDialog(QWidget* parent)
    : QDialog(parent), model_(new NameReviewModel(this)) {
    setWindowTitle(QStringLiteral("Add from List"));
    BuildControls();
    ReviewList();
}

void AddFromListDialog::BuildControls() {
    auto* source = new QGroupBox(QStringLiteral("Names"), this);
    auto* sourceLayout = new QGridLayout(source);
    fromPasted_ = new QRadioButton(QStringLiteral("&Pasted here:"), source);
    fromPasted_->setChecked(true);
    pasted_ = new QPlainTextEdit(source);
    pasted_->setObjectName(QLatin1String(pastedTextName));
    pasted_->setTabChangesFocus(true);
    pasted_->setLineWrapMode(QPlainTextEdit::NoWrap);
    pasted_->setPlaceholderText(QStringLiteral("One name a line"));
    fromFile_ = new QRadioButton(QStringLiteral("From a &file:"), source);
    fromFile_->setEnabled(false); // until a file is read
    fileLabel_ = new QLabel(QStringLiteral("none chosen"), source);
    QPushButton* choose = makeButton(QStringLiteral("&Choose File\u2026"), source);
    choose->setObjectName(QLatin1String(chooseFileName));
    sourceLayout->addWidget(fromPasted_, 0, 0, 1, 3);
    sourceLayout->addWidget(pasted_, 1, 0, 1, 3);
    sourceLayout->addWidget(fromFile_, 2, 0);
    sourceLayout->addWidget(fileLabel_, 2, 1);
    sourceLayout->addWidget(choose, 2, 2);
    sourceLayout->setColumnStretch(1, 1);

    auto* format = new QGroupBox(QStringLiteral("Each line holds"), this);
    auto* formatLayout = new QGridLayout(format);
    oneALine_ = new QRadioButton(QStringLiteral("One &name"), format);
    oneALine_->setChecked(true);
    csv_ =
        new QRadioButton(QStringLiteral("Comma-separated values, the names in co&lumn:"), format);
    csv_->setObjectName(QLatin1String(csvFormatName));
    column_ = new QComboBox(format);
    column_->setObjectName(QLatin1String(columnName));
    headerRow_ = new QCheckBox(QStringLiteral("First &row holds the column names"), format);
    headerRow_->setObjectName(QLatin1String(headerRowName));
    formatLayout->addWidget(oneALine_, 0, 0, 1, 2);
    formatLayout->addWidget(csv_, 1, 0);
    formatLayout->addWidget(column_, 1, 1);
    formatLayout->addWidget(headerRow_, 2, 0, 1, 2);
    formatLayout->setColumnStretch(1, 1);

    table_ = new QTableView(this);
    table_->setObjectName(QLatin1String(reviewName));
    table_->setModel(model_);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    summary_ = new QLabel(this);

    add_ = makeButton(QStringLiteral("&Add Players"), this);
    add_->setObjectName(QLatin1String(addName));
    QPushButton* close = makeButton(QStringLiteral("Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(summary_, 1);
    buttons->addWidget(add_);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(source, 2);
    layout->addWidget(format);
    layout->addWidget(table_, 3);
    layout->addLayout(buttons);
    resize(560, 620);

    const auto listChanged = [this] {
        FillColumns();
        ReviewList();
    };
    connect(pasted_, &QPlainTextEdit::textChanged, this, [this, listChanged] {
        fromPasted_->setChecked(true);
        listChanged();
    });
    connect(fromPasted_, &QRadioButton::toggled, this, listChanged);
    connect(csv_, &QRadioButton::toggled, this, [this] { ReviewList(); });
    connect(headerRow_, &QCheckBox::toggled, this, [this] { ReviewList(); });
    connect(column_, &QComboBox::currentIndexChanged, this, [this] { ReviewList(); });
    connect(choose, &QPushButton::clicked, this, &AddFromListDialog::OnChooseFile);
    connect(add_, &QPushButton::clicked, this, &AddFromListDialog::OnAddPlayers);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

std::vector<std::string> AddFromListDialog::CurrentLines() const {
    if (fromFile_->isChecked()) {
        return fileLines_;
    }
    return splitLines(pasted_->toPlainText().toStdString());
}

ListLayout AddFromListDialog::CurrentLayout() const {
    ListLayout layout;
    layout.csv = csv_->isChecked();
    layout.column = static_cast<std::size_t>(std::max(0, column_->currentIndex()));
    layout.headerRow = headerRow_->isChecked();
    return layout;
}

void AddFromListDialog::FillColumns() {
    const std::vector<std::string> names = csvColumnNames(CurrentLines());
    QStringList items;
    for (std::size_t i = 0; i < names.size(); ++i) {
        // The first row's text tells the columns apart, header or not.
        items << QStringLiteral("%1: %2").arg(i + 1).arg(QString::fromStdString(names[i]));
    }
    if (items.isEmpty()) {
        items << QStringLiteral("1");
    }
    const int chosen = column_->currentIndex();
    const QSignalBlocker quiet(column_);
    column_->clear();
    column_->addItems(items);
    column_->setCurrentIndex(chosen >= 0 && chosen < items.size() ? chosen : 0);
}

void AddFromListDialog::ReviewList() {
    // Without a store there is no one to add the names to: nothing is judged.
    const TournamentStore* store = TournamentStore::instance;
    model_->setReview(store ? reviewNames(listedNames(CurrentLines(), CurrentLayout()), *store)
                            : NameReview{});
    const NameReview& review = model_->review();
    const std::size_t refused = review.decisions.size() - review.addedCount;
    summary_->setText(
        QStringLiteral("%1 to be added, %2 refused.").arg(review.addedCount).arg(refused));
    add_->setEnabled(review.addedCount > 0);
}

bool AddFromListDialog::ReadFile(const QString& path) {
    std::vector<std::string> lines;
    const ReadResult read =
        forEachTextLine(QFile::encodeName(path).toStdString(),
                        [&lines](std::string_view line) { lines.emplace_back(line); });
    if (read.refused()) {
        platform::notify(this, QString::fromStdString(read.message()), QStringLiteral("Error"));
        return false;
    }
    if (const std::optional<std::string> why = whyNotAListOfNames(lines)) {
        platform::notify(this,
                         QStringLiteral("%1 is not a list of names: %2.")
                             .arg(QDir::toNativeSeparators(path), QString::fromStdString(*why)),
                         QStringLiteral("Error"));
        return false;
    }
    fileLines_ = std::move(lines);
    return true;
}

void AddFromListDialog::OnChooseFile() {
    platform::FileDialogs* files = platform::services().files;
    const TournamentStore* store = TournamentStore::instance;
    if (!files || !store) {
        return;
    }
    const platform::OpenFileRequest request{
        QStringLiteral("Choose a List of Names"),
        QStringLiteral("Lists of names (*.txt *.csv);;All Files (*)"),
        fromLocal(store->workingDirectory)};
    const QString path = files->openFile(this, request);
    if (path.isEmpty() || !ReadFile(path)) {
        return;
    }
    const bool isCsv =
        QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
    fileLabel_->setText(QFileInfo(path).fileName());
    fromFile_->setEnabled(true);
    {
        // One review for the whole change, not one for each control touched.
        const QSignalBlocker quietCsv(csv_);
        const QSignalBlocker quietHeader(headerRow_);
        const QSignalBlocker quietSource(fromPasted_);
        (isCsv ? csv_ : oneALine_)->setChecked(true);
        headerRow_->setChecked(isCsv);
        fromFile_->setChecked(true);
    }
    FillColumns();
    ReviewList();
}

void AddFromListDialog::OnAddPlayers() {
    TournamentStore* store = TournamentStore::instance;
    const NameReview& review = model_->review();
    if (!store || review.addedCount == 0) {
        return;
    }
    const QString whom = review.addedCount == 1
                             ? QStringLiteral("this player")
                             : QStringLiteral("these %1 players").arg(review.addedCount);
    if (!platform::askYesNo(this,
                            QStringLiteral("Are you sure you want to add %1?\n\nVerify the "
                                           "players' names are accurate. Names cannot be deleted!")
                                .arg(whom),
                            QStringLiteral("Warning"))) {
        return;
    }
    if (platform::applyChange(this, history::AddPlayers{review.namesToAdd()})) {
        added_ += review.addedCount;
        accept();
    }
}

} // namespace corvane::dialogs
