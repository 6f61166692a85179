#include <QApplication>

#include "app/Application.h"
#include "app/QtHost.h"
#include "widgets/guide/Guide.h"
#include "widgets/ordres/Ordres.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    rdo::setUpApplication(app);

    rdo::QtHost host;
    rdo::Guide guide(host);
    host.setWindow(&guide);
    host.setBeforeQuestion([&] { guide.refresh(); });  // the team shows behind the question
    host.setDialogRunner([&](rdo::Roster& roster, rdo::OrdersDialog& dialog) {
        guide.refresh();  // the row is ticked and shows its orders behind the dialog
        rdo::Ordres ordres(roster, dialog, host, &guide);
        ordres.exec();
    });
    guide.show();
    return QApplication::exec();
}
