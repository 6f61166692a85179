#include "widgets/kit/PickList.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace rdo {

PickList::PickList(const QStringList& items, QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // Typed text is neither added to the list nor completed ("1" stays "1").
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    addItems(items);
    if (items.size() > maxVisibleItems()) {
        setMaxVisibleItems(static_cast<int>(items.size()));  // the whole list, no scroll bar
    }
    // QComboBox turns a typed text that matches an item into an activation when
    // the edit field finishes (Enter, or the focus leaving it): not a pick.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    // The item's own text: after a typed text the current index may already be
    // the picked one, and then Qt leaves the edit field as typed.
    connect(this, &QComboBox::activated, this, [this](int index) { emit picked(itemText(index)); });
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

}  // namespace rdo
