#include "platform/QtServices.h"

#include <QMessageBox>

namespace corvane::platform {
namespace {

class QtMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(QWidget* owner, const QString& text, const QString& caption,
                       MessageButtons buttons) override {
        const auto box = makeMessageBox(owner, text, caption, buttons);
        const int answer = box->exec();
        if (buttons == MessageButtons::Ok) {
            return MessageAnswer::Ok;
        }
        return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
};

} // namespace

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* owner, const QString& text,
                                            const QString& caption, MessageButtons buttons) {
    auto box = std::make_unique<QMessageBox>(owner);
    box->setIcon(QMessageBox::NoIcon);
    box->setWindowTitle(caption);
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    if (buttons == MessageButtons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
    }
    box->setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
    return box;
}

std::unique_ptr<MessageBoxes> makeQtMessageBoxes() {
    return std::make_unique<QtMessageBoxes>();
}

} // namespace corvane::platform
