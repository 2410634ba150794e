#pragma once

#include <QAbstractButton>
#include <QColor>

namespace tarvix {

// A push button drawn by the program: a raised frame with its face filled in the face colour and
// the text centred on one line. Pressed, the frame sinks and face and text move one pixel right
// and down; with the keyboard focus a one-pixel black frame surrounds it; disabled, the text is
// grey.
class SelfDrawnButton : public QAbstractButton {
  public:
    explicit SelfDrawnButton(QWidget* parent);

    void SetColours(const QColor& text, const QColor& face);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor text_ = Qt::black;
    QColor face_ = Qt::lightGray;
};

}  // namespace tarvix
