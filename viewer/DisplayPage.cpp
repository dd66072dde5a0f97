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
    // What did not change is kept, so the banner and the unchanged rows are never
    // rebuilt and nothing blinks; the scroll position stays where it was.
    return QStringLiteral(R"(
window.corvaneDisplay = (function () {
  const state = { pauseMs: %1, speed: %2, phase: 'top', last: 0, at: 0 };
  function afterFrame(generation) {
    requestAnimationFrame(() => setTimeout(() => console.log('%3' + generation), 0));
  }
  function sameAttributes(a, b) {
    if (a.attributes.length !== b.attributes.length) return false;
    return Array.from(b.attributes).every((attr) => a.getAttribute(attr.name) === attr.value);
  }
  // Makes `target`'s children those of `source`, touching only what differs:
  // a changed figure is a changed text, not a new table.
  function morph(target, source) {
    const old = Array.from(target.childNodes);
    const fresh = Array.from(source.childNodes);
    fresh.forEach((node, i) => {
      const was = old[i];
      if (was && was.isEqualNode(node)) return;
      if (was && was.nodeName === node.nodeName) {
        if (node.nodeType === Node.TEXT_NODE) { was.nodeValue = node.nodeValue; return; }
        if (node.nodeType === Node.ELEMENT_NODE && sameAttributes(was, node)) {
          morph(was, node);
          return;
        }
      }
      const copy = document.importNode(node, true);
      if (was) target.replaceChild(copy, was); else target.appendChild(copy);
    });
    old.slice(fresh.length).forEach((node) => node.remove());
  }
  function update(html, generation) {
    const next = new DOMParser().parseFromString(html, 'text/html');
    document.title = next.title;
    morph(document.head, next.head);
    morph(document.body, next.body);
    afterFrame(generation);
  }
  // Between the stops the scroll moves every frame; a stop waits on a timer, so a
  // display at rest costs nothing.
  function scroll(now) {
    const end = document.documentElement.scrollHeight - window.innerHeight;
    if (end <= 0) {
      state.phase = 'top'; // all of it shows: looked at again in a while
      return wait(1000);
    }
    if (state.phase === 'top') {
      state.phase = 'down';
      state.last = now;
      state.at = window.scrollY;
      return requestAnimationFrame(scroll);
    }
    if (state.phase === 'down') {
      state.at = Math.min(end, state.at + state.speed * (now - state.last) / 1000);
      state.last = now;
      window.scrollTo(0, state.at);
      if (state.at < end) return requestAnimationFrame(scroll);
      state.phase = 'end';
      return wait(state.pauseMs);
    }
    window.scrollTo(0, 0);
    state.phase = 'top';
    wait(state.pauseMs);
  }
  function wait(ms) {
    setTimeout(() => requestAnimationFrame(scroll), ms);
  }
  const hidePointer = document.createElement('style');
  hidePointer.textContent = '* { cursor: none !important; }';
  document.documentElement.appendChild(hidePointer);
  wait(state.pauseMs);
  return { update: update, afterFrame: afterFrame, state: state };
})();
)")
        .arg(pauseMs)
        .arg(speed)
        .arg(QLatin1StringView(DisplayPage::drawnMessage));
}

} // namespace corvane::viewer
