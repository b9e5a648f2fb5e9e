#pragma once

#include "cli/WynikCli.h"

struct WynikSesji;
struct ZestawMiast;

// A session's answer as the command line prints it: the route by the file's
// ids, and what the session knows of it.
WynikCli OdpowiedzCli(const WynikSesji& wynik, const ZestawMiast& miasta);
