// The main drug base (data_108, shipped, searched by the beginning of the name) and the
// doctor's own base (data_110, edited). Drugs travel as TMedicine values.
#pragma once

#include "document/svRecipe.h"

#include <QList>

// The filter's Nazwa holds the search text.
bool DrugMatches(const TMedicine& row, const TMedicine& filter);
QList<TMedicine> ListMainDrugs(const TMedicine& filter);
QList<TMedicine> ListOwnDrugs(const TMedicine* filter = nullptr);
bool SaveOwnDrug(TMedicine& drug);
bool DeleteOwnDrug(const TMedicine& drug);
bool DeleteMainDrug(const TMedicine& drug);
