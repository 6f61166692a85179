// The orders dialog: shows one rider's orders and forwards the user's picks.
#pragma once

#include <QDialog>
#include <array>

#include "model/Roster.h"
#include "orders/Limits.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace rdo {

class Host;
class PickList;
struct OrdersDialog;

/// Created for one opening over `dialog`, the values the logic opened, and
/// discarded when it closes; every user action goes to the logic and the
/// controls then show the values again.
class Ordres : public QDialog {
    Q_OBJECT
  public:
    Ordres(Roster& roster, OrdersDialog& dialog, Host& host, QWidget* parent = nullptr);

  private:
    void buildRiderLines();
    void buildSectorColumns();
    void buildLowerLines();
    void chainTabOrder();
    void afterAction();
    /// Brings every control in line with the dialog's values.
    void refresh();

    Roster& roster_;
    OrdersDialog& dialog_;
    Host& host_;

    // nomcour, SP, RO, GR, PM: for information, typing there changes nothing else.
    std::array<QLineEdit*, 5> fields_{};
    // cbPM, cbPA, cbPT, cbPL, left to right.
    std::array<PickList*, kRaceAllocations.size()> allocations_{};
    std::array<PickList*, kSectors> cbPE_{};
    std::array<QCheckBox*, kSectors> Check1_{};
    PickList* cbdope_ = nullptr;
    QPushButton* btconfirme_ = nullptr;
    QPushButton* CancelButton_ = nullptr;
    QPushButton* OKButton_ = nullptr;
};

}  // namespace rdo
