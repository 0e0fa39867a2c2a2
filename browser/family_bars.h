#pragma once

#include "catalogue/catalogue_queries.h"

#include <QButtonGroup>
#include <QToolButton>
#include <functional>
#include <string>

class ChoiceBar;

using FamilyClickHandler = std::function<void(QAbstractButton*)>;

// Fills the weld family bar (kind "0") and the bar family bar (kind "1") in catalogue
// order. One exclusive group spans both bars, so the checked button names the family on show.
// Each bar is a ChoiceBar: one Tab stop, arrows within.
void buildFamilyBars(ChoiceBar* weldBar, ChoiceBar* barBar, const CatalogueQueries& queries,
                     QButtonGroup* group, const FamilyClickHandler& onWeldFamilyClick,
                     const FamilyClickHandler& onBarFamilyClick);

// A checkable text button of a bar (a ChoiceButton), shared by family and standard buttons:
// name as text, tooltip and accessible name, the bar font, the catalogue key as user id.
QToolButton* createSectionButton(const std::string& name, int userId);

// Marks a standard button whose table the catalogue does not hold: a quieter look, and
// "暂无数据" in its accessible description and tooltip, so the user sees it before clicking.
void markSectionWithoutData(QAbstractButton* button);

// A family button: icon (top-left 32 x 32 of the image) above the name, user id = family id.
QToolButton* createFamilyButton(const std::string& icon, const std::string& name,
                                const std::string& id);

// The look shared by family and standard buttons: transparent, with fills for
// hover, pressed and checked.
QString familyButtonStyleSheet();
