// The busy state: input that arrives while a handler waits is dropped, not run later, and
// windows still repaint; a message box opened meanwhile gets its input.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "workbench/busy_state.h"
#include "workbench/test_main_window_fixture.h"

namespace dq {
namespace {

void PostClick(QWidget& target) {
    const QPointF at(5, 5);
    QCoreApplication::postEvent(&target, new QMouseEvent(QEvent::MouseButtonPress, at, target.mapToGlobal(at), Qt::LeftButton,
                                                         Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(&target, new QMouseEvent(QEvent::MouseButtonRelease, at, target.mapToGlobal(at),
                                                         Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

class BusyStateTest : public ::testing::Test {
protected:
    BusyStateTest() {
        button.resize(80, 30);
        button.show();
        QObject::connect(&button, &QPushButton::clicked, [this] { ++clicks; });
        QCoreApplication::processEvents();
    }
    struct ApplicationReady {
        ApplicationReady() { testing::Application(); }
    } ready_;  // before any widget
    QPushButton button{"go"};
    int clicks = 0;
};

TEST_F(BusyStateTest, AClickWhileBusyIsDroppedNotDeferred) {
    {
        BusyState busy;
        EXPECT_TRUE(BusyState::Active());
        PostClick(button);
        BusyState::PumpEvents();
        EXPECT_EQ(clicks, 0);
    }
    EXPECT_FALSE(BusyState::Active());
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 0);  // not run after the action either
    PostClick(button);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 1);  // input works again
}

TEST_F(BusyStateTest, SuspendedLetsInputThrough) {
    BusyState busy;
    BusyState::Suspended dialog;
    PostClick(button);
    BusyState::PumpEvents();
    EXPECT_EQ(clicks, 1);
}

TEST_F(BusyStateTest, WindowsRepaintWhileBusy) {
    int paints = 0;
    struct Counter : QObject {
        int* count;
        explicit Counter(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++*count;
            return false;
        }
    } counter(&paints);
    button.installEventFilter(&counter);
    BusyState busy;
    button.update();
    BusyState::PumpEvents();
    EXPECT_GT(paints, 0);
}

TEST_F(BusyStateTest, BusyCursorWhileBusy) {
    {
        BusyState busy;
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace dq
