#pragma once

#include <QString>

#include <exception>

// The message a user is shown for an error: a UserError's own message,
// "Za mało pamięci" for exhausted memory, what() of another standard
// exception and a fixed text for anything else.
QString describeException(std::exception_ptr error);
