#include "viewer/StackBelowActive.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace corvane::viewer {
namespace {

// What the extended window manager hints call a request from a pager or
// taskbar, the kind a window manager always honours.
constexpr std::uint32_t sourceIndication = 2;

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t activeWindow(xcb_connection_t* connection, xcb_window_t root) {
    const xcb_get_property_cookie_t cookie = xcb_get_property(
        connection, 0, root, atom(connection, "_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW, 0, 1);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) < 4)
        return XCB_WINDOW_NONE;
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

void stackBelowActive(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || window.isActiveWindow())
        return;
    xcb_connection_t* connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_window_t own = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t active = activeWindow(connection, root);
    if (active == XCB_WINDOW_NONE || active == own)
        return;
    xcb_client_message_event_t restack{};
    restack.response_type = XCB_CLIENT_MESSAGE;
    restack.format = 32;
    restack.window = own;
    restack.type = atom(connection, "_NET_RESTACK_WINDOW");
    restack.data.data32[0] = sourceIndication;
    restack.data.data32[1] = active;
    restack.data.data32[2] = XCB_STACK_MODE_BELOW;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&restack));
    xcb_flush(connection);
}

// Waits for the window's first exposure: by then the window manager has put it
// on screen, and would otherwise raise it again after the request. The native
// window is looked at only once the widget shows: the web view may have it made
// anew before that.
class FirstExposure : public QObject {
public:
    explicit FirstExposure(QWidget& window) : QObject(&window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Show && window_.windowHandle()) {
            window_.removeEventFilter(this);
            window_.windowHandle()->installEventFilter(this);
        } else if (watched == window_.windowHandle() && event->type() == QEvent::Expose &&
                   window_.windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            stackBelowActive(window_);
        }
        return false;
    }

private:
    QWidget& window_;
};

} // namespace

void stackBelowActiveWhenShown(QWidget& window) {
    if (qGuiApp->nativeInterface<QNativeInterface::QX11Application>() != nullptr)
        window.installEventFilter(new FirstExposure(window));
}

} // namespace corvane::viewer
