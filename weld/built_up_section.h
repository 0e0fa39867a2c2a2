#pragma once

#include "sections/section_properties.h"

#include <map>
#include <string>

// Dimensions of a welded section in mm, by the symbols of its drawing ("h", "tw", "t1" …).
using WeldDimensions = std::map<std::string, double>;

// The first condition of the family's drawing that the dimensions break, as the message
// that names them ("t1 + t2 必须小于 h"); empty when the section can be built. A family the
// table does not know has no conditions.
std::string weldGeometryFault(int familyId, const WeldDimensions& dimensions);

// The section's properties from its exact outline of plates (sections::plateSection), with
// It for the closed ones (box, box girder, tube). Where there is no single section (the
// wedge, the balls) or the dimensions break a condition, properties.ok is false and
// noSection says why.
struct BuiltUpSection {
    sections::SectionResult properties;
    std::string noSection;
};
BuiltUpSection builtUpSection(int familyId, const WeldDimensions& dimensions);
