#include "widgets/guide/RiderNameField.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace rdo {

void RiderNameField::mouseDoubleClickEvent(QMouseEvent* event) {
    // The double-click is the field's action, not a word selection.
    if (event->button() == Qt::LeftButton) {
        emit ordersRequested();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
}

void RiderNameField::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        emit ordersRequested();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace rdo
