#include <QApplication>

#include "tests/ordres/OrdresDriver.h"

namespace rdo {
namespace {

using test::control;

QStringList indexed(const QString& name, int first, int last) {
    QStringList names;
    for (int i = first; i <= last; ++i) {
        names << name + "_" + QString::number(i);
    }
    return names;
}

TEST(OrdresLayout, EveryControlAtItsPlace) {
    struct Line {
        QStringList names;
        std::vector<int> lefts;
        int top, width, height;
    };
    const Line lines[] = {
        {{"nomcour"}, {72}, 8, 273, 33},
        {{"Label1", "Label2", "Label3", "Label4"}, {40, 120, 200, 280}, 56, 65, 17},
        {{"SP", "RO", "GR", "PM"}, {56, 136, 216, 296}, 80, 41, 17},
        {{"Label6", "Label7", "Label8", "Label9"}, {40, 120, 200, 280}, 120, 65, 17},
        {{"cbPM", "cbPA", "cbPT", "cbPL"}, {48, 128, 208, 288}, 144, 49, 21},
        {indexed("Label5", 0, 4), {24, 104, 184, 256, 336}, 200, 57, 17},
        {indexed("Label5", 5, 8), {24, 104, 184, 256}, 280, 57, 17},
        {{"Label5_9"}, {336}, 280, 73, 17},
        {indexed("cbPE", 0, 4), {24, 104, 184, 256, 336}, 216, 49, 21},
        {indexed("cbPE", 5, 9), {24, 104, 184, 256, 336}, 296, 49, 21},
        {indexed("Check1", 0, 4), {32, 112, 192, 264, 344}, 240, 41, 17},
        {indexed("Check1", 5, 9), {32, 112, 192, 264, 344}, 320, 41, 17},
        {{"cbdope"}, {56}, 360, 121, 21},
        {{"btconfirme"}, {224}, 360, 121, 25},
        {{"CancelButton", "OKButton"}, {120, 232}, 416, 81, 25},
    };
    test::FakeHost host;
    Roster roster;
    OrdersDialog dialog;
    dialog.sectorCount = 10;
    Ordres ordres(roster, dialog, host);
    EXPECT_EQ(ordres.size(), QSize(425, 462));
    EXPECT_EQ(ordres.minimumSize(), ordres.maximumSize());
    for (const Line& line : lines) {
        for (std::size_t i = 0; i < line.lefts.size(); ++i) {
            const QWidget* widget = control(ordres, line.names[static_cast<qsizetype>(i)]);
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(widget->geometry(), QRect(line.lefts[i], line.top, line.width, line.height))
                << widget->objectName().toStdString();
        }
    }
}

TEST(OrdresLayout, TabGoesFromSelectionnerThroughTheShownControls) {
    const QStringList order = QStringList{"OKButton", "CancelButton", "cbPA"} +
                              indexed("cbPE", 0, 9) + QStringList{"cbPM", "cbPT", "cbPL"} +
                              indexed("Check1", 0, 9) + QStringList{"cbdope", "btconfirme"};
    test::FakeHost host;
    Roster roster = test::loadedRoster(test::teamFile({"1|0|0|0|Alpha", "2|0|2|4|Bravo"}));
    roster.sectors = "10";
    const auto tabsThrough = [](const QStringList& expected, bool doping) {
        return [expected, doping](Ordres& ordres) {
            if (doping) {
                test::pickNext(ordres, "cbdope");  // shows btconfirme
                control(ordres, "OKButton")->setFocus();
            }
            for (const QString& name : expected) {
                EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            EXPECT_EQ(QApplication::focusWidget()->objectName(), "OKButton");
        };
    };
    test::openRow(roster, host, 0, tabsThrough(order, true));
    roster.sectors = "2";  // and Bravo, under EPO already, has no doping controls
    test::openRow(roster, host, 1, tabsThrough(order.mid(0, 5) + order.mid(13, 5), false));
}

}  // namespace
}  // namespace rdo
