#include "cli/CtrlC.h"

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <ctime>

namespace {

// `timeout -s INT` signals the program and then its whole group, the program
// included: two Ctrl+C within moments are one request. Only one that comes
// later than this after the first is a user's second, impatient Ctrl+C.
constexpr std::int64_t kJednoZadanieNs = 1'000'000'000;

// A signal handler reaches nothing but static storage, and may touch nothing
// but a lock-free atomic there.
std::atomic<bool> przerwano{false};
// The monotonic time of the first Ctrl+C; 0 before it.
std::atomic<std::int64_t> pierwszyNs{0};
static_assert(std::atomic<bool>::is_always_lock_free);
static_assert(std::atomic<std::int64_t>::is_always_lock_free);

std::int64_t terazNs() {
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

extern "C" void naSygnal(int) {
    // Two signals may be handled at once on two threads: the time of the
    // first is set by whichever comes first, and read by the other.
    const std::int64_t teraz = std::max<std::int64_t>(terazNs(), 1);
    std::int64_t pierwszy = 0;
    if (pierwszyNs.compare_exchange_strong(pierwszy, teraz)) {
        przerwano.store(true);
        return;
    }
    if (teraz - pierwszy < kJednoZadanieNs)
        return;
    // The default action, once this handler returns and unblocks the signal.
    struct sigaction domyslna {};
    domyslna.sa_handler = SIG_DFL;
    sigemptyset(&domyslna.sa_mask);
    sigaction(SIGINT, &domyslna, nullptr);
    raise(SIGINT);
}

} // namespace

const std::atomic<bool>& PrzechwycCtrlC() {
    struct sigaction akcja {};
    akcja.sa_handler = naSygnal;
    sigemptyset(&akcja.sa_mask);
    akcja.sa_flags = 0;
    sigaction(SIGINT, &akcja, nullptr);
    return przerwano;
}
