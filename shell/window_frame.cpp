#include "shell/window_frame.h"

#include "resources/image_store.h"
#include "shell/remembered_state.h"
#include "ui/ui_toolkit.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace {

constexpr int resizeMargin = 5;

const QString closeIcon = QStringLiteral("\\Image\\关闭.png");
const QString minimiseIcon = QStringLiteral("\\Image\\最小化.png");
const QString keepOnTopOffIcon = QStringLiteral("\\Image\\置顶状态.png");
const QString keepOnTopOnIcon = QStringLiteral("\\Image\\置顶状态1.png");

QToolButton* titleButton(LayoutId id, const QString& tip, const QString& icon) {
    auto* button = ui::tagged(new QToolButton, id, tip);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setIconSize(QSize(16, 16));
    button->setFixedSize(28, 24);
    button->setIcon(loadIcon(icon, QSize(16, 16)));
    return button;
}

} // namespace

WindowFrame::WindowFrame(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("mainWindow"));
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(resizeMargin, resizeMargin, resizeMargin, resizeMargin);
    m_layout->setSpacing(0);
    m_layout->addWidget(buildTitleStrip());
    setStyleSheet(QStringLiteral("#mainWindow { background: #f4f6f9; border: 1px solid #2b3a4a; }"
                                 "#titleStrip { background: #2b3a4a; }"
                                 "#titleStrip QLabel { color: white; }"
                                 "#titleStrip QToolButton:hover { background: #3d5166; }"
                                 "#titleStrip QToolButton:checked { background: #4a6480; }"));

    m_opacity->setRange(0, 155);
    m_opacity->setValue(100); // no opacity change until the user moves it
    connect(m_opacity, &QSlider::valueChanged, this, [this](int position) {
        m_opacityChosen = true;
        showOpacity(position);
    });
    m_keepOnTop->setCheckable(true);
    connect(m_keepOnTop, &QToolButton::clicked, this, &WindowFrame::onKeepOnTopClick);
    connect(m_close, &QToolButton::clicked, this, &QWidget::close);
    connect(m_minimise, &QToolButton::clicked, this, &QWidget::showMinimized);
}

void WindowFrame::addBody(QWidget* body, int stretch) {
    m_layout->addWidget(body, stretch);
}

QList<QWidget*> WindowFrame::tabChain() const {
    return {m_opacity, m_keepOnTop, m_minimise, m_close};
}

QWidget* WindowFrame::buildTitleStrip() {
    auto* strip = new QFrame;
    strip->setObjectName(QStringLiteral("titleStrip"));
    strip->setFixedHeight(32);
    strip->installEventFilter(this);
    m_titleStrip = strip;
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(8, 2, 4, 2);
    layout->setSpacing(4);

    auto* icon = new QLabel;
    icon->setPixmap(
        loadImage(QStringLiteral("/Image/app.png"), QSize(20, 20), devicePixelRatioF()));
    icon->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(icon);
    auto* name = new QLabel(QStringLiteral("钢材规格手册 · 型钢规格查询与焊接型钢重量计算"));
    name->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(name);
    layout->addStretch(1);

    auto* opacityLabel = new QLabel(QStringLiteral("透明度"));
    layout->addWidget(opacityLabel);
    m_opacity = ui::tagged(new QSlider(Qt::Horizontal), LayoutId::TransparencySlider,
                           QStringLiteral("窗口透明度"));
    m_opacity->setFixedWidth(110);
    m_opacity->setToolTip(QStringLiteral("拖动调整窗口透明度"));
    opacityLabel->setBuddy(m_opacity);
    layout->addWidget(m_opacity);
    layout->addSpacing(8);
    m_keepOnTop =
        titleButton(LayoutId::KeepOnTopButton, QStringLiteral("窗口置顶"), keepOnTopOffIcon);
    m_minimise = titleButton(LayoutId::MinimiseButton, QStringLiteral("最小化"), minimiseIcon);
    m_close = titleButton(LayoutId::CloseButton, QStringLiteral("关闭"), closeIcon);
    layout->addWidget(m_keepOnTop);
    layout->addWidget(m_minimise);
    layout->addWidget(m_close);
    return strip;
}

void WindowFrame::onKeepOnTopClick() {
    const bool on = m_keepOnTop->isChecked();
    m_keepOnTop->setIcon(loadIcon(on ? keepOnTopOnIcon : keepOnTopOffIcon, QSize(16, 16)));
    m_keepOnTop->setToolTip(on ? QStringLiteral("取消置顶") : QStringLiteral("窗口置顶"));
    setKeepOnTop(on);
}

void WindowFrame::setKeepOnTop(bool on) {
    const bool visible = isVisible();
    const QRect placed = geometry();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    // Changing a window flag hides the window; bring it back where it was.
    if (visible) {
        setGeometry(placed);
        show();
    }
    if (on) {
        raise();
        activateWindow();
    }
}

void WindowFrame::showOpacity(int position) {
    setWindowOpacity((position + 100) / 255.0);
}

void WindowFrame::restoreFrameState(const RememberedState& state) {
    if (state.opacityPosition) {
        m_opacity->setValue(*state.opacityPosition);
        showOpacity(*state.opacityPosition); // also when it stays at 100
        m_opacityChosen = true;
    }
    if (state.keepOnTop) {
        m_keepOnTop->setChecked(true);
        onKeepOnTopClick();
    }
    if (state.geometry) {
        QList<QRect> screens;
        for (const QScreen* screen : QGuiApplication::screens())
            screens << screen->availableGeometry();
        if (const auto placed = placeRememberedWindow(*state.geometry, minimumSize(), screens)) {
            setGeometry(*placed);
            if (state.maximized) setWindowState(windowState() | Qt::WindowMaximized);
        }
    }
}

void WindowFrame::saveFrameState(RememberedState& state) const {
    const bool normal =
        !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    state.geometry = normal ? geometry() : normalGeometry();
    if (state.geometry->isEmpty()) state.geometry.reset();
    state.maximized = windowState() & Qt::WindowMaximized;
    if (m_opacityChosen) state.opacityPosition = m_opacity->value();
    state.keepOnTop = m_keepOnTop->isChecked();
}

Qt::Edges WindowFrame::edgesAt(const QPoint& pos) const {
    Qt::Edges edges;
    if (pos.x() < resizeMargin) edges |= Qt::LeftEdge;
    if (pos.x() >= width() - resizeMargin) edges |= Qt::RightEdge;
    if (pos.y() < resizeMargin) edges |= Qt::TopEdge;
    if (pos.y() >= height() - resizeMargin) edges |= Qt::BottomEdge;
    return edges;
}
void WindowFrame::mousePressEvent(QMouseEvent* event) {
    const Qt::Edges edges = edgesAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && edges && windowHandle())
        windowHandle()->startSystemResize(edges);
    QWidget::mousePressEvent(event);
}

void WindowFrame::mouseMoveEvent(QMouseEvent* event) {
    const Qt::Edges edges = edgesAt(event->position().toPoint());
    if ((edges & Qt::LeftEdge && edges & Qt::TopEdge) ||
        (edges & Qt::RightEdge && edges & Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if ((edges & Qt::RightEdge && edges & Qt::TopEdge) ||
             (edges & Qt::LeftEdge && edges & Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (edges & (Qt::TopEdge | Qt::BottomEdge))
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event) {
    // Dragging the title strip moves the window; the window manager does it where it can.
    // Presses elsewhere, in the table for one, are left to their widgets.
    if (watched != m_titleStrip) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (windowHandle() && windowHandle()->startSystemMove()) return true;
            m_dragging = true;
            m_dragOffset = mouse->globalPosition().toPoint() - frameGeometry().topLeft();
            return true;
        }
    } else if (event->type() == QEvent::MouseMove && m_dragging) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        move(mouse->globalPosition().toPoint() - m_dragOffset);
        return true;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        m_dragging = false;
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        isMaximized() ? showNormal() : showMaximized();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
