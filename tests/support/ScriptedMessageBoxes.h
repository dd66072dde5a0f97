#pragma once
// Message boxes answered by script: each box shown is recorded, and takes the
// next scripted answer (Yes or No for a question; a notice needs none).
#include "platform/MessageBoxes.h"

#include <QPointer>
#include <QWidget>
#include <deque>
#include <vector>

namespace corvane::testing {

struct ShownBox {
    QPointer<QWidget> owner;
    bool hadOwner = false;
    QString text;
    QString caption;
    platform::MessageButtons buttons = platform::MessageButtons::Ok;
};

class ScriptedMessageBoxes final : public platform::MessageBoxes {
public:
    // Answers for the coming questions, in order. A question without a
    // scripted answer is answered No and counted in `unscripted`.
    void answer(platform::MessageAnswer next) { answers_.push_back(next); }
    void answerYes() { answer(platform::MessageAnswer::Yes); }
    void answerNo() { answer(platform::MessageAnswer::No); }

    platform::MessageAnswer show(QWidget* owner, const QString& text, const QString& caption,
                                 platform::MessageButtons buttons) override;

    const std::vector<ShownBox>& shown() const { return shown_; }
    std::vector<QString> captions() const;
    int unscripted = 0;
    std::size_t pendingAnswers() const { return answers_.size(); }
    void clear() {
        shown_.clear();
        answers_.clear();
        unscripted = 0;
    }

private:
    std::deque<platform::MessageAnswer> answers_;
    std::vector<ShownBox> shown_;
};

} // namespace corvane::testing
