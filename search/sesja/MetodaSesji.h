#pragma once

// The methods a session runs. Automatyczna and Dokladna are the command
// line's choices by the number of cities (see PlanSesji); the others are
// one search each, as the window offers them.
enum class MetodaSesji {
    Automatyczna,
    Dokladna,
    Permutacje,
    Losowo,
    Genetycznie,
    Lokalnie,
    Dowod,
};
