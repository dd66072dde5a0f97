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

namespace {
// Each step moves this part of the screen, so a row or two stays in sight.
constexpr double stepOfScreen = 0.8;
// The shortest rest between two steps, however fast the scroll is set.
constexpr int minStepMs = 50;
} // namespace

QString displayScript(int pauseMs, int speed) {
    // What did not change is kept, so the banner and the unchanged rows are never
    // rebuilt and nothing blinks; the scroll position stays where it was.
    return QStringLiteral(R"(
window.corvaneDisplay = (function () {
  const state = { pauseMs: %1, speed: %2, phase: 'top', at: 0 };
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
  // The scroll goes a screenful at a time (less an overlap, so the eye finds its
  // row again) and rests between steps at the same mean speed as a steady scroll:
  // redrawing the whole screen every frame in software costs both cores.
  function scroll() {
    const end = document.documentElement.scrollHeight - window.innerHeight;
    if (end <= 0) {
      state.phase = 'top'; // all of it shows: looked at again in a while
      return wait(1000);
    }
    if (state.phase === 'top') {
      state.phase = 'down';
      state.at = window.scrollY;
    }
    if (state.phase === 'down') {
      const step = Math.max(1, Math.floor(window.innerHeight * %4));
      state.at = Math.min(end, state.at + step);
      window.scrollTo(0, state.at);
      if (state.at < end) return wait(Math.max(%5, step * 1000 / Math.max(1, state.speed)));
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
        .arg(QLatin1StringView(DisplayPage::drawnMessage))
        .arg(stepOfScreen)
        .arg(minStepMs);
}

} // namespace corvane::viewer
