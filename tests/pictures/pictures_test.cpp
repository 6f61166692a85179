// Both windows in a few set states, pixel for pixel against the reference pictures beside this
// file; after an intended change of the look, tools/pictures makes them again.
#include <QDir>
#include <QImage>

#include "tests/support/WidgetTest.h"
#include "widgets/guide/Guide.h"

namespace rdo {
namespace {

// Red where the pictures differ, the reference faded elsewhere.
QImage difference(const QImage& reference, const QImage& shot) {
    QImage diff = reference.copy(QRect(QPoint(), reference.size().expandedTo(shot.size())));
    for (int y = 0; y < diff.height(); ++y) {
        for (int x = 0; x < diff.width(); ++x) {
            const bool same = reference.valid(x, y) && shot.valid(x, y) &&
                              reference.pixel(x, y) == shot.pixel(x, y);
            diff.setPixel(x, y,
                          same ? QColor(diff.pixel(x, y)).lighter(160).rgb() : qRgb(255, 0, 0));
        }
    }
    return diff;
}

// Compares `window` with its reference; RDO_PICTURES=write makes the reference instead.
void expectPicture(QWidget& window, const QString& name) {
    const QString reference = RDO_SOURCE_DIR "/tests/pictures/" + name + ".png";
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariable("RDO_PICTURES") == "write") {
        ASSERT_TRUE(shot.save(reference)) << reference.toStdString();
        return;
    }
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    if (shot != expected) {
        const QString diff = QDir::current().absoluteFilePath(name + "-diff.png");
        difference(expected, shot).save(diff);
        shot.save(QDir::current().absoluteFilePath(name + "-shot.png"));
        ADD_FAILURE() << name.toStdString()
                      << " differs from its reference: " << diff.toStdString();
    }
}

// F2 in the main window, then the race plan it opens against its reference.
void expectPlan(Guide& guide, const QString& name) {
    QApplication::setActiveWindow(&guide);
    QTest::keyClick(&guide, Qt::Key_F2);
    auto* plan = guide.findChild<QWidget*>(QStringLiteral("PlanDeCourse"));
    ASSERT_TRUE(plan && QTest::qWaitForWindowExposed(plan));
    QApplication::setActiveWindow(plan);
    expectPicture(*plan, name);
}

using Pictures = test::WidgetTest;

// At start, the example team loaded, the dialogs of row 1 (amphetamines from the team file) and
// row 8 (after an injured rider); ten sectors typed, row 0's dialog with orders, the main window,
// the race plan.
TEST_F(Pictures, LookAsTheirReference) {
    QApplication::setCursorFlashTime(0);  // a cursor that does not blink: one picture
    Guide guide(host);
    guide.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&guide));
    QApplication::setActiveWindow(&guide);
    expectPicture(guide, "start");
    host.files["/t/equipe.cyc"] = test::sourceFile("examples/equipe-exemple.cyc");
    host.chooserAnswers.push_back("/t/equipe.cyc");
    QTest::mouseClick(control(guide, "btOpen"), Qt::LeftButton);
    expectPicture(guide, "team");
    for (const auto& [row, name] :
         {std::pair{"nom1_1", "doped-dialog"}, {"nom1_8", "after-injured-dialog"}}) {
        drive = [name](Ordres& ordres) { expectPicture(ordres, name); };
        QTest::mouseDClick(control(guide, row), Qt::LeftButton);
    }
    QLineEdit* sectors = control<QComboBox>(guide, "sectors")->lineEdit();
    QTest::keyClick(sectors, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(sectors, "10");
    drive = [](Ordres& ordres) {
        giveExampleOrders(ordres);
        expectPicture(ordres, "ten-sectors-dialog");
        QTest::mouseClick(control(ordres, "OKButton"), Qt::LeftButton);
    };
    QTest::mouseDClick(control(guide, "nom1_0"), Qt::LeftButton);
    QApplication::setActiveWindow(&guide);  // as once a dialog has closed
    expectPicture(guide, "orders");
    expectPlan(guide, "plan-10-sectors");
}

// The race plan of four riders over two sectors, their orders taken back up at loading.
TEST_F(Pictures, PlanLooksAsItsReference) {
    Guide guide(host);
    guide.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&guide));
    host.files = {{"/t/equipe.cyc", test::sourceFile("examples/equipe-exemple.cyc")},
                  {"/t/equipe.ord", test::sourceFile("tests/pictures/plan-exemple.ord")}};
    host.answers = {Answer::Yes};
    guide.openTeamFile("/t/equipe.cyc");
    expectPlan(guide, "plan-2-sectors");
}

}  // namespace
}  // namespace rdo
