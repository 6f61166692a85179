// Undo and redo through the real main window. Each session of undo_sessions.txt: what it shows;
// its actions (keys, "cbPA*4" picks four items down, "close" is the title bar, a name is
// double-clicked, any other control clicked); the orders file it must give.
#include "orderfile/OrdersFile.h"
#include "tests/support/WidgetTest.h"
#include "widgets/guide/Guide.h"

namespace rdo {
namespace {

using UndoTest = test::WidgetTest;

TEST_F(UndoTest, EachSessionGivesItsOrdersFile) {
    QStringList actions;
    const std::function<void(QWidget&)> play = [&](QWidget& window) {
        while (window.isVisible() && !actions.isEmpty()) {
            const QString action = actions.takeFirst();
            if (action.startsWith("Ctrl+")) {
                QApplication::setActiveWindow(&window);  // as once a dialog has closed
                QTest::keySequence(window.focusWidget(), QKeySequence(action));
            } else if (action.contains('*')) {
                pickNext(window, action.section('*', 0, 0), action.section('*', 1).toInt());
            } else if (action == "close") {
                window.close();
            } else if (action.startsWith("nom1")) {
                QTest::mouseDClick(control(window, action), Qt::LeftButton);
            } else {
                QTest::mouseClick(control(window, action), Qt::LeftButton);
            }
        }
    };
    drive = play;
    host.files["/e.cyc"] = test::teamFile({"1|0|0|0|Alpha", "2|0|0|0|Bravo"});
    host.writeError = "Disque plein";
    const QString sessions =
        QString::fromStdString(test::sourceFile("tests/guide/undo_sessions.txt"));
    for (const QString& session : sessions.trimmed().split("\n\n")) {
        SCOPED_TRACE(session.section('\n', 0, 0).toStdString());
        Guide guide{host};
        guide.show();
        host.chooserAnswers = {"/e.cyc", "", "/plein.ord"};  // the team, then two saves
        actions = session.section('\n', 1, 1).split(' ');
        play(guide);
        const QString orders = QString::fromStdString(ordersFileBytes(guide.roster()));
        EXPECT_EQ(QString(orders).replace("\r\n", "\n"), session.section('\n', 2) + '\n');
        EXPECT_EQ(control<QLineEdit>(guide, "PA2_0")->text().toStdString(),
                  guide.roster().rows[0].PA2);
    }
    drive = nullptr;  // many dialogs were opened
}

}  // namespace
}  // namespace rdo
