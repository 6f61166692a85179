// Both windows as a player sees them in a few set states, pixel for pixel against the reference
// pictures beside this file: positions, sizes, colours, fonts and what is shown or hidden.
// After an intended change of the look, tools/pictures makes the references again.
#include <QDir>
#include <QImage>

#include "tests/support/WidgetTest.h"
#include "widgets/guide/Guide.h"

namespace rdo {
namespace {

struct State {
    const char* name;  // its picture: tests/pictures/NAME.png
    bool team;         // the example team loaded
    int row;           // the rider whose name is double-clicked, or -1
    bool orders;       // ten sectors typed, then the example orders in his dialog
    bool dialog;       // the picture is of his dialog, else of the main window
};

// Row 1 is under amphetamines from the team file, row 7 is injured.
const State kStates[] = {
    {"start", false, -1, false, false},
    {"team", true, -1, false, false},
    {"orders", true, 0, true, false},
    {"doped-dialog", true, 1, false, true},
    {"after-injured-dialog", true, 8, false, true},
    {"ten-sectors-dialog", true, 0, true, true},
};

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

class Pictures : public test::WidgetTest, public ::testing::WithParamInterface<State> {};

TEST_P(Pictures, LookAsTheirReference) {
    const State& state = GetParam();
    QApplication::setCursorFlashTime(0);  // a cursor that does not blink: one picture
    Guide guide(host);
    guide.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&guide));
    if (state.team) {
        host.files["/t/equipe.cyc"] = test::sourceFile("examples/equipe-exemple.cyc");
        host.chooserAnswers.push_back("/t/equipe.cyc");
        QTest::mouseClick(control(guide, "btOpen"), Qt::LeftButton);
    }
    if (state.orders) {
        QLineEdit* typed = control<QComboBox>(guide, "sectors")->lineEdit();
        QTest::keyClick(typed, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(typed, "10");
    }
    if (state.row >= 0) {
        drive = [&](Ordres& ordres) {
            state.orders ? giveExampleOrders(ordres) : void();
            if (state.dialog) {
                expectPicture(ordres, state.name);
            } else {
                QTest::mouseClick(control(ordres, "OKButton"), Qt::LeftButton);
            }
        };
        QTest::mouseDClick(control(guide, "nom1_" + QString::number(state.row)), Qt::LeftButton);
    }
    if (!state.dialog) {
        QApplication::setActiveWindow(&guide);  // as once a dialog has closed
        expectPicture(guide, state.name);
    }
}

INSTANTIATE_TEST_SUITE_P(States, Pictures, ::testing::ValuesIn(kStates), [](const auto& info) {
    return QString(info.param.name).replace('-', '_').toStdString();
});

}  // namespace
}  // namespace rdo
