#include "orders/ui/Ordres.h"

#include "orders/OrdersDialog.h"

namespace rdo {

Ordres::Ordres(Roster& roster, OrdersDialog& dialog, Host& host, QWidget* parent)
    : QDialog(parent), roster_(roster), dialog_(dialog), host_(host) {
    setObjectName(QStringLiteral("ordres"));
    setWindowTitle(QStringLiteral("Entrez les ordres du coureur sélectionné"));
    setFixedSize(425, 462);
}

}  // namespace rdo
