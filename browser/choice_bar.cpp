#include "browser/choice_bar.h"

#include "browser/flow_layout.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>

namespace {

// A choice button as a radio button: Qt presents a checkable tool button as a check box.
class ChoiceButtonAccessible : public QAccessibleWidget {
  public:
    explicit ChoiceButtonAccessible(ChoiceButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        state.pressed = button()->isDown();
        return state;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString name = button()->accessibleName();
            return name.isEmpty() ? button()->text() : name;
        }
        if (t == QAccessible::Description) {
            // Qt 6.4 passes no place in a set over AT-SPI, so the description says it.
            const auto* bar = qobject_cast<const ChoiceBar*>(button()->parentWidget());
            QStringList parts;
            if (!button()->accessibleDescription().isEmpty())
                parts << button()->accessibleDescription();
            if (bar) parts << bar->positionText(button());
            parts.removeAll(QString());
            return parts.join(QStringLiteral("，"));
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override {
        QStringList names;
        if (button()->isEnabled()) names << pressAction() << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override {
        if (!button()->isEnabled()) return;
        if (name == pressAction())
            button()->click();
        else if (name == toggleAction())
            button()->setChecked(true); // a radio button is not unchecked by itself
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* choiceAccessible(const QString& key, QObject* object) {
    if (key == QLatin1String("ChoiceButton")) {
        if (auto* button = qobject_cast<ChoiceButton*>(object))
            return new ChoiceButtonAccessible(button);
    } else if (key == QLatin1String("ChoiceBar")) {
        if (auto* bar = qobject_cast<ChoiceBar*>(object))
            return new QAccessibleWidget(bar, QAccessible::Grouping);
    }
    return nullptr;
}

// Before the first query of a bar or its buttons, whichever is made first.
void installAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(choiceAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

// A button just added to a shown bar is hidden until the event loop shows it; only one
// hidden on purpose is out of the bar.
bool hiddenByHand(const QWidget* button) {
    return button->isHidden() && button->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

bool canTakeFocus(const QWidget* button) {
    return !hiddenByHand(button) && button->isEnabled();
}

} // namespace

ChoiceBar::ChoiceBar(QWidget* parent) : QWidget(parent) {
    installAccessibleFactory();
    new FlowLayout(this, 2);
}

void ChoiceBar::addButton(QAbstractButton* button) {
    layout()->addWidget(button);
    updateTabStop();
}

void ChoiceBar::clear() {
    static_cast<FlowLayout*>(layout())->clear();
}

QList<QAbstractButton*> ChoiceBar::buttons() const {
    QList<QAbstractButton*> buttons;
    for (int i = 0; i < layout()->count(); ++i) {
        if (auto* button = qobject_cast<QAbstractButton*>(layout()->itemAt(i)->widget()))
            buttons << button;
    }
    return buttons;
}

QAbstractButton* ChoiceBar::tabStop() const {
    const QList<QAbstractButton*> all = buttons();
    if (auto* focused = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        focused && all.contains(focused))
        return focused;
    // A stop Tab could not land on would take the whole bar out of the chain.
    QList<QAbstractButton*> reachable = all;
    reachable.removeIf([](const QAbstractButton* b) { return !canTakeFocus(b); });
    for (QAbstractButton* button : reachable) {
        if (button->isChecked()) return button;
    }
    return reachable.value(0, all.value(0));
}

void ChoiceBar::updateTabStop() {
    const QAbstractButton* stop = tabStop();
    for (QAbstractButton* button : buttons())
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool ChoiceBar::moveFocus(QAbstractButton* from, int key) {
    QList<QAbstractButton*> reachable = buttons();
    reachable.removeIf([from](const QAbstractButton* b) { return b != from && !canTakeFocus(b); });
    const qsizetype count = reachable.size();
    const qsizetype at = reachable.indexOf(from);
    if (at < 0) return false;
    qsizetype to = at;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        to = (at + count - 1) % count;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        to = (at + 1) % count;
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = count - 1;
        break;
    default:
        return false;
    }
    reachable[to]->setFocus(Qt::OtherFocusReason);
    return true;
}

QString ChoiceBar::positionText(const QAbstractButton* button) const {
    QList<QAbstractButton*> shown = buttons();
    shown.removeIf([button](const QAbstractButton* b) { return b != button && hiddenByHand(b); });
    const qsizetype at = shown.indexOf(button);
    if (at < 0) return {};
    return QStringLiteral("第 %1 项，共 %2 项").arg(at + 1).arg(shown.size());
}

ChoiceButton::ChoiceButton(QWidget* parent) : QToolButton(parent) {
    installAccessibleFactory();
    setCheckable(true);
    setFocusPolicy(Qt::ClickFocus); // the bar hands out its Tab stop
}

ChoiceBar* ChoiceButton::bar() const {
    return qobject_cast<ChoiceBar*>(parentWidget());
}

void ChoiceButton::keyPressEvent(QKeyEvent* event) {
    const bool plain = !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                               Qt::AltModifier | Qt::MetaModifier));
    if (plain && bar() && bar()->moveFocus(this, event->key())) {
        event->accept();
        return;
    }
    // A tool button takes only Space; Enter chooses as well, as on a push button.
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        if (!event->isAutoRepeat()) click();
        event->accept();
        return;
    }
    QToolButton::keyPressEvent(event);
}

void ChoiceButton::focusInEvent(QFocusEvent* event) {
    // QAbstractButton's handler would make this the only Tab stop of its whole button
    // group, and the family group spans two bars; the bar decides instead.
    QWidget::focusInEvent(event); // NOLINT(bugprone-parent-virtual-call)
    if (ChoiceBar* b = bar()) b->updateTabStop();
}

void ChoiceButton::focusOutEvent(QFocusEvent* event) {
    QToolButton::focusOutEvent(event);
    if (ChoiceBar* b = bar()) b->updateTabStop();
}

void ChoiceButton::checkStateSet() {
    // Called for every change of the checked state, also with signals blocked.
    QToolButton::checkStateSet();
    if (ChoiceBar* b = bar()) b->updateTabStop();
}
