#include "ui/ui_toolkit.h"

#include <QVariant>

namespace {
constexpr const char* layoutIdProperty = "layoutId";
constexpr const char* userIdProperty = "userId";
} // namespace

namespace ui {

void setLayoutId(QWidget* widget, LayoutId id) {
    widget->setProperty(layoutIdProperty, static_cast<int>(id));
}

int layoutIdOf(const QWidget* widget) {
    return widget ? widget->property(layoutIdProperty).toInt() : 0;
}

QWidget* elementById(const QWidget* root, LayoutId id) {
    if (!root) return nullptr;
    if (layoutIdOf(root) == static_cast<int>(id)) return const_cast<QWidget*>(root);
    const QList<QWidget*> children = root->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (layoutIdOf(child) == static_cast<int>(id)) return child;
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

#include <QLabel>

namespace ui {
void showPicture(QLabel* picture, const QString& path) {
    const QPixmap pixmap = loadImage(path, QSize(), picture->devicePixelRatioF());
    if (pixmap.isNull())
        picture->clear();
    else
        picture->setPixmap(pixmap);
}

void showMessage(const QWidget* window, const QString& text) {
    if (auto* line = element<QLabel>(window, LayoutId::MessageLine)) line->setText(text);
}
} // namespace ui
