#pragma once

#include "toolkit/gui/Application.h"

#include <exception>
#include <utility>

// Runs an event handler's work. An exception it raises is shown in the
// standard error box right here and goes no further: it must never unwind
// through Qt's own code, which is not written to survive that.
template <class Work>
void runHandler(Work&& work) noexcept {
    try {
        std::forward<Work>(work)();
    } catch (...) {
        Application::reportException(std::current_exception());
    }
}

// Wraps a handler for connect(): the slot runs the handler through runHandler.
template <class Work>
auto handler(Work work) {
    return [work = std::move(work)]() mutable { runHandler(work); };
}
