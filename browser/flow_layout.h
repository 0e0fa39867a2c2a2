#pragma once

#include <QLayout>
#include <QList>

// Lays its items out left to right and wraps to a new line where the width runs out, so
// every family and standard button stays reachable at the window's minimum width.
class FlowLayout : public QLayout {
  public:
    explicit FlowLayout(QWidget* parent = nullptr, int spacing = 4);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(m_items.size()); }
    QLayoutItem* itemAt(int index) const override { return m_items.value(index); }
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return arrange(QRect(0, 0, width, 0), false); }
    QSize minimumSize() const override;
    QSize sizeHint() const override { return minimumSize(); }
    void setGeometry(const QRect& rect) override;

    // Removes and deletes every item and its widget.
    void clear();

  private:
    int arrange(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> m_items;
};
