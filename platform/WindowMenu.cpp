#include "platform/WindowMenu.h"

#include <QWidget>

#ifdef Q_OS_WIN
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <utility>
#include <windows.h>
#endif

namespace corvane::platform {

#ifdef Q_OS_WIN
namespace {

// Catches WM_SYSCOMMAND of the one item for the one window.
class SystemMenuFilter final : public QAbstractNativeEventFilter {
public:
    SystemMenuFilter(HWND window, int commandId, std::function<void()> run)
        : window_(window), commandId_(commandId), run_(std::move(run)) {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override {
        if (eventType != "windows_generic_MSG") {
            return false;
        }
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->hwnd != window_ || msg->message != WM_SYSCOMMAND ||
            (msg->wParam & 0xFFF0) != static_cast<WPARAM>(commandId_)) {
            return false;
        }
        run_();
        *result = 0;
        return true;
    }

private:
    HWND window_;
    int commandId_;
    std::function<void()> run_;
};

} // namespace

bool appendWindowMenuItem(QWidget& window, int commandId, const QString& text,
                          std::function<void()> run) {
    if (text.isEmpty()) {
        return false;
    }
    const HWND hwnd = reinterpret_cast<HWND>(window.winId());
    const HMENU menu = GetSystemMenu(hwnd, FALSE);
    if (!menu) {
        return false;
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(commandId),
                reinterpret_cast<LPCWSTR>(text.utf16()));
    auto* filter = new SystemMenuFilter(hwnd, commandId, std::move(run));
    QCoreApplication::instance()->installNativeEventFilter(filter);
    QObject::connect(&window, &QObject::destroyed, [filter] {
        if (QCoreApplication::instance()) {
            QCoreApplication::instance()->removeNativeEventFilter(filter);
        }
        delete filter;
    });
    return true;
}

#else

bool appendWindowMenuItem(QWidget&, int, const QString&, std::function<void()>) {
    return false;
}

#endif

} // namespace corvane::platform
