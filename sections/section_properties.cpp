#include "sections/section_properties.h"

namespace sections {

const Property* find(const SectionResult& result, std::string_view symbol) {
    for (const Property& p : result.properties)
        if (p.symbol == symbol) return &p;
    return nullptr;
}

SectionResult rolledIBeam(double, double, double, double, double, double) {
    return {};
}
SectionResult rolledChannel(double, double, double, double, double, double) {
    return {};
}
SectionResult equalAngle(double, double, double, double) {
    return {};
}
SectionResult unequalAngle(double, double, double, double, double) {
    return {};
}
SectionResult lSection(double, double, double, double, double, double) {
    return {};
}
SectionResult hSection(double, double, double, double, double) {
    return {};
}
SectionResult tSection(double, double, double, double, double) {
    return {};
}
SectionResult roundTube(double, double) {
    return {};
}
SectionResult rectangularTube(double, double, double, double) {
    return {};
}
SectionResult flatOvalTube(double, double, double) {
    return {};
}
SectionResult roundBar(double) {
    return {};
}
SectionResult squareBar(double) {
    return {};
}
SectionResult hexagonBar(double) {
    return {};
}
SectionResult octagonBar(double) {
    return {};
}
SectionResult flatBar(double, double) {
    return {};
}
SectionResult coldChannel(double, double, double) {
    return {};
}
SectionResult coldLippedChannel(double, double, double, double) {
    return {};
}
SectionResult coldEqualAngle(double, double) {
    return {};
}
SectionResult coldLippedEqualAngle(double, double, double) {
    return {};
}
SectionResult coldLippedZ(double, double, double, double) {
    return {};
}
SectionResult coldSlopedLippedZ(double, double, double, double) {
    return {};
}

double ibeamToeRadius(double r) {
    return r / 2.0;
}
double channelToeRadius(double r) {
    return r / 2.0;
}
double angleToeRadius(double d) {
    return d / 3.0;
}
double coldFormedInnerRadius(double t) {
    return 1.5 * t;
}
double hollowCornerRadiusGbt6728(double t) {
    return 2.0 * t;
}

} // namespace sections
