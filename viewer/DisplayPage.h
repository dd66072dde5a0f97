#pragma once
// The projector display's web page: its script reports, through the console,
// when the standings it was given have been drawn.
#include <QWebEnginePage>

namespace corvane::viewer {

class DisplayPage : public QWebEnginePage {
    Q_OBJECT
public:
    using QWebEnginePage::QWebEnginePage;

    // What the script says, followed by the number it was given, once a frame
    // with the new standings has been drawn.
    static constexpr const char* drawnMessage = "corvane-display-drawn ";

signals:
    void drawn(int generation);

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override;
};

// The script every page of the display runs: an in-place update that keeps what
// did not change, a scroll a screenful at a time through standings taller than the screen, and no
// mouse pointer. `pauseMs` is the stop at the top and at the end, `speed` the
// scroll in page pixels a second.
QString displayScript(int pauseMs, int speed);

} // namespace corvane::viewer
