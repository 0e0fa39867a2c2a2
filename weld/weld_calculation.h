#pragma once

#include "catalogue/catalogue_queries.h"

#include <functional>
#include <string>

// Rounds half away from zero to n decimals; the 1e-12 nudge lets values that sit just
// below a half only because of their binary representation round up.
double roundHalfUp(double x, int n);

// Outcome of one click on the calculate button. On a failed check ok is false, message
// holds the hint and the lines are empty: the page keeps the results it showed before.
struct WeldCalculation {
    bool ok = false;
    std::string message;
    std::string areaLine, weightLine, surfaceLine;
};

// Checks the family's dimension fields in row order (fieldText gives a field's text by its
// dimension name), then the density text (kg/m³), binds and evaluates the three formulas.
WeldCalculation calculateWeld(const CatalogueQueries& queries, int familyId,
                              const std::function<std::string(const std::string& name)>& fieldText,
                              const std::string& densityText);
