#include "browser/bar_drawing.h"

#include "resources/image_store.h"

BarDrawing::BarDrawing(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setFixedWidth(sizeHint().width());
    setMinimumHeight(minimumSizeHint().height());
    setMaximumHeight(sizeHint().height());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void BarDrawing::showDrawing(const QString& path) {
    m_path = path;
    render();
}

void BarDrawing::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (!m_path.isEmpty()) render();
}

void BarDrawing::render() {
    const qreal ratio = devicePixelRatioF();
    QPixmap picture = loadImage(m_path, QSize(), ratio);
    if (picture.isNull()) {
        clear();
        return;
    }
    const QSize room = contentsRect().size();
    QSize own = picture.deviceIndependentSize().toSize();
    if (own.width() > room.width() || own.height() > room.height()) {
        own.scale(room, Qt::KeepAspectRatio);
        picture = loadImage(m_path, own, ratio);
    }
    setPixmap(picture);
}
