#pragma once

#include "cli/ZadanieCli.h"

class QCommandLineParser;

// The command line's options, with --help's text (the exit codes included).
void DodajOpcje(QCommandLineParser& parser);

// The task the parsed command line asks for; UserError with what is wrong
// for bad usage (exit code 2). A --tour that cannot be written is found out
// here, before anything runs.
ZadanieCli CzytajArgumenty(const QCommandLineParser& parser);
