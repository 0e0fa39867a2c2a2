#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

// The notice over an empty spec table: why it is empty and, where the weld calculator
// computes the shape, a button that opens that weld family. It spans the top of the table's
// viewport and follows its width.
class EmptyTableNotice : public QWidget {
    Q_OBJECT
  public:
    explicit EmptyTableNotice(QWidget* viewport);

    // An empty linkText shows the text alone; onLink runs on a click of the button.
    void showNotice(const QString& text, const QString& linkText = {},
                    std::function<void()> onLink = {});
    void hideNotice();

    QString text() const;
    QPushButton* link() const { return m_link; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fitToViewport();

    QLabel* m_text;
    QPushButton* m_link;
    std::function<void()> m_onLink;
};
