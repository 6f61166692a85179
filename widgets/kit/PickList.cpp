#include "widgets/kit/PickList.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QSignalBlocker>

namespace rdo {
namespace {

// Qt's own combo box tells screen readers its text as its name, on Linux: « 2 »
// where « Nb de Secteurs » is meant. This one says its name, then its text.
class PickListAccessible : public QAccessibleWidget {
  public:
    explicit PickListAccessible(PickList* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? list()->currentText() : QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = list()->isEditable();
        return state;
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            list()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    PickList* list() const { return static_cast<PickList*>(widget()); }
};

QAccessibleInterface* pickListAccessible(const QString& className, QObject* object) {
    auto* list = qobject_cast<PickList*>(object);
    return list && className == QLatin1String(PickList::staticMetaObject.className())
               ? new PickListAccessible(list)
               : nullptr;
}

}  // namespace

PickList::PickList(const QStringList& items, QWidget* parent) : QComboBox(parent) {
    // Once, before a screen reader can ask for any list.
    [[maybe_unused]] static const bool named =
        (QAccessible::installFactory(pickListAccessible), true);
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
