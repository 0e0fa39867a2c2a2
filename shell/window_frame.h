#pragma once

#include <QWidget>

class QSlider;
class QToolButton;
class QVBoxLayout;
struct RememberedState;

// The frameless window around the handbook: its own title strip (dragged to move the
// window, double-clicked to maximise), edges that resize it, the opacity slider, keep-on-top,
// minimise and close. What the window shows goes below the strip through addBody.
class WindowFrame : public QWidget {
    Q_OBJECT
  public:
    explicit WindowFrame(QWidget* parent = nullptr);

    void addBody(QWidget* body, int stretch = 0);
    // The title strip's stops in Tab order.
    QList<QWidget*> tabChain() const;

    // Opacity, keep-on-top and where the window stood, as the last run kept them.
    void restoreFrameState(const RememberedState& state);
    void saveFrameState(RememberedState& state) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QWidget* buildTitleStrip();
    void onKeepOnTopClick();
    // Puts the window in or out of the always-on-top band; turning it on also raises it.
    void setKeepOnTop(bool on);
    // Slider position 0..155 -> opacity (position + 100) / 255, so never fully transparent.
    void showOpacity(int position);
    Qt::Edges edgesAt(const QPoint& pos) const;

    QVBoxLayout* m_layout;
    QWidget* m_titleStrip = nullptr;
    QSlider* m_opacity = nullptr;
    QToolButton* m_keepOnTop = nullptr;
    QToolButton* m_minimise = nullptr;
    QToolButton* m_close = nullptr;
    QPoint m_dragOffset;
    bool m_dragging = false;
    bool m_opacityChosen = false; // the slider was moved, or a position was restored
};
