// The read-only name field of a roster row: a double-click, or Enter for a
// keyboard user, opens the rider's orders.
#pragma once

#include <QLineEdit>

namespace rdo {

class RiderNameField : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  signals:
    void ordersRequested();

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace rdo
