#include "roster/ui/RiderNameField.h"

#include <QMouseEvent>

namespace rdo {

void RiderNameField::mouseDoubleClickEvent(QMouseEvent* event) {
    // The double-click is the field's action, not a word selection.
    if (event->button() == Qt::LeftButton) {
        emit doubleClicked();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
}

}  // namespace rdo
