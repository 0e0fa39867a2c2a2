#include "shell/window_controls.h"

#include "resources/image_store.h"
#include "ui/ui_toolkit.h"

#include <QAbstractButton>
#include <QWidget>

namespace {
const QString closeIcon = QStringLiteral("\\Image\\关闭.png");
const QString minimiseIcon = QStringLiteral("\\Image\\最小化.png");
const QString keepOnTopOffIcon = QStringLiteral("\\Image\\置顶状态.png");
const QString keepOnTopOnIcon = QStringLiteral("\\Image\\置顶状态1.png");
} // namespace

void initWindowButtons(QWidget* window) {
    const QSize size(16, 16);
    if (auto* close = ui::element<QAbstractButton>(window, LayoutId::CloseButton))
        close->setIcon(loadIcon(closeIcon, size));
    if (auto* minimise = ui::element<QAbstractButton>(window, LayoutId::MinimiseButton))
        minimise->setIcon(loadIcon(minimiseIcon, size));
    if (auto* keep = ui::element<QAbstractButton>(window, LayoutId::KeepOnTopButton)) {
        keep->setCheckable(true);
        keep->setIcon(loadIcon(keepOnTopOffIcon, size));
        QObject::connect(keep, &QAbstractButton::clicked, keep,
                         [window, keep] { onKeepOnTopClick(window, keep); });
    }
}

void onKeepOnTopClick(QWidget* window, QAbstractButton* button) {
    const bool on = button->isChecked();
    button->setIcon(loadIcon(on ? keepOnTopOnIcon : keepOnTopOffIcon, QSize(16, 16)));
    button->setToolTip(on ? QStringLiteral("取消置顶") : QStringLiteral("窗口置顶"));
    setKeepOnTop(window, on);
}

void setKeepOnTop(QWidget* window, bool on) {
    const bool visible = window->isVisible();
    const QRect geometry = window->geometry();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    // Changing a window flag hides the window; bring it back where it was.
    if (visible) {
        window->setGeometry(geometry);
        window->show();
    }
    if (on) {
        window->raise();
        window->activateWindow();
    }
}

void onTransparencyChange(QWidget* window, int position) {
    window->setWindowOpacity((position + 100) / 255.0);
}
