// Opening the store for a solvira-cli command.
#pragma once

#include "cli/Cli.h"

// Enters the data folder and opens (creating when missing) and upgrades the store; false
// after reporting the failure (exit 3).
bool OpenCliStore(CliContext& ctx, int* exitCode);
