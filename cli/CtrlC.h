#pragma once

#include <atomic>

// Catches Ctrl+C (SIGINT) and returns the flag it sets. The handler is
// installed without SA_RESTART, so a blocking read or wait in progress
// returns EINTR instead of carrying on. A second Ctrl+C a second or more
// after the first ends the program at once, should the first not be heeded;
// one sooner is taken for the same request (timeout -s INT sends two).
const std::atomic<bool>& PrzechwycCtrlC();
