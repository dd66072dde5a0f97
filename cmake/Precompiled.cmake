# The standard library's, GoogleTest's and Qt's headers are most of what a file of
# this project costs to compile; each target parses the ones most of its files
# include once, not once per file.
option(CORVANE_PCH "Precompile the headers most files include" ON)

set(CORVANE_PCH_STANDARD <algorithm> <cstdint> <filesystem> <functional> <map> <memory>
    <optional> <set> <string> <string_view> <unordered_map> <utility> <vector>)
set(CORVANE_PCH_WIDGETS <QAction> <QComboBox> <QDialog> <QDir> <QFile> <QLabel> <QLineEdit>
    <QListWidget> <QMenuBar> <QPushButton> <QString> <QVBoxLayout> <QWidget>)

# corvane_precompile(target [header ...]): the standard headers (once) and those given.
function(corvane_precompile target)
    if(NOT CORVANE_PCH)
        return()
    endif()
    get_target_property(already ${target} PRECOMPILE_HEADERS)
    if(NOT already)
        target_precompile_headers(${target} PRIVATE ${CORVANE_PCH_STANDARD})
    endif()
    if(ARGN)
        target_precompile_headers(${target} PRIVATE ${ARGN})
    endif()
endfunction()
