#pragma once
// Requests to the program's own web server on the loopback address, each
// waited for a bounded time.
#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane::testing {

inline constexpr int replyMilliseconds = 10000;

struct Reply {
    int status = 0;
    QByteArray body;
};

inline QNetworkReply* startRequest(QNetworkAccessManager& network, const QByteArray& method,
                                   const QString& url, const QByteArray& body = {}) {
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
    return network.sendCustomRequest(request, method, body);
}

inline Reply ask(QNetworkAccessManager& network, const QByteArray& method, const QString& url,
                 const QByteArray& body = {}) {
    QNetworkReply* reply = startRequest(network, method, url, body);
    const bool finished =
        QTest::qWaitFor([reply] { return reply->isFinished(); }, replyMilliseconds);
    EXPECT_TRUE(finished) << url.toStdString();
    Reply answer{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                 reply->readAll()};
    reply->deleteLater();
    return answer;
}

} // namespace corvane::testing
