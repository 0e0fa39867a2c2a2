#include "browser/family_bars.h"

#include "browser/choice_bar.h"
#include "resources/image_store.h"
#include "ui/ui_toolkit.h"
#include "weld/text_helpers.h"

#include <QButtonGroup>
#include <QLayout>

namespace {

QString cssColor(std::uint32_t packed) {
    return QStringLiteral("rgb(%1, %2, %3)")
        .arg(packed & 0xFF)
        .arg((packed >> 8) & 0xFF)
        .arg((packed >> 16) & 0xFF);
}

} // namespace

QString familyButtonStyleSheet() {
    return QStringLiteral(
               "QToolButton { background: transparent; border: 1px solid transparent;"
               " border-radius: 3px; padding: 2px; }"
               "QToolButton:hover { background: %1; }"
               "QToolButton:pressed { background: %2; }"
               "QToolButton:checked { background: %3; border-color: rgb(120, 160, 220); }"
               "QToolButton:focus { border-color: rgb(60, 110, 200); }"
               "QToolButton[noData=\"true\"] { color: rgb(136, 148, 162);"
               " border: 1px dashed rgb(196, 205, 216); }"
               "QToolButton[noData=\"true\"]:checked { border: 1px solid rgb(120, 160, 220); }"
               "QToolButton[noData=\"true\"]:focus { border-color: rgb(60, 110, 200); }")
        .arg(cssColor(rgbColor(185, 210, 245)), cssColor(rgbColor(168, 199, 246)),
             cssColor(rgbColor(203, 219, 243)));
}

QToolButton* createSectionButton(const std::string& name, int userId) {
    auto* button = new ChoiceButton;
    const QString text = ui::toQt(name);
    button->setText(text);
    button->setToolTip(text);
    button->setAccessibleName(text);
    ui::setUserId(button, userId);
    QFont font(QStringLiteral("微软雅黑"));
    font.setPointSize(9);
    button->setFont(font);
    button->setAutoRaise(true);
    return button;
}

void markSectionWithoutData(QAbstractButton* button) {
    // Set before the button is polished, so the style sheet's [noData] rule applies.
    button->setProperty("noData", true);
    button->setAccessibleDescription(QStringLiteral("暂无数据"));
    button->setToolTip(button->text() + QStringLiteral("（暂无数据）"));
}

QToolButton* createFamilyButton(const std::string& icon, const std::string& name,
                                const std::string& id) {
    QToolButton* button = createSectionButton(name, std::atoi(id.c_str()));
    button->setIcon(loadIcon(ui::toQt(icon), QSize(32, 32)));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setMinimumSize(56, 58);
    return button;
}

void buildFamilyBars(ChoiceBar* weldBar, ChoiceBar* barBar, const CatalogueQueries& queries,
                     QButtonGroup* group, const FamilyClickHandler& onWeldFamilyClick,
                     const FamilyClickHandler& onBarFamilyClick) {
    group->setExclusive(true);
    const struct {
        const char* kind;
        ChoiceBar* bar;
        const FamilyClickHandler& handler;
    } passes[] = {{"0", weldBar, onWeldFamilyClick}, {"1", barBar, onBarFamilyClick}};
    for (const auto& pass : passes) {
        ChoiceBar* bar = pass.bar;
        bar->setStyleSheet(familyButtonStyleSheet());
        const TextGrid grid = queries.familiesOfKind(pass.kind);
        const int id = grid.column("ID"), name = grid.column("NAME"), icon = grid.column("ICON");
        const bool readable = id >= 0 && name >= 0 && icon >= 0;
        for (int r = 1; r < grid.rowCount && readable; ++r) {
            QToolButton* button =
                createFamilyButton(grid.cell(r, icon), grid.cell(r, name), grid.cell(r, id));
            FamilyClickHandler handler = pass.handler;
            ui::onActivated(button, [button, handler] { handler(button); });
            group->addButton(button);
            bar->addButton(button);
        }
    }
}
