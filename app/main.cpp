#include <QApplication>
#include <iostream>

#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/Console.h"
#include "app/MainWindow.h"
#include "app/QtHost.h"
#include "widgets/guide/Guide.h"

int main(int argc, char* argv[]) {
    const rdo::CommandLine command = rdo::readCommandLine(rdo::programArguments(argc, argv));
    if (command.answered) {
        const rdo::StartingConsole console;
        std::cout << command.out;
        std::cerr << command.err;
        return command.exitStatus;
    }
    // Every argument is the program's: Qt reads none of them as its own option.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    rdo::setUpApplication(app);

    rdo::QtHost host;
    const auto guide = rdo::makeMainWindow(host);
    guide->show();
    // Once the event loop runs: a question or a refusal's message then stands over the window.
    QMetaObject::invokeMethod(
        guide.get(),
        [&guide, path = command.teamFile] {
            path.empty() ? guide->offerRecoveryCopies() : guide->openTeamFile(path);
        },
        Qt::QueuedConnection);
    return QApplication::exec();
}
