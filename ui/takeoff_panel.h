#pragma once

#include "takeoff/takeoff.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// The take-off of one piece: length (and width for sheets), count and an optional price
// per tonne, and the totals, recalculated as the user types. The page on show hands it the
// piece; the panel knows nothing of tables or formulas.
class TakeOffPanel : public QWidget {
    Q_OBJECT
  public:
    // The panel's parts; the panel is one element of the window, its parts are found here.
    enum class Part {
        LengthField,
        WidthField,
        CountField,
        PriceField,
        WeightLine,  // 总重 … kg
        TonneLine,   // 总重 … t
        SurfaceLine, // 总表面积 … m²
        CostLine,    // 总价 … 元
        CopyButton,
        NoteLine, // why there is no take-off
    };

    explicit TakeOffPanel(QWidget* parent = nullptr);

    QWidget* part(Part part) const;
    template <typename T> T* partAs(Part p) const { return qobject_cast<T*>(part(p)); }

    // The piece to count, and what the copied line calls it.
    void setPiece(const TakeOffBasis& basis, const QString& standard, const QString& designation);
    // No piece to count: the note says why. Fields stay open to typing only when a piece
    // may follow (no row selected yet), not when the piece has no weight.
    void clearPiece(const QString& note, bool fieldsOpen);

    const TakeOffTotals& totals() const { return m_computed; }
    // The one line of the take-off onto the clipboard, confirmed in the message line.
    void copyLine();
    // The fields in Tab order.
    QList<QWidget*> tabChain() const;

    // The length and count kept between runs, written with a point; what a field cannot
    // read is left empty, so a typing slip is not carried into the next run.
    struct Kept {
        std::string length;
        std::string count;
    };
    Kept kept() const;
    // Fills the length and count from what was kept, in the user's own number form.
    void restoreKept(const Kept& kept);
    // Hands over the totals, with the note that stands in for them, to be placed apart from
    // the fields (beside other results, where a page has no room below), one under another
    // for Qt::Vertical. The panel keeps its fields and goes on updating the totals.
    QWidget* takeTotals(Qt::Orientation orientation);

  private:
    void recalculate();
    void arrangeFields();
    TakeOffInput input() const;

    QLineEdit* m_length;
    QLineEdit* m_width;
    QLineEdit* m_count;
    QLineEdit* m_price;
    QLabel* m_lengthCaption;
    QLabel* m_widthCaption;
    QLabel* m_countCaption;
    QLabel* m_weight;
    QLabel* m_tonnes;
    QLabel* m_surface;
    QLabel* m_cost;
    QLabel* m_note;
    QWidget* m_results;
    QWidget* m_totals; // holds m_results and m_note
    QPushButton* m_copy;
    TakeOffBasis m_basis;
    QString m_standard, m_designation;
    TakeOffTotals m_computed;
    QString m_shownMessage; // the refusal this panel last put on the message line
};
