#include "platform/QtServices.h"

#include <QFileDialog>
#include <algorithm>

namespace corvane::platform {
namespace {

class QtFileDialogs final : public FileDialogs {
public:
    QString openFile(QWidget* owner, const OpenFileRequest& request) override {
        // The chosen file must exist; the current directory is left as it is.
        return QFileDialog::getOpenFileName(owner, request.title, request.startFolder,
                                            request.filter);
    }

    SaveFileChoice saveFile(QWidget* owner, const SaveFileRequest& request) override {
        QString chosenFilter = request.filters.value(0);
        const QString path =
            QFileDialog::getSaveFileName(owner, request.title, request.startPath,
                                         request.filters.join(QStringLiteral(";;")), &chosenFilter);
        return {path,
                static_cast<int>(std::max<qsizetype>(0, request.filters.indexOf(chosenFilter)))};
    }
};

} // namespace

std::unique_ptr<FileDialogs> makeQtFileDialogs() {
    return std::make_unique<QtFileDialogs>();
}

} // namespace corvane::platform
