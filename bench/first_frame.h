#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

// Ends the application once a top-level widget has painted its first frame after being
// exposed: the whole-process start-up figure of the benchmarks stops there.
class FirstFrameQuit : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_done && event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->isWindow()) {
                m_done = true;
                // After this paint returns the frame is flushed to the window.
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            }
        }
        return false;
    }

  private:
    bool m_done = false;
};

inline void quitAfterFirstFrame(QCoreApplication& app) {
    app.installEventFilter(new FirstFrameQuit(&app));
}
