#include "app/MainWindow.h"

#include "app/QtHost.h"
#include "widgets/guide/Guide.h"
#include "widgets/ordres/Ordres.h"

namespace rdo {

std::unique_ptr<Guide> makeMainWindow(QtHost& host) {
    auto guide = std::make_unique<Guide>(host);
    Guide* window = guide.get();
    host.setWindow(window);
    host.setBeforeQuestion([window] { window->refresh(); });  // the team shows behind the question
    host.setDialogRunner([window, &host](Roster& roster, OrdersDialog& dialog) {
        window->refresh();  // the row is ticked and shows its orders behind the dialog
        Ordres ordres(roster, dialog, host, window);
        ordres.exec();
    });
    return guide;
}

}  // namespace rdo
