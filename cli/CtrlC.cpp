#include "cli/CtrlC.h"

#include <csignal>

namespace {

// A signal handler reaches nothing but static storage, and may touch nothing
// but a lock-free atomic there.
std::atomic<bool> przerwano{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void naSygnal(int) {
    przerwano.store(true);
}

} // namespace

const std::atomic<bool>& PrzechwycCtrlC() {
    struct sigaction akcja {};
    akcja.sa_handler = naSygnal;
    sigemptyset(&akcja.sa_mask);
    akcja.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &akcja, nullptr);
    return przerwano;
}
