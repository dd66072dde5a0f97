#pragma once
// The main window: four buttons, the "Tournament" menu and the About item.
#include <QDialog>
#include <QIcon>
#include <string>
#include <utility>

namespace corvane::app {

class MainDialog : public QDialog {
    Q_OBJECT
public:
    // Builds template 102 and runs the start-up logic: the four buttons show
    // only when tournament.dat names a tournament.
    explicit MainDialog(QWidget* parent = nullptr);
    // Frees the store; every change was written when it was made.
    ~MainDialog() override;

    // Where new tournaments take title.jpg and back.jpg that the working
    // directory lacks; the program's own images unless set.
    void setDefaultImagesFolder(std::string folder) { defaultImages_ = std::move(folder); }

    void OnAddPlayer();
    void OnTeamBuilder();
    void OnEnterGameResults();
    void OnViewTournamentResults();
    void OnStartNewTournament();
    void OnLoadArchivedTournament();
    void OnAbout();

private:
    void OnInitDialog();
    void AddAboutItem();
    void ShowButtons(bool visible);

    QIcon icon_;
    std::string defaultImages_;
};

} // namespace corvane::app
