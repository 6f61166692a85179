#include "orders/ui/PickList.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>

namespace rdo {

PickList::PickList(const QStringList& items, QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    addItems(items);
    setMaxVisibleItems(static_cast<int>(items.size()));  // the whole list, no scroll bar
    // The item's own text: after a typed text the current index may already be
    // the picked one, and then Qt leaves the edit field as typed.
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!leaving_) {
            emit picked(itemText(index));
        }
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, &PickList::typed);
}

void PickList::showText(const std::string& text) {
    const QString shown = QString::fromStdString(text);
    const int index = findText(shown);
    if (currentIndex() == index && currentText() == shown) {
        return;
    }
    const QSignalBlocker blocker(this);
    setCurrentIndex(index);
    setEditText(shown);
}

void PickList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void PickList::focusOutEvent(QFocusEvent* event) {
    const QScopedValueRollback guard(leaving_, true);
    QComboBox::focusOutEvent(event);
}

}  // namespace rdo
