#pragma once
// Work handed to the event loop, as a posted message was: it runs after the current event,
// and not at all when its owner (Life) went away meanwhile.

#include <functional>
#include <memory>

// An exception from Work is reported through the application.
void PostCall(std::weak_ptr<int> Life, std::function<void()> Work);
