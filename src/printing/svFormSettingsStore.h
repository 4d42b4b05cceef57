// The form settings as the data folder's settings row holds them (defaults without a row).
#pragma once

#include "printing/svFormSettings.h"

// Reads the first row of the settings table of the open store.
TFormSettings FormSettingsFromStore();
