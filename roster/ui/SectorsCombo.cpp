#include "roster/ui/SectorsCombo.h"

#include <QLineEdit>

namespace rdo {

SectorsCombo::SectorsCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // Typed text is neither added to the list nor completed ("1" stays "1").
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // QComboBox turns a typed text that matches an item into a pick when the
    // edit field finishes (Enter, or the focus leaving it); a typed text is
    // never a pick here.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(this, &QComboBox::activated, this, [this](int index) { emit picked(itemText(index)); });
    connect(lineEdit(), &QLineEdit::textEdited, this, &SectorsCombo::typed);
}

}  // namespace rdo
