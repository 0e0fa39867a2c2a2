#include "ui/ui_toolkit.h"

#include <QHash>
#include <QPointer>
#include <QVariant>

namespace {
constexpr const char* layoutIdProperty = "layoutId";
constexpr const char* userIdProperty = "userId";

// Every widget that was given a layout id, by id: a lookup walks a few entries instead of the
// whole tree under the window (a thousand widgets, asked a hundred times while starting).
QHash<int, QList<QPointer<QWidget>>>& registry() {
    static QHash<int, QList<QPointer<QWidget>>> widgets;
    return widgets;
}

bool isWithin(const QWidget* widget, const QWidget* root) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w == root) return true;
    }
    return false;
}
} // namespace

namespace ui {

void setLayoutId(QWidget* widget, LayoutId id) {
    widget->setProperty(layoutIdProperty, static_cast<int>(id));
    registry()[static_cast<int>(id)].append(widget);
}

int layoutIdOf(const QWidget* widget) {
    return widget ? widget->property(layoutIdProperty).toInt() : 0;
}

QWidget* elementById(const QWidget* root, LayoutId id) {
    if (!root) return nullptr;
    if (layoutIdOf(root) == static_cast<int>(id)) return const_cast<QWidget*>(root);
    auto found = registry().find(static_cast<int>(id));
    if (found == registry().end()) return nullptr;
    QList<QPointer<QWidget>>& widgets = found.value();
    widgets.removeIf([](const QPointer<QWidget>& w) { return w.isNull(); });
    // The oldest first, as a walk of the tree in creation order would meet them.
    for (const QPointer<QWidget>& w : widgets) {
        if (layoutIdOf(w) == static_cast<int>(id) && isWithin(w, root)) return w;
    }
    return nullptr;
}

void setUserId(QObject* object, int id) {
    object->setProperty(userIdProperty, id);
}

int userId(const QObject* object) {
    return object ? object->property(userIdProperty).toInt() : 0;
}

} // namespace ui

#include "resources/image_store.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QTimer>

namespace ui {
void onActivated(QAbstractButton* button, std::function<void()> handler) {
    // A click emits toggled before clicked; the flag keeps that from running the handler
    // twice. It is cleared on the next turn of the event loop, so a toggle without a click
    // (the accessibility action) cannot swallow a later click.
    auto handledByToggle = std::make_shared<bool>(false);
    QObject::connect(button, &QAbstractButton::toggled, button,
                     [button, handler, handledByToggle](bool checked) {
                         if (!checked) return;
                         *handledByToggle = true;
                         QTimer::singleShot(0, button,
                                            [handledByToggle] { *handledByToggle = false; });
                         handler();
                     });
    QObject::connect(button, &QAbstractButton::clicked, button, [handler, handledByToggle] {
        if (*handledByToggle) {
            *handledByToggle = false;
            return;
        }
        handler();
    });
}

void makeValueLine(QLabel* label, const QString& roleWord) {
    label->setAccessibleName(QString());
    label->setAccessibleDescription(roleWord);
}

QLabel* valueLine(LayoutId id, const QString& roleWord, const QString& objectName) {
    auto* label = new QLabel;
    setLayoutId(label, id);
    makeValueLine(label, roleWord);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (!objectName.isEmpty()) label->setObjectName(objectName);
    return label;
}

QString spokenUnits(QString text) {
    // Longest first, so that "c㎡" is not read as "c" and "㎡".
    static const std::pair<const char16_t*, const char16_t*> spoken[] = {
        {u"Kg/m", u" 千克每米"},    {u"Kg/个", u" 千克每个"}, {u"㎡/m", u" 平方米每米"},
        {u"㎡/个", u" 平方米每个"}, {u"c㎡", u" 平方厘米"},   {u"cm²", u"平方厘米"},
        {u"cm³", u"立方厘米"},      {u"cm⁴", u"厘米四次方"},  {u"cm⁶", u"厘米六次方"},
        {u"m²", u"平方米"},         {u"㎡", u" 平方米"},      {u"kg/m³", u"千克每立方米"},
    };
    for (const auto& [symbol, words] : spoken)
        text.replace(QString::fromUtf16(symbol), QString::fromUtf16(words));
    return text.simplified();
}

void showPicture(QLabel* picture, const QString& path) {
    const QPixmap pixmap = loadImage(path, QSize(), picture->devicePixelRatioF());
    if (pixmap.isNull())
        picture->clear();
    else
        picture->setPixmap(pixmap);
}

void showMessage(const QWidget* window, const QString& text) {
    auto* line = element<QLabel>(window, LayoutId::MessageLine);
    if (!line) return;
    line->setText(text);
    // The label already reports its new name; the alert asks a screen reader to speak it
    // even though the focus is elsewhere, and is sent again when the same text repeats.
    QAccessibleEvent alert(line, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
} // namespace ui
