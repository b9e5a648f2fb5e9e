#pragma once

#include "toolkit/core/BilingualText.h"

#include <exception>

// What a user is told of an error: a UserError's own text, "Za mało
// pamięci" for exhausted memory, what() of another standard exception and
// a fixed text for anything else.
BilingualText describeException(std::exception_ptr error);

BilingualText outOfMemoryText();
