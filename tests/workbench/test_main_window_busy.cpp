// Handlers that wait on the network hold the busy state: a click that arrives meanwhile is
// dropped, not run during the request nor after it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMouseEvent>

#include "content/news_catalogue.h"
#include "shortlink/code_hosting.h"
#include "support/loopback_site.h"
#include "test_main_window_fixture.h"
#include "workbench/control_names.h"

namespace dq {
namespace {

using testing::CannedResponse;
using testing::MainWindowTest;

// Queues a click on button: it is delivered only when events are next processed.
void QueueClick(QAbstractButton& button) {
    const QPointF at(5, 5);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QCoreApplication::postEvent(
            &button, new QMouseEvent(type, at, button.mapToGlobal(at), Qt::LeftButton,
                                     type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                     Qt::NoModifier));
    }
}

class BusyHandlers : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        writePresets({{"天气开关", "真"}, {"头部", "晨报头"}});
        open();
        window->show();
        QCoreApplication::processEvents();
        Dialogs::clearShown();
    }

    QAbstractButton* button(std::string_view name) const {
        return window->findChild<QAbstractButton*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }

    // Clicks name with a second click of it already queued, then lets events run.
    void clickWithAnotherQueued(std::string_view name) {
        QueueClick(*button(name));
        button(name)->click();
        QCoreApplication::processEvents();
    }

    testing::LoopbackSite site{
        {std::string(NewsCatalogue().front().host), std::string(shortlink::kCodeHostingHost)}};
};

// A page fetch pumps no events: the queued click waits until the busy state ends, which
// consumes it.
TEST_F(BusyHandlers, ClickDuringANewsPreviewIsDropped) {
    form->setCurrentIndex(controls::kNewsTabs, 0);
    form->setChecked(controls::kNewsGeneral, true);
    site.server.on("/", CannedResponse::Ok("<html>no headlines</html>"));
    clickWithAnotherQueued("新闻预览");
    EXPECT_EQ(site.server.requests().size(), 1u);
}

// The request engine pumps events while it waits; the click reaches the filter then.
TEST_F(BusyHandlers, ClickDuringTheInterfaceListIsDropped) {
    site.server.on("/Pemmik/Short-Url/raw/master/PlugList.json", CannedResponse::Ok("[]"));
    clickWithAnotherQueued("按钮_获取接口");
    EXPECT_EQ(site.server.requests().size(), 1u);
}

}  // namespace
}  // namespace dq
