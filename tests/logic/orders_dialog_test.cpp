// The orders dialog's rules: opening, the limits at each pick, commit and rest.
#include <gtest/gtest.h>

#include "actions/MainActions.h"
#include "orderfile/OrdersFile.h"
#include "orders/Limits.h"
#include "orders/OrdersDialog.h"
#include "tests/support/FakeHost.h"

namespace rdo {
namespace {

using Ticks = std::array<int, kSectors>;
const std::string kRiderPE = "Vous ne pouvez affecter que 10 PE par coureur";
const std::string kRacePE = "Vous ne pouvez affecter que 25 PE par course";
const std::string kSixth = "Un coureur ne peut pas travailler sur plus de 5 secteurs par course";

// Three riders, the third doped from the team file.
struct OrdersTest : ::testing::Test {
    test::FakeHost host;
    Roster roster = test::loadedRoster(
        test::teamFile({"11|0|0|0|Alpha", "12|0|0|0|Bravo", "13|0|2|4|Charlie"}));
    RosterRow& row(int i) { return roster.rows[static_cast<std::size_t>(i)]; }

    OrdersDialog open(int i) {
        roster.currentRow = static_cast<std::int16_t>(i);
        roster.currentRiderName = row(i).nom1;
        row(i).Check1 = 1;
        return openOrdersDialog(roster, host);
    }
};

TEST_F(OrdersTest, OpeningFillsTheDialogFromTheRow) {
    row(0).SP1 = " 61 ";
    row(0).PEplus = "1,0,2,0,0,0,0,0,0,3";
    row(0).PTplus = "1,0,0,1,0,0,0,0,0,0";
    row(0).PA2 = "4";
    roster.sectors = "3.7";
    OrdersDialog dialog = open(0);
    EXPECT_EQ(dialog.nomcour, "Alpha 11");
    EXPECT_EQ(dialog.SP, " 61 ");
    EXPECT_EQ(dialog.sectorCount, 3);
    EXPECT_EQ(dialog.cbPE[2] + dialog.cbPE[9], "23");
    EXPECT_EQ(dialog.Check1, (Ticks{1, 0, 0, 1}));
    EXPECT_EQ(dialog.cbPA, "4");
    EXPECT_FALSE(dialog.btconfirmeVisible || dialog.dopeconfirme);

    for (const auto& [text, count] : std::vector<std::pair<std::string, int>>{
             {"0", 0}, {"-3", 0}, {" 4 ", 4}, {"11", 10}, {"99999999999", 10}}) {
        roster.sectors = text;
        EXPECT_EQ(open(0).sectorCount, count) << text;
    }
    for (const auto& [dope, shown] :
         std::vector<std::pair<std::string, std::string>>{{"Propre", "Clean"},
                                                          {"+EPO", "EPO"},
                                                          {"+Amphétamines", "Amphétamines"},
                                                          {"EPO (4)", ""},
                                                          {"Amphé (2)", ""}}) {
        row(0).Dope1 = dope;
        dialog = open(0);
        EXPECT_EQ(dialog.cbdopeVisible ? dialog.cbdope : "", shown) << dope;
    }
    row(0).PTplus = "1,1,0,1,1,1,1,1,0,0";  // restored ticks count as clicks
    EXPECT_EQ(open(0).Check1, (Ticks{1, 1, 0, 1, 1, 1}));
    EXPECT_EQ(host.messages, (std::vector<std::string>{kSixth, kSixth}));
}

TEST_F(OrdersTest, SectorPEHeldToTenPerRiderAndTwentyFivePerRace) {
    OrdersDialog dialog = open(0);
    pickSectorPE(dialog, roster, host, 0, "7");
    pickSectorPE(dialog, roster, host, 1, "3");
    EXPECT_TRUE(host.messages.empty());  // exactly 10
    std::string shownDuringMessage;
    host.onMessage = [&](const std::string&) { shownDuringMessage = dialog.cbPE[2]; };
    pickSectorPE(dialog, roster, host, 2, "1");
    EXPECT_EQ(host.messages, std::vector<std::string>{kRiderPE});
    EXPECT_EQ(shownDuringMessage + dialog.cbPE[2], "10");  // set back once the box is closed

    host.messages.clear();
    row(1).PE2 = "16";
    dialog = open(0);
    pickSectorPE(dialog, roster, host, 0, "7");
    pickSectorPE(dialog, roster, host, 1, "1");
    pickSectorPE(dialog, roster, host, 2, "2");  // 16 + 10: only the race limit
    pickSectorPE(dialog, roster, host, 3, "3");  // both, counting the refused pick
    EXPECT_EQ(host.messages, (std::vector<std::string>{kRacePE, kRiderPE, kRacePE}));
    EXPECT_EQ(dialog.cbPE[2] + dialog.cbPE[3], "00");
}

TEST_F(OrdersTest, RaceAllocationsHoldTheirLimitAndGoBackToTheStoredValue) {
    const std::tuple<const RaceAllocation&, std::string RosterRow::*, int, std::string> cases[] = {
        {kRaceAllocations[3], &RosterRow::PL2, 7, "Vous ne pouvez affecter que 7 PL par course"},
        {kRaceAllocations[1], &RosterRow::PA2, 20, "Vous ne pouvez affecter que 20 PA par course"},
        {kRaceAllocations[2], &RosterRow::PT2, 20, "Vous ne pouvez affecter que 20 PT par course"},
        {kRaceAllocations[0], &RosterRow::PM2, 20, "Vous ne pouvez affecter que 20 PM par course"}};
    for (const auto& [kind, field, limit, message] : cases) {
        host.messages.clear();
        row(1).*field = std::to_string(limit - 5);
        row(0).*field = "2";  // the rider's stored value, left out of the count
        OrdersDialog dialog = open(0);
        pickAllocation(dialog, roster, host, kind, "5");
        EXPECT_EQ(dialog.*kind.combo, "5") << message;
        pickAllocation(dialog, roster, host, kind, "6");
        EXPECT_EQ(host.messages, std::vector<std::string>{message});
        EXPECT_EQ(dialog.*kind.combo, "2") << message;
    }
}

TEST_F(OrdersTest, SixthWorkTickIsRefusedAndClearingNeverIs) {
    OrdersDialog dialog = open(0);
    for (int k = 0; k < 6; ++k) {
        setSectorWork(dialog, host, k, 1);
    }
    setSectorWork(dialog, host, 1, 0);
    setSectorWork(dialog, host, 9, 1);
    EXPECT_EQ(dialog.Check1, (Ticks{1, 0, 1, 1, 1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(host.messages, std::vector<std::string>{kSixth});
}

TEST_F(OrdersTest, CommitStoresTheDialogAndRebuildsTheTotals) {
    OrdersDialog dialog = open(0);
    dialog.cbPE[0] = "2";
    dialog.cbPE[1] = "";
    dialog.cbPE[2] = "1";
    dialog.Check1[0] = dialog.Check1[2] = 1;
    dialog.cbPT = "9";  // typed beyond the list: kept and counted
    dialog.cbPM = "";
    dialog.cbPA = "5";
    ASSERT_TRUE(commitOrders(dialog, roster, host));
    EXPECT_TRUE(dialog.closed);
    EXPECT_EQ(ordersLine(row(0)), "11,Alpha,1,0,9,0,5,1,0,1,0,0,0,0,0,0,0,2,,1,0,0,0,0,0,0,0,0");
    EXPECT_EQ(row(0).PE2, "3");
    EXPECT_EQ(roster.cptsel + roster.PT_USED + roster.PE_USED + roster.PA_USED, "1935");

    dialog = open(0);  // committed again with less
    dialog.cbPA = "2";
    commitOrders(dialog, roster, host);
    EXPECT_EQ(roster.PA_USED, "2");

    row(0).ordersVisible = true;
    dialog = open(0);
    dialog.cbPA = "7";  // picked, then the rider is put at rest
    restRider(dialog, roster);
    EXPECT_TRUE(dialog.closed && row(0).ordersVisible);
    EXPECT_EQ(ordersLine(row(0)), "11,Alpha,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");

    dialog = open(1);
    dialog.cbPE[0] = "7";
    dialog.cbPL = "2";
    commitOrders(dialog, roster, host);
    EXPECT_EQ(roster.cptsel + roster.PA_USED + roster.PE_USED + roster.PL_USED, "1072");
}

TEST_F(OrdersTest, TypedNonNumberIsRefusedAndNothingIsCommitted) {
    const std::pair<std::string OrdersDialog::*, std::string> typed[] = {
        {&OrdersDialog::cbPA, "4,5"},
        {&OrdersDialog::cbPL, "deux"},
        {&OrdersDialog::cbPT, "2.5"},
        {&OrdersDialog::cbPM, " 3"}};
    for (const auto& [combo, text] : typed) {
        OrdersDialog dialog = open(0);
        const Roster before = roster;
        dialog.*combo = text;
        host.messages.clear();
        EXPECT_FALSE(commitOrders(dialog, roster, host) || dialog.closed) << text;
        EXPECT_TRUE(roster == before);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_NE(host.messages[0].find("« " + text + " »"), std::string::npos);
    }
    OrdersDialog dialog = open(0);
    dialog.cbPE[4] = "x";
    EXPECT_FALSE(commitOrders(dialog, roster, host));
    EXPECT_NE(host.messages.back().find("« x » dans PE (sect 5)"), std::string::npos);
}

TEST_F(OrdersTest, OnlyAConfirmedDopingReachesTheRowAndTheLastPickWins) {
    OrdersDialog dialog = open(0);
    pickDoping(dialog, "EPO");
    EXPECT_TRUE(dialog.btconfirmeVisible);
    commitOrders(dialog, roster, host);
    EXPECT_EQ(row(0).Dope1, "Propre");

    dialog = open(0);
    pickDoping(dialog, "EPO");
    confirmDoping(dialog);
    pickDoping(dialog, "PFC");
    restRider(dialog, roster);  // at rest, the confirmed product still applies
    EXPECT_EQ(row(0).Dope1, "+PFC");
    EXPECT_TRUE(row(0).dopeOnRed);

    dialog = open(0);
    pickDoping(dialog, "Clean");
    confirmDoping(dialog);
    commitOrders(dialog, roster, host);
    EXPECT_EQ(row(0).Dope1, "Propre");
    EXPECT_FALSE(row(0).dopeOnRed);
}

TEST_F(OrdersTest, OneRidersRoadEndsInItsOrdersLine) {
    pickSectors(roster, "3");
    host.onDialog = [this](Roster& r, OrdersDialog& dialog) {
        EXPECT_EQ(dialog.sectorCount, 3);
        pickSectorPE(dialog, r, host, 0, "3");
        pickSectorPE(dialog, r, host, 1, "2");
        setSectorWork(dialog, host, 0, 1);
        pickAllocation(dialog, r, host, kRaceAllocations[1], "4");
        pickDoping(dialog, "EPO");
        confirmDoping(dialog);
        commitOrders(dialog, r, host);
    };
    Session session{roster};
    doubleClickRider(session, host, 0);
    roster = session.roster;
    EXPECT_EQ(ordersLine(row(0)), "11,Alpha,1,0,0,0,4,1,0,0,0,0,0,0,0,0,0,3,2,0,0,0,0,0,0,0,0,2");
    EXPECT_EQ(row(0).PE2 + row(0).Dope1, "5+EPO");
    EXPECT_TRUE(row(0).dopeOnRed);
    EXPECT_EQ(roster.cptsel + roster.PE_USED + roster.PA_USED, "154");
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace rdo
