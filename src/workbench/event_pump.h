// The event pump that widget-free operations call while they wait on the network, so that the
// windows repaint: BusyState::Pump() when a handler of the main window runs them, nothing
// (an empty function) in tests.
#pragma once

#include <functional>

namespace dq {

using EventPump = std::function<void()>;

}  // namespace dq
