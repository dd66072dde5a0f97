#include "viewer/DisplayPage.h"

namespace corvane::viewer {

void DisplayPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message,
                                           int, const QString&) {
    const QLatin1StringView prefix(drawnMessage);
    if (message.startsWith(prefix)) {
        bool ok = false;
        const int generation = message.mid(prefix.size()).toInt(&ok);
        if (ok)
            emit drawn(generation);
    }
}

QString displayScript(int pauseMs, int speed) {
    // Body children that are equal are kept, so the banner and unchanged parts are
    // never rebuilt and nothing blinks; the scroll position stays where it was.
    return QStringLiteral(R"(
window.corvaneDisplay = (function () {
  const state = { pauseMs: %1, speed: %2, phase: 'top', since: 0, last: 0, at: 0 };
  function afterFrame(generation) {
    requestAnimationFrame(() => requestAnimationFrame(() =>
      console.log('%3' + generation)));
  }
  function keepEqual(target, source) {
    const old = Array.from(target.childNodes);
    const fresh = Array.from(source.childNodes);
    fresh.forEach((node, i) => {
      if (old[i] && old[i].isEqualNode(node)) return;
      const copy = document.importNode(node, true);
      if (old[i]) target.replaceChild(copy, old[i]); else target.appendChild(copy);
    });
    old.slice(fresh.length).forEach((node) => node.remove());
  }
  function update(html, generation) {
    const next = new DOMParser().parseFromString(html, 'text/html');
    document.title = next.title;
    keepEqual(document.head, next.head);
    keepEqual(document.body, next.body);
    afterFrame(generation);
  }
  function scroll(now) {
    const end = document.documentElement.scrollHeight - window.innerHeight;
    if (end <= 0) {
      state.phase = 'top'; state.since = now;
    } else if (state.phase === 'top') {
      if (now - state.since >= state.pauseMs) {
        state.phase = 'down'; state.last = now; state.at = window.scrollY;
      }
    } else if (state.phase === 'down') {
      state.at = Math.min(end, state.at + state.speed * (now - state.last) / 1000);
      state.last = now;
      window.scrollTo(0, state.at);
      if (state.at >= end) { state.phase = 'end'; state.since = now; }
    } else if (now - state.since >= state.pauseMs) {
      window.scrollTo(0, 0); state.phase = 'top'; state.since = now;
    }
    requestAnimationFrame(scroll);
  }
  const hidePointer = document.createElement('style');
  hidePointer.textContent = '* { cursor: none !important; }';
  document.documentElement.appendChild(hidePointer);
  requestAnimationFrame((now) => { state.since = now; scroll(now); });
  return { update: update, afterFrame: afterFrame, state: state };
})();
)")
        .arg(pauseMs)
        .arg(speed)
        .arg(QLatin1StringView(DisplayPage::drawnMessage));
}

} // namespace corvane::viewer
