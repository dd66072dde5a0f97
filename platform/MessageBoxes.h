#pragma once
// Modal message boxes behind one small interface, so tests answer them by script.
#include <QString>

class QWidget;

namespace corvane::platform {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A modal box with no icon, owned by `owner`.
    virtual MessageAnswer show(QWidget* owner, const QString& text, const QString& caption,
                               MessageButtons buttons) = 0;
};

} // namespace corvane::platform
