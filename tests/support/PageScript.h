#pragma once
// A script run in a page of the browser engine, its value waited for a bounded time.
#include <QTest>
#include <QWebEnginePage>
#include <gtest/gtest.h>
#include <optional>

namespace corvane::testing {

inline constexpr int scriptMilliseconds = 30000;

inline QVariant runScript(QWebEnginePage& page, const QString& script) {
    std::optional<QVariant> value;
    page.runJavaScript(script, [&value](const QVariant& result) { value = result; });
    EXPECT_TRUE(QTest::qWaitFor([&value] { return value.has_value(); }, scriptMilliseconds))
        << script.toStdString();
    return value.value_or(QVariant());
}

} // namespace corvane::testing
