#include "ScriptedMessageBoxes.h"

namespace corvane::testing {

platform::MessageAnswer ScriptedMessageBoxes::show(QWidget* owner, const QString& text,
                                                   const QString& caption,
                                                   platform::MessageButtons buttons) {
    shown_.push_back({owner, owner != nullptr, text, caption, buttons});
    if (buttons == platform::MessageButtons::Ok) {
        return platform::MessageAnswer::Ok;
    }
    if (answers_.empty()) {
        ++unscripted;
        return platform::MessageAnswer::No;
    }
    const platform::MessageAnswer next = answers_.front();
    answers_.pop_front();
    return next;
}

std::vector<QString> ScriptedMessageBoxes::captions() const {
    std::vector<QString> out;
    for (const ShownBox& box : shown_) {
        out.push_back(box.caption);
    }
    return out;
}

} // namespace corvane::testing
