// A whole run through the real window: open the example team, save, end.
#include "tests/support/WidgetTest.h"

namespace rdo {
namespace {

using test::control;

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(bytes.substr(start, end - start));
    }
    return lines;
}

// The orders of a team nobody was selected from: the team line, then each
// rider's key and name as the team file gives them, and 26 zeros.
std::string ordersOfNobody(const std::string& teamFile) {
    const std::vector<std::string> lines = linesOf(teamFile);
    std::string orders = lines.at(0) + "\r\n";
    for (std::size_t i = 4; i < lines.size(); ++i) {
        const std::string& rider = lines[i];
        std::size_t nameStart = 0;
        for (int comma = 0; comma < 11; ++comma) {
            nameStart = rider.find(',', nameStart) + 1;
        }
        orders += rider.substr(0, rider.find(',')) + "," + rider.substr(nameStart);
        for (int value = 0; value < 26; ++value) {
            orders += ",0";
        }
        orders += "\r\n";
    }
    return orders;
}

TEST(GuideRoad, OpenTheExampleTeamAndSaveItsOrders) {
    test::FakeHost host;
    Guide guide(host);
    guide.show();
    const std::string team = test::sourceFile("examples/equipe-exemple.cyc");
    test::openTeamFile(guide, host, team);
    host.chooserAnswers = {"/ordres/course.ord"};
    QTest::mouseClick(control(guide, "btSave"), Qt::LeftButton);
    EXPECT_FALSE(guide.isVisible());
    EXPECT_TRUE(host.messages.empty());
    const std::string expected = ordersOfNobody(team);
    EXPECT_EQ(linesOf(expected).size(), 16u);
    EXPECT_EQ(host.files.at("/ordres/course.ord"), expected);
}

}  // namespace
}  // namespace rdo
