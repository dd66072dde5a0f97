#pragma once
// The Open and Save dialogs behind one small interface, so tests choose files by script.
#include <QString>
#include <QStringList>

class QWidget;

namespace corvane::platform {

struct OpenFileRequest {
    QString title;
    QString filter; // as Qt writes it: "Settings File (*.html)"
    QString startFolder;
};

struct SaveFileRequest {
    QString title;
    QStringList filters; // as Qt writes each: "CSV (*.csv)"; the first is chosen at the start
    QString startPath;   // the folder and the suggested file name
};

struct SaveFileChoice {
    QString path;   // empty when the user cancelled
    int filter = 0; // the filter chosen, as its place in SaveFileRequest::filters
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen file's path, or an empty string when the user cancelled.
    virtual QString openFile(QWidget* owner, const OpenFileRequest& request) = 0;
    // The file to write and the filter it was chosen with; the dialog has asked
    // before an existing file is replaced.
    virtual SaveFileChoice saveFile(QWidget* owner, const SaveFileRequest& request) = 0;
};

} // namespace corvane::platform
