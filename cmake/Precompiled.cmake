# The standard library's, GoogleTest's and Qt's headers are most of what a file of
# this project costs to compile; each target parses the ones most of its files
# include once, not once per file. Off unless asked for: with them precompiled,
# GCC 12 at -O2 and above reports its known false -Wstringop-overflow and
# -Warray-bounds inside std::string as the project's own, and a file that lacks
# an include of its own would still compile. The sanitized run (-O1) uses them.
option(CORVANE_PCH "Precompile the headers most files include" OFF)

set(CORVANE_PCH_STANDARD <algorithm> <cstdint> <filesystem> <functional> <map> <memory>
    <optional> <set> <string> <string_view> <unordered_map> <utility> <vector>)
set(CORVANE_PCH_WIDGETS <QAction> <QComboBox> <QDialog> <QDir> <QFile> <QLabel> <QLineEdit>
    <QListWidget> <QMenuBar> <QPushButton> <QString> <QVBoxLayout> <QWidget>)
set(CORVANE_PCH_WINDOW_TESTS ${CORVANE_PCH_WIDGETS} <QTest>)

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
