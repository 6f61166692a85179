// Where the main window's controls stand and how their texts look.
#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QSet>

#include "roster/ui/FitText.h"
#include "tests/support/WidgetTest.h"

namespace rdo {
namespace {

using test::control;

// With a full team loaded, so that every control exists and shows.
class GuideLayout : public ::testing::Test {
  protected:
    void SetUp() override {
        guide.show();
        test::openTeamFile(guide, host, test::sourceFile("examples/equipe-exemple.cyc"));
    }
    test::FakeHost host;
    Guide guide{host};
};

struct Placement {
    const char* name;
    QRect rect;  // in the window, or in the frame that holds the control
    qreal points;
    bool bold;
};

// Rows 0 and 14 stand for all rows: row i lies 24 px below row 0.
const Placement kPlacements[] = {
    {"Label21", {24, 0, 101, 18}, 11.25, true},    {"cptsel", {56, 16, 41, 25}, 14.25, true},
    {"cEquipe", {168, 0, 473, 41}, 24, true},      {"LabPE", {56, 48, 140, 18}, 11.25, true},
    {"PE", {200, 45, 41, 25}, 14.25, true},        {"LabPM", {264, 49, 161, 17}, 11.25, true},
    {"PM", {424, 45, 41, 25}, 14.25, true},        {"LabK", {488, 48, 79, 18}, 11.25, true},
    {"K", {568, 45, 65, 25}, 14.25, true},         {"LabK2", {632, 48, 11, 18}, 11.25, true},
    {"Fra_used", {40, 88, 465, 57}, 8.25, false},  {"Label1", {24, 24, 33, 17}, 8.25, false},
    {"PM_USED", {56, 24, 33, 19}, 9.75, true},     {"Label2", {120, 24, 33, 17}, 8.25, false},
    {"PE_USED", {144, 24, 33, 19}, 9.75, true},    {"Label3", {200, 24, 33, 17}, 8.25, false},
    {"PT_USED", {232, 24, 33, 19}, 9.75, true},    {"Label4", {280, 24, 33, 17}, 8.25, false},
    {"PA_USED", {312, 24, 33, 19}, 9.75, true},    {"Label20", {368, 24, 33, 17}, 8.25, false},
    {"PL_USED", {400, 24, 33, 19}, 9.75, true},    {"Label14", {528, 88, 114, 18}, 11.25, true},
    {"sectors", {664, 87, 49, 21}, 8.25, false},   {"Label5", {32, 152, 129, 17}, 9.75, true},
    {"Label6", {168, 152, 57, 17}, 9.75, true},    {"Label7", {232, 152, 33, 17}, 9.75, true},
    {"Label8", {272, 152, 33, 17}, 9.75, true},    {"Label9", {312, 152, 33, 17}, 9.75, true},
    {"Label10", {352, 152, 33, 17}, 9.75, true},   {"Label11", {392, 152, 65, 17}, 9.75, true},
    {"Label12", {464, 152, 81, 17}, 9.75, true},   {"Label13", {544, 152, 33, 17}, 9.75, true},
    {"Check1_0", {8, 176, 17, 17}, 8.25, false},   {"Check1_14", {8, 512, 17, 17}, 8.25, false},
    {"nom1_0", {32, 176, 129, 19}, 8.25, false},   {"nom1_14", {32, 512, 129, 19}, 8.25, false},
    {"Pays1_0", {168, 176, 57, 19}, 8.25, false},  {"Pays1_14", {168, 512, 57, 19}, 8.25, false},
    {"SP1_0", {232, 176, 33, 19}, 8.25, false},    {"RO1_0", {272, 176, 33, 19}, 8.25, false},
    {"GR1_0", {312, 176, 33, 19}, 8.25, false},    {"Ene1_14", {352, 512, 33, 19}, 8.25, false},
    {"bless1_0", {392, 176, 65, 19}, 8.25, false}, {"Dope1_0", {464, 176, 73, 19}, 8.25, false},
    {"Dope1_14", {464, 512, 73, 19}, 8.25, false}, {"PM1_14", {544, 512, 33, 19}, 8.25, false},
    {"Fra_ord", {584, 128, 209, 409}, 9.75, true}, {"Label15", {8, 24, 33, 17}, 9.75, true},
    {"Label16", {48, 24, 33, 17}, 9.75, true},     {"Label17", {88, 24, 33, 17}, 9.75, true},
    {"Label18", {128, 24, 33, 17}, 9.75, true},    {"Label19", {168, 24, 33, 17}, 9.75, true},
    {"PM2_0", {8, 48, 33, 19}, 8.25, false},       {"PE2_0", {48, 48, 33, 19}, 8.25, false},
    {"PL2_0", {88, 48, 33, 19}, 8.25, false},      {"PA2_14", {128, 384, 33, 19}, 8.25, false},
    {"PT2_14", {168, 384, 33, 19}, 8.25, false},   {"btSave", {496, 544, 97, 25}, 8.25, false},
    {"btOpen", {304, 168, 169, 201}, 8.25, false},
};

TEST_F(GuideLayout, EveryControlStandsWhereThePlayersKnowIt) {
    for (const Placement& placement : kPlacements) {
        const QWidget* widget = control(guide, placement.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), placement.rect) << placement.name;
        EXPECT_EQ(widget->font().pointSizeF(), placement.points) << placement.name;
        EXPECT_EQ(widget->font().bold(), placement.bold) << placement.name;
    }
}

TEST_F(GuideLayout, TheExampleTeamFitsItsBoxes) {
    for (const QLabel* label : guide.findChildren<QLabel*>()) {
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()),
                  label->contentsRect().width())
            << label->objectName().toStdString();
    }
    for (const QLineEdit* field : guide.findChildren<QLineEdit*>()) {
        if (field->isVisible() && !field->objectName().isEmpty()) {
            EXPECT_LE(QFontMetrics(field->font()).horizontalAdvance(field->text()), textRoom(field))
                << field->objectName().toStdString();
        }
    }
}

TEST_F(GuideLayout, EveryControlHasItsOwnFrenchName) {
    QSet<QString> names;
    for (const QWidget* widget : guide.findChildren<QWidget*>()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_")) {
            EXPECT_FALSE(names.contains(widget->accessibleName()))
                << widget->accessibleName().toStdString();
            names.insert(widget->accessibleName());
        }
    }
    EXPECT_FALSE(names.contains(QString()));
    EXPECT_EQ(control(guide, "nom1_3")->accessibleName(), "Coureur, ligne 4");
    EXPECT_EQ(control(guide, "PE_USED")->accessibleName(), QStringLiteral("PE dépensés"));
}

TEST_F(GuideLayout, TheOpenButtonShowsItsPicture) {
    const auto* open = control<QAbstractButton>(guide, "btOpen");
    EXPECT_EQ(open->iconSize(), QSize(135, 169));
    EXPECT_EQ(open->toolTip(), QStringLiteral("Ouvrir un fichier d'équipe"));
    const QImage picture = open->icon().pixmap(QSize(135, 169), 2.0).toImage();
    ASSERT_EQ(picture.size(), QSize(270, 338));          // drawn at the screen's scale
    EXPECT_EQ(picture.pixelColor(10, 10).alpha(), 255);  // the sky, not an empty picture
}

}  // namespace
}  // namespace rdo
