// A drop-down list with an edit field: the user either picks an item of the
// list or types any text, and the two are told apart.
#pragma once

#include <QComboBox>
#include <QStringList>
#include <string>

namespace rdo {

class PickList : public QComboBox {
    Q_OBJECT
  public:
    PickList(const QStringList& items, QWidget* parent);

    /// Shows `text` without emitting anything; an item of the same text
    /// becomes the current one, so the list opens on it.
    void showText(const std::string& text);

  signals:
    /// An item was picked from the list, by mouse, arrow keys or wheel.
    void picked(const QString& item);
    /// The user typed in the edit field.
    void typed(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // Qt turns a typed text that matches an item into an activation when the
    // edit field is left or Enter is pressed; neither is a pick.
    bool leaving_ = false;
};

}  // namespace rdo
