#include "platform/QtServices.h"

#include <QFileDialog>

namespace corvane::platform {
namespace {

class QtFileDialogs final : public FileDialogs {
public:
    QString openFile(QWidget* owner, const OpenFileRequest& request) override {
        // The chosen file must exist; the current directory is left as it is.
        return QFileDialog::getOpenFileName(owner, request.title, request.startFolder,
                                            request.filter);
    }
};

} // namespace

std::unique_ptr<FileDialogs> makeQtFileDialogs() {
    return std::make_unique<QtFileDialogs>();
}

} // namespace corvane::platform
