#pragma once

#include <QLabel>

// The family drawing of the bar page: at its own size (260 × 200) where the column has room,
// scaled down with its proportions kept in a short window, so that the section properties
// below it keep a few lines.
class BarDrawing : public QLabel {
    Q_OBJECT
  public:
    explicit BarDrawing(QWidget* parent = nullptr);

    // A built-in image path as the catalogue names it; one without image clears the drawing.
    void showDrawing(const QString& path);

    QSize sizeHint() const override { return {260, 200}; }
    QSize minimumSizeHint() const override { return {260, 130}; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void render();

    QString m_path;
    // What the pixmap on show was drawn for: a drawing is rendered once per path, room and
    // pixel ratio, and not at all while the page is hidden.
    QString m_renderedPath;
    QSize m_renderedRoom;
    qreal m_renderedRatio = 0;
};
