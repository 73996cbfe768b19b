#pragma once
// The last guard of every event of the windows: whatever the core throws
// inside an event, and no routine there handles, ends that event with one
// message instead of the program; the project and the windows stay as the
// event left them.

#include <functional>
#include <string>

namespace tavo {

// The message shown for an error that `cosa` describes.
std::string MessaggioErroreImprevisto(const std::string& cosa);

// Runs `evento`; an exception that leaves it is shown through messaggi()
// with MessaggioErroreImprevisto. True when the event ran to its end.
bool EventoProtetto(const std::function<void()>& evento);

}  // namespace tavo
