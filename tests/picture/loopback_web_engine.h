// Keeps the web views of a test on the loopback interface: every request of the default
// WebEngine profile is recorded; one for the routed host goes to the test's loopback server
// instead (plain HTTP, which the server speaks on the same port), any other leaving request
// is blocked. Install it after the first web view exists (WebEngine has then started with
// the program's own settings) and before anything navigates.
#pragma once

#include <QUrl>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestInfo>
#include <mutex>
#include <string>
#include <vector>

namespace dq::testing {

class LoopbackWebEngine : public QWebEngineUrlRequestInterceptor {
public:
    // loopbackPort 0 routes nothing: every request is blocked.
    LoopbackWebEngine(QString host, int loopbackPort) : host_(std::move(host)), port_(loopbackPort) {
        QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(this);
    }
    ~LoopbackWebEngine() override {
        QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(nullptr);
    }

    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        QUrl url = info.requestUrl();
        {
            std::lock_guard lock(mutex_);
            requested_.push_back(url);
        }
        if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))
            return;
        if (url.host() == QLatin1String("127.0.0.1")) return;
        if (port_ == 0 || url.host().compare(host_, Qt::CaseInsensitive) != 0) {
            info.block(true);
            return;
        }
        url.setScheme(QStringLiteral("http"));
        url.setHost(QStringLiteral("127.0.0.1"));
        url.setPort(port_);
        info.redirect(url);
    }

    // The addresses asked for, before any routing.
    std::vector<QUrl> requested() const {
        std::lock_guard lock(mutex_);
        return requested_;
    }

private:
    QString host_;
    int port_;
    mutable std::mutex mutex_;
    std::vector<QUrl> requested_;
};

}  // namespace dq::testing
