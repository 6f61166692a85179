// Orders saved beside a team file are taken back up, or named and left out.
#include <gtest/gtest.h>

#include <sstream>

#include "actions/MainActions.h"
#include "orderfile/OrdersFile.h"
#include "tests/support/FakeHost.h"

namespace rdo {
namespace {

// The team « Team »: 1 Alpha, 2 Blessé injured, 3 « Dopé, fils » under EPO, 4 Delta; the
// orders files beside it, from a data file.
TEST(TakeUp, OrdersSavedForThisTeamComeBackAsCommittedAnyOtherFileIsNamedAndLeftOut) {
    const std::string team =
        test::teamFile({"1|0|0|0|Alpha", "2|3|0|0|Blessé", "3|0|2|4|Dopé, fils", "4|0|0|0|Delta"});
    std::istringstream data(test::sourceFile("tests/logic/data/saved_orders.txt"));
    std::vector<std::pair<std::string, std::string>> cases;  // why it is refused, the file
    for (std::string line; std::getline(data, line);) {
        if (line.starts_with("==")) {
            cases.emplace_back(line.substr(std::min<std::size_t>(3, line.size())), "");
        } else if (!cases.empty()) {
            cases.back().second += line + "\r\n";
        }
    }
    ASSERT_EQ(cases.size(), 14u);
    const Question takeUp{
        "Des ordres ont été enregistrés pour cette équipe le 14/03/2025 à "
        "09:05 (« equipe.ord »). Les reprendre ?",
        {Answer::Yes, Answer::No},
        Answer::Yes,
        Answer::No};
    for (const auto& [reason, orders] : cases) {
        test::FakeHost host;
        host.files = {{"/t/equipe.cyc", team}, {"/t/equipe.ord", orders}};
        host.chooserAnswers = {"/t/equipe.cyc", "/t/autre.ord", "/t/equipe.cyc"};
        host.answers = {Answer::Yes, Answer::No};
        Session session, declined;
        ASSERT_TRUE(openTeam(session, host) && saveOrders(session, host));
        // Taken up: asked, saved again the same; refused: named, saved as loaded.
        EXPECT_EQ(host.questions, std::vector(reason.empty(), takeUp));
        EXPECT_EQ(host.messages,
                  std::vector<std::string>(!reason.empty(),
                                           "Les ordres enregistrés dans « equipe.ord "
                                           "» ne sont pas repris : " +
                                               reason + "\n\nL'équipe est chargée sans ordres."));
        EXPECT_EQ(host.files.at("/t/autre.ord"),
                  reason.empty() ? orders : ordersFileBytes(test::loadedRoster(team)));
        if (reason.empty()) {  // the rest of a take-up goes through the windows
            EXPECT_TRUE(openTeam(declined, host) && declined.roster == test::loadedRoster(team));
        }
    }
}

}  // namespace
}  // namespace rdo
