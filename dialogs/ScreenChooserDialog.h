#pragma once
// Asks on which screen the projector display goes, when there is more than one.
#include <QDialog>
#include <QStringList>

class QListWidget;

namespace corvane::dialogs {

inline constexpr const char* screenChooserCaption = "Projector Display";

class ScreenChooserDialog : public QDialog {
    Q_OBJECT
public:
    // `screens` as the organiser knows them; `preselected` is the row chosen first.
    ScreenChooserDialog(QWidget* owner, const QStringList& screens, int preselected);

    // The row chosen, -1 for none.
    int chosen() const;
    QListWidget* list() const { return list_; }

private:
    QListWidget* list_;
};

} // namespace corvane::dialogs
