#pragma once
// The Open dialog behind one small interface, so tests choose files by script.
#include <QString>

class QWidget;

namespace corvane::platform {

struct OpenFileRequest {
    QString title;
    QString filter; // as Qt writes it: "Settings File (*.html)"
    QString startFolder;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen file's path, or an empty string when the user cancelled.
    virtual QString openFile(QWidget* owner, const OpenFileRequest& request) = 0;
};

} // namespace corvane::platform
