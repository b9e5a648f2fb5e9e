#pragma once

// Modal results of the program's windows. A search dialog and its progress
// windows pass them on to the main window.
namespace WynikModalny {
enum : int {
    OK = 1,         // confirmed; for a search: it ran to its end and its result is shown
    Anuluj = 2,     // closed by its close box or "Anuluj" without doing anything
    Przerwano = 7,  // the user confirmed finishing a search early; nothing is shown
};
} // namespace WynikModalny
