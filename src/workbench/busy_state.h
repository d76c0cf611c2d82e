// The window's state while a handler waits on the network: a busy cursor, user input
// discarded (a click or key that arrives meanwhile neither starts a second action in the
// middle of the running one nor runs after it), and an event pump that lets the windows
// repaint. Every handler that waits on the network holds one for as long as it waits.
#pragma once

#include <QObject>
#include <functional>

namespace dq {

class BusyState : public QObject {
public:
    BusyState();
    ~BusyState() override;
    BusyState(const BusyState&) = delete;
    BusyState& operator=(const BusyState&) = delete;

    // Runs pending window events (paint, resize, timers); user input among them is dropped
    // while any BusyState lives. Safe to call from the engines' progress callbacks.
    static void PumpEvents();
    // PumpEvents as the callback the widget-free engines take.
    static std::function<void()> Pump() { return &BusyState::PumpEvents; }
    // Whether a BusyState lives now.
    static bool Active();

    // While a Suspended object lives (a message box or modal window opened during a busy
    // action), input reaches the windows again and the normal cursor shows.
    class Suspended {
    public:
        Suspended();
        ~Suspended();
        Suspended(const Suspended&) = delete;
        Suspended& operator=(const Suspended&) = delete;

    private:
        bool cursorSet_;
    };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace dq
