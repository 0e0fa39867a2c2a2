#include "browser/empty_table_notice.h"

#include "ui/ui_toolkit.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

EmptyTableNotice::EmptyTableNotice(QWidget* viewport)
    : QWidget(viewport), m_text(new QLabel(this)), m_link(new QPushButton(this)) {
    ui::setLayoutId(m_text, LayoutId::EmptyTableNotice);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    m_text->setStyleSheet(QStringLiteral("color: #6b7a8a; font-size: 14px;"));
    m_text->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui::setLayoutId(m_link, LayoutId::WeldFamilyLink);
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->hide();
    connect(m_link, &QPushButton::clicked, this, [this] {
        if (m_onLink) m_onLink();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 24, 16, 8);
    layout->setSpacing(10);
    layout->addWidget(m_text);
    layout->addWidget(m_link, 0, Qt::AlignHCenter);
    hide();
    viewport->installEventFilter(this);
}

void EmptyTableNotice::showNotice(const QString& text, const QString& linkText,
                                  std::function<void()> onLink) {
    m_text->setText(text);
    m_link->setText(linkText);
    m_link->setAccessibleName(linkText);
    m_link->setVisible(!linkText.isEmpty());
    m_onLink = std::move(onLink);
    show();
    fitToViewport();
}

void EmptyTableNotice::hideNotice() {
    hide();
    m_link->hide();
    m_onLink = nullptr;
}

QString EmptyTableNotice::text() const {
    return isHidden() ? QString() : m_text->text();
}

void EmptyTableNotice::fitToViewport() {
    const int width = parentWidget()->width();
    setGeometry(0, 0, width,
                layout()->heightForWidth(width) > 0 ? layout()->heightForWidth(width)
                                                    : sizeHint().height());
}

bool EmptyTableNotice::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize && !isHidden())
        fitToViewport();
    return QWidget::eventFilter(watched, event);
}
