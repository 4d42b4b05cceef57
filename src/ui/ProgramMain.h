// The program's whole run after the application object exists: data folder, store, main window, loop.
#pragma once

#include <QStringList>

// args are the command-line arguments after the program name. Returns the exit code; a data
// folder or store that cannot be used is reported in one error box and ends the run with 1.
int RunProgram(const QStringList& args);
