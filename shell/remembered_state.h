#pragma once

#include "catalogue/catalogue_queries.h"

#include <QList>
#include <QRect>
#include <QSettings>
#include <optional>
#include <string>

// What the window keeps from one run to the next. Every field read from the settings is
// checked; a missing, unreadable or damaged value gives the field's default, which is the
// first-start behaviour.
struct RememberedState {
    std::optional<QRect> geometry; // normal (not maximised) window rectangle
    bool maximized = false;
    std::optional<int> opacityPosition; // transparency slider, 0..155; unset: never moved
    bool keepOnTop = false;
    int familyId = 0;  // bar family last shown; 0: none
    int subtypeId = 0; // its standard last shown; 0: none
    bool searchAllStandards = false;
    std::string material;      // a name of the material table; empty: none chosen
    std::string takeOffLength; // decimal text in metres; empty: none
    std::string takeOffCount;  // whole number; empty: none
};

RememberedState readRememberedState(const QSettings& settings);
void writeRememberedState(QSettings& settings, const RememberedState& state);

// Where a remembered window rectangle may go on the screens (their available areas): at
// least the minimum size, no larger than the screen it is on, and with enough of its title
// strip on a screen to be grabbed. No place: the window opens where it does at first start.
std::optional<QRect> placeRememberedWindow(const QRect& stored, const QSize& minimum,
                                           const QList<QRect>& screens);

// Whether the catalogue has a bar family with this id and the standard belongs to it.
bool isStandardOfBarFamily(const CatalogueQueries& queries, int familyId, int subtypeId);
