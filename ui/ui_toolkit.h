#pragma once

// The thin layer between the handlers and Qt Widgets: elements by layout id, user ids on
// buttons, and text conversion at the Qt boundary.

#include "ui/layout_ids.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <string>

namespace ui {

void setLayoutId(QWidget* widget, LayoutId id);
int layoutIdOf(const QWidget* widget); // 0 when the widget has none

// The element of the window (or any ancestor widget) carrying the layout id.
QWidget* elementById(const QWidget* root, LayoutId id);
template <typename T> T* element(const QWidget* root, LayoutId id) {
    return qobject_cast<T*>(elementById(root, id));
}

// The catalogue key a button carries: family id, subtype id + 1000, family id + 2000.
void setUserId(QObject* object, int id);
int userId(const QObject* object);

inline QString toQt(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string fromQt(const QString& text) {
    return text.toStdString();
}

} // namespace ui

class QAbstractButton;
class QLabel;

namespace ui {
// Runs the handler once for every activation of the button: a click (mouse, Space, Enter)
// and also the accessibility "Toggle" action, which checks the button without a click.
// A programmatic setChecked must be wrapped in a QSignalBlocker to stay silent.
void onActivated(QAbstractButton* button, std::function<void()> handler);

// A text element whose accessible name is what it shows; the role word (for example
// "消息") goes into the accessible description, so a screen reader hears the content.
void makeValueLine(QLabel* label, const QString& roleWord);

// Shows a built-in image in a picture element, sharp at the label's pixel ratio; a path
// that names no image leaves the element empty.
void showPicture(QLabel* picture, const QString& path);

// Tags a widget with its layout id and, where given, its accessible name.
template <typename T> T* tagged(T* widget, LayoutId id, const QString& accessibleName = {}) {
    setLayoutId(widget, id);
    if (!accessibleName.isEmpty()) widget->setAccessibleName(accessibleName);
    return widget;
}

// A new value line (makeValueLine) with its layout id, selectable with the mouse.
QLabel* valueLine(LayoutId id, const QString& roleWord, const QString& objectName = {});

// A text with its unit symbols spelled out for a screen reader ("66.24c㎡" → "66.24 平方厘米"):
// the squared and cubed signs and "Kg" are read out wrongly or not at all.
QString spokenUnits(QString text);

// Writes the shared message line (element 21) of the window and announces it to
// assistive technology.
void showMessage(const QWidget* window, const QString& text);
} // namespace ui
