#pragma once

#include <QList>
#include <QToolButton>
#include <QWidget>

class QAbstractButton;

// A bar of exclusive choices (families or standards) that is one Tab stop: the arrow keys
// move between its buttons, Home and End go to the ends, Space and Enter choose. A screen
// reader meets a named group of radio buttons, each with its place in the bar.
//
// Arrows only move the focus and choose nothing: choosing a family rebuilds a page, which
// should not happen for every family passed on the way to the wanted one.
class ChoiceBar : public QWidget {
    Q_OBJECT
  public:
    explicit ChoiceBar(QWidget* parent = nullptr);

    void addButton(QAbstractButton* button);
    // Removes and deletes every button.
    void clear();
    // The buttons in display order.
    QList<QAbstractButton*> buttons() const;
    // The button Tab stops at: the focused one while the focus is in the bar, else the
    // checked one, else the first; hidden and disabled ones are passed over.
    QAbstractButton* tabStop() const;
    // Gives the Tab stop to tabStop() alone; the others keep the focus a click gives.
    void updateTabStop();
    // Moves the focus from the button for an arrow, Home or End key (wrapping at the ends,
    // as in a radio group); false for any other key.
    bool moveFocus(QAbstractButton* from, int key);
    // "第 2 项，共 20 项" for the button's place in the bar; empty for a button of no bar.
    QString positionText(const QAbstractButton* button) const;
};

// A checkable button of a ChoiceBar.
class ChoiceButton : public QToolButton {
    Q_OBJECT
  public:
    explicit ChoiceButton(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void checkStateSet() override;

  private:
    ChoiceBar* bar() const;
};
