#include "dialogs/ScreenChooserDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane::dialogs {

ScreenChooserDialog::ScreenChooserDialog(QWidget* owner, const QStringList& screens,
                                         int preselected)
    : QDialog(owner), list_(new QListWidget(this)) {
    setWindowTitle(QString::fromLatin1(screenChooserCaption));
    auto* question = new QLabel(
        QStringLiteral("Show the leader board full screen for the players on which &screen?"),
        this);
    question->setBuddy(list_);
    list_->addItems(screens);
    list_->setCurrentRow(preselected >= 0 && preselected < screens.size() ? preselected : 0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Show"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    list_->setFocus();
}

int ScreenChooserDialog::chosen() const {
    return list_->currentRow();
}

} // namespace corvane::dialogs
