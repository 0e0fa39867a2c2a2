#include "ui/takeoff_panel.h"

#include "ui/ui_toolkit.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLineEdit* numberField(const QString& name, int width) {
    auto* field = new QLineEdit;
    field->setAccessibleName(name);
    field->setFixedWidth(width);
    field->setMaxLength(24);
    return field;
}

QLabel* resultLine(const QString& roleWord) {
    auto* line = new QLabel;
    ui::makeValueLine(line, roleWord);
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long total is cut rather than widening the window past its minimum size; the tip
    // shows it whole.
    line->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    line->setStyleSheet(QStringLiteral("color: #0b5394; font-weight: bold;"));
    return line;
}

} // namespace

TakeOffPanel::TakeOffPanel(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("用量计算"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);

    auto* fields = new QHBoxLayout;
    fields->setSpacing(10);
    // Caption and field as one piece, so that a field a piece does not ask for leaves no gap.
    auto caption = [fields](const QString& text, QLineEdit* buddy) {
        auto* pair = new QWidget;
        auto* row = new QHBoxLayout(pair);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(4);
        auto* label = new QLabel(text);
        label->setBuddy(buddy);
        row->addWidget(label);
        row->addWidget(buddy);
        fields->addWidget(pair);
        return label;
    };
    m_length = numberField(QStringLiteral("长度(m)"), 56);
    m_width = numberField(QStringLiteral("宽度(m)"), 56);
    m_count = numberField(QStringLiteral("数量"), 48);
    m_price = numberField(QStringLiteral("单价(元/吨)"), 64);
    m_price->setPlaceholderText(QStringLiteral("可不填"));
    m_lengthCaption = caption(QStringLiteral("长度(m)"), m_length);
    m_widthCaption = caption(QStringLiteral("宽度(m)"), m_width);
    m_countCaption = caption(QStringLiteral("数量"), m_count);
    caption(QStringLiteral("单价(元/吨)"), m_price);
    m_copy = new QPushButton(QStringLiteral("复制用量"));
    m_copy->setAccessibleName(QStringLiteral("复制用量"));
    m_copy->setToolTip(QStringLiteral("复制标准、规格、长度、数量和合计到剪贴板"));
    fields->addWidget(m_copy);
    fields->addStretch(1);
    layout->addLayout(fields);

    m_totals = new QWidget;
    auto* totals = new QVBoxLayout(m_totals);
    totals->setContentsMargins(0, 0, 0, 0);
    totals->setSpacing(0);
    m_results = new QWidget;
    auto* results = new QBoxLayout(QBoxLayout::LeftToRight, m_results);
    results->setContentsMargins(0, 0, 0, 0);
    results->setSpacing(12);
    m_weight = resultLine(QStringLiteral("总重(kg)"));
    m_tonnes = resultLine(QStringLiteral("总重(t)"));
    m_surface = resultLine(QStringLiteral("总表面积(m²)"));
    m_cost = resultLine(QStringLiteral("总价(元)"));
    for (QLabel* line : {m_weight, m_tonnes, m_surface, m_cost})
        results->addWidget(line, 1);
    totals->addWidget(m_results);
    m_note = new QLabel;
    ui::makeValueLine(m_note, QStringLiteral("用量说明"));
    m_note->setStyleSheet(QStringLiteral("color: #4c5b6b;"));
    m_note->setWordWrap(true);
    totals->addWidget(m_note);
    layout->addWidget(m_totals);

    for (QLineEdit* field : {m_length, m_width, m_count, m_price})
        connect(field, &QLineEdit::textChanged, this, &TakeOffPanel::recalculate);
    connect(m_copy, &QPushButton::clicked, this, &TakeOffPanel::copyLine);
    clearPiece(QString(), true);
}

QWidget* TakeOffPanel::part(Part part) const {
    switch (part) {
    case Part::LengthField:
        return m_length;
    case Part::WidthField:
        return m_width;
    case Part::CountField:
        return m_count;
    case Part::PriceField:
        return m_price;
    case Part::WeightLine:
        return m_weight;
    case Part::TonneLine:
        return m_tonnes;
    case Part::SurfaceLine:
        return m_surface;
    case Part::CostLine:
        return m_cost;
    case Part::CopyButton:
        return m_copy;
    case Part::NoteLine:
        return m_note;
    }
    return nullptr;
}

QWidget* TakeOffPanel::takeTotals(Qt::Orientation orientation) {
    layout()->removeWidget(m_totals);
    m_totals->setParent(nullptr);
    if (orientation == Qt::Vertical) {
        auto* results = static_cast<QBoxLayout*>(m_results->layout());
        results->setDirection(QBoxLayout::TopToBottom);
        results->setSpacing(2);
    }
    return m_totals;
}

TakeOffPanel::Kept TakeOffPanel::kept() const {
    Kept kept;
    const TakeOffNumber length = readTakeOffNumber(m_length->text(), locale(), false);
    if (length.state == TakeOffNumber::Valid)
        kept.length = QString::number(length.value, 'g', 15).toStdString();
    const TakeOffNumber count = readTakeOffNumber(m_count->text(), locale(), true);
    if (count.state == TakeOffNumber::Valid)
        kept.count = QString::number(count.value, 'f', 0).toStdString();
    return kept;
}

void TakeOffPanel::restoreKept(const Kept& kept) {
    QLocale shown;
    shown.setNumberOptions(QLocale::OmitGroupSeparator);
    if (!kept.length.empty())
        m_length->setText(shown.toString(QString::fromStdString(kept.length).toDouble(), 'g', 15));
    if (!kept.count.empty()) m_count->setText(QString::fromStdString(kept.count));
}

QList<QWidget*> TakeOffPanel::tabChain() const {
    return {m_length, m_width, m_count, m_price, m_copy};
}

void TakeOffPanel::setPiece(const TakeOffBasis& basis, const QString& standard,
                            const QString& designation) {
    m_basis = basis;
    m_standard = standard;
    m_designation = designation;
    m_note->clear();
    arrangeFields();
    for (QWidget* w : tabChain())
        w->setEnabled(basis.basis != WeightBasis::None);
    recalculate();
}

void TakeOffPanel::clearPiece(const QString& note, bool fieldsOpen) {
    m_basis = {};
    m_standard.clear();
    m_designation.clear();
    m_note->setText(note);
    arrangeFields();
    for (QWidget* w : tabChain())
        w->setEnabled(fieldsOpen);
    m_copy->setEnabled(false);
    recalculate();
}

void TakeOffPanel::arrangeFields() {
    // With no piece yet the fields of a bar stand ready; a sheet adds the width, a bolt set
    // or a ball needs only its count.
    const WeightBasis basis = m_basis.basis;
    const bool length = basis == WeightBasis::None || asksLength(basis);
    m_lengthCaption->parentWidget()->setVisible(length);
    m_widthCaption->parentWidget()->setVisible(asksWidth(basis));
    const QString count =
        basis == WeightBasis::PerThousandSets ? QStringLiteral("套数") : QStringLiteral("数量");
    m_countCaption->setText(count);
    m_count->setAccessibleName(count);
    m_surface->setVisible(m_basis.surface.has_value());
    m_results->setVisible(m_note->text().isEmpty());
    m_note->setVisible(!m_note->text().isEmpty());
}

TakeOffInput TakeOffPanel::input() const {
    return {m_length->text(), m_width->text(), m_count->text(), m_price->text()};
}

void TakeOffPanel::recalculate() {
    m_computed = computeTakeOff(m_basis, input(), locale());
    const std::pair<QLabel*, QString> lines[] = {
        {m_weight, QStringLiteral("总重 %1 kg").arg(kilogramText(m_computed.kilograms))},
        {m_tonnes, QStringLiteral("总重 %1 t").arg(tonneText(m_computed.kilograms))},
        {m_surface, QStringLiteral("总表面积 %1 m²").arg(surfaceText(m_computed.surface))},
        {m_cost, QStringLiteral("总价 %1 元").arg(costText(m_computed.cost))},
    };
    for (const auto& [line, text] : lines) {
        line->setText(text);
        line->setToolTip(text);
    }
    // A refusal goes to the message line; once the fields read again it is taken back,
    // unless something else has spoken since.
    auto* messageLine = ui::element<QLabel>(window(), LayoutId::MessageLine);
    if (!m_computed.message.isEmpty()) {
        ui::showMessage(window(), m_computed.message);
        m_shownMessage = m_computed.message;
    } else if (!m_shownMessage.isEmpty()) {
        if (messageLine && messageLine->text() == m_shownMessage) ui::showMessage(window(), {});
        m_shownMessage.clear();
    }
}

void TakeOffPanel::copyLine() {
    if (!m_computed.kilograms) {
        ui::showMessage(window(), m_basis.basis == WeightBasis::None
                                      ? QStringLiteral("没有可以计算用量的规格。")
                                      : QStringLiteral("请先填写用量计算所需的数值。"));
        return;
    }
    const QString line = takeOffLine(m_standard, m_designation, m_basis, input(), m_computed);
    QGuiApplication::clipboard()->setText(line);
    ui::showMessage(window(), QStringLiteral("已复制到剪贴板：") + line);
}
