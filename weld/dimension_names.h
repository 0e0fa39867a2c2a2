#pragma once

#include <string>

// What a dimension symbol of a weld family's drawing means ("外径" for D of the round tube),
// for the accessible name of its input field: the drawing itself does not speak. Empty for
// a symbol the family does not have.
std::string dimensionMeaning(int familyId, const std::string& symbol);

// The accessible name of a dimension field: the symbol, then its meaning ("D 外径").
std::string dimensionFieldName(int familyId, const std::string& symbol);
