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
    render();
}

void BarDrawing::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    render();
}

void BarDrawing::render() {
    if (!isVisible()) return;
    const qreal ratio = devicePixelRatioF();
    const QSize room = contentsRect().size();
    if (m_path == m_renderedPath && room == m_renderedRoom && ratio == m_renderedRatio) return;
    m_renderedPath = m_path;
    m_renderedRoom = room;
    m_renderedRatio = ratio;
    QSize own = m_path.isEmpty() ? QSize() : imageNaturalSize(m_path);
    if (own.isEmpty()) {
        clear();
        return;
    }
    if (own.width() > room.width() || own.height() > room.height())
        own.scale(room, Qt::KeepAspectRatio);
    const QPixmap picture = loadImage(m_path, own, ratio);
    if (picture.isNull())
        clear();
    else
        setPixmap(picture);
}
