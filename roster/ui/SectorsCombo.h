// The number of sectors: a list with an edit field, in which only a pick from
// the list counts as a choice; what the user types stays as typed.
#pragma once

#include <QComboBox>

namespace rdo {

class SectorsCombo : public QComboBox {
    Q_OBJECT
  public:
    explicit SectorsCombo(QWidget* parent);

  signals:
    /// An item picked from the list, with the mouse or the keyboard.
    void picked(const QString& item);
    /// The edit field's text changed by the user.
    void typed(const QString& text);
};

}  // namespace rdo
