#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <unistd.h>

// Ends the process once a top-level widget has painted its first frame after being
// exposed: the whole-process start-up figure of the benchmarks stops there. It prints the
// moment (steady clock, nanoseconds, the clock bench/compare_startup.py reads before it
// starts the process) and the window's size, and leaves at once, so the exit path
// (settings write, teardown) is not counted in wall time, peak memory or instructions.
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
                QTimer::singleShot(0, qApp, [size = widget->size()] {
                    const auto now = std::chrono::steady_clock::now().time_since_epoch();
                    std::printf(
                        "first-frame %lld %dx%d\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                        size.width(), size.height());
                    std::fflush(stdout);
                    _exit(0);
                });
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
