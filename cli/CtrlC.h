#pragma once

#include <atomic>

// Catches Ctrl+C (SIGINT) and returns the flag it sets. The handler is
// installed without SA_RESTART, so a blocking read or wait in progress
// returns EINTR instead of carrying on; a second Ctrl+C ends the program at
// once, should the first not be heeded.
const std::atomic<bool>& PrzechwycCtrlC();
