// A drop-down list with an edit field whose click fires only when the user
// picks an item of the list, never when the user types.
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
};

}  // namespace rdo
