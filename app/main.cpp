#include <QApplication>

#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/QtHost.h"
#include "widgets/guide/Guide.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    rdo::setUpApplication(app);

    rdo::QtHost host;
    const auto guide = rdo::makeMainWindow(host);
    guide->show();
    return QApplication::exec();
}
