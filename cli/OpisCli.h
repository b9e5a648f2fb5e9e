#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

// --help's text: the commands, metrics, methods and exit codes.
QString OpisProgramu();

// The options of wedrownik-cli, with their help lines and defaults.
QList<QCommandLineOption> OpcjeProgramu();
