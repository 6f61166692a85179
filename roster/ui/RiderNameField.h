// The read-only name field of a roster row, whose double-click opens the
// rider's orders.
#pragma once

#include <QLineEdit>

namespace rdo {

class RiderNameField : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  signals:
    void doubleClicked();

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace rdo
