#pragma once

// The thin layer between the handlers and Qt Widgets: elements by layout id, user ids on
// buttons, and text conversion at the Qt boundary.

#include "ui/layout_ids.h"

#include <QString>
#include <QWidget>
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

class QLabel;

namespace ui {
// Shows a built-in image in a picture element, sharp at the label's pixel ratio; a path
// that names no image leaves the element empty.
void showPicture(QLabel* picture, const QString& path);

// Writes the shared message line (element 21) of the window.
void showMessage(const QWidget* window, const QString& text);
} // namespace ui
