#pragma once

#include <functional>

namespace presslane {

// Lets the UI thread's events run until done() holds or ms milliseconds have passed; false on
// time-out. Every wait of the window tests is bounded by it.
bool pump_until(const std::function<bool()>& done, int ms = 20000);

}  // namespace presslane
