#pragma once

#include <QAbstractButton>
#include <QColor>

namespace tarvix {

// A small text-less button that only shows a colour: the state of the input beside it. It shows
// its colour also while disabled, as an indicator must.
class MarkerButton : public QAbstractButton {
  public:
    explicit MarkerButton(QWidget* parent);

    void SetColours(const QColor& text, const QColor& background);

    QSize sizeHint() const override { return {20, 12}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    bool marks_focus_ = false;
    QColor text_ = Qt::red;
    QColor background_ = Qt::lightGray;
};

}  // namespace tarvix
