// The orders dialog: shows one rider's orders and forwards the user's picks.
#pragma once

#include <QDialog>

namespace rdo {

class Host;
struct Roster;
struct OrdersDialog;

class Ordres : public QDialog {
    Q_OBJECT
  public:
    Ordres(Roster& roster, OrdersDialog& dialog, Host& host, QWidget* parent = nullptr);

  private:
    Roster& roster_;
    OrdersDialog& dialog_;
    Host& host_;
};

}  // namespace rdo
