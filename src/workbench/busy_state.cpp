#include "workbench/busy_state.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>

namespace dq {
namespace {

int g_busyDepth = 0;       // living BusyState objects
int g_suspendedDepth = 0;  // living Suspended objects

bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

}  // namespace

BusyState::BusyState() {
    if (g_busyDepth++ == 0) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    // The filter sits on the application, so it sees input for every window.
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

BusyState::~BusyState() {
    // Input that queued up while the action blocked without pumping (a page fetch) is
    // consumed here, while the filter still drops it, instead of running after the action.
    if (QCoreApplication::instance() != nullptr) PumpEvents();
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
    if (--g_busyDepth == 0) QGuiApplication::restoreOverrideCursor();
}

bool BusyState::Active() { return g_busyDepth > 0; }

void BusyState::PumpEvents() {
    // All events are processed so that input queued now is consumed (and dropped by the
    // filter) instead of waiting for the end of the action.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool BusyState::eventFilter(QObject* watched, QEvent* event) {
    if (g_suspendedDepth == 0 && IsUserInput(event->type())) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

BusyState::Suspended::Suspended() : cursorSet_(g_busyDepth > 0) {
    ++g_suspendedDepth;
    if (cursorSet_) QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
}

BusyState::Suspended::~Suspended() {
    --g_suspendedDepth;
    if (cursorSet_) QGuiApplication::restoreOverrideCursor();
}

}  // namespace dq
