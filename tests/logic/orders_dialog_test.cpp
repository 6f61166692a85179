#include <gtest/gtest.h>

#include "orderfile/OrdersFile.h"
#include "orders/OrdersDialog.h"
#include "roster/MainActions.h"
#include "tests/support/FakeHost.h"

namespace rdo {
namespace {

using test::FakeHost;

const char* const kRiderPE = "Vous ne pouvez affecter que 10 PE par coureur";
const char* const kRacePE = "Vous ne pouvez affecter que 25 PE par course";
const char* const kSixthSector =
    "Un coureur ne peut pas travailler sur plus de 5 secteurs par course";

// Three riders, the third doped from the team file; the dialog opened on `row`.
struct OrdersTest : ::testing::Test {
    FakeHost host;
    Roster roster = test::loadedRoster(
        test::teamFile({"11|0|0|0|Alpha", "12|0|0|0|Bravo", "13|0|2|4|Charlie"}));

    OrdersDialog open(int row) {
        roster.currentRow = static_cast<std::int16_t>(row);
        roster.currentRiderName = roster.rows[static_cast<std::size_t>(row)].nom1;
        roster.rows[static_cast<std::size_t>(row)].Check1 = 1;
        return openOrdersDialog(roster, host);
    }
    // Another rider already holding committed points of one kind.
    void give(int row, std::string RosterRow::*field, const std::string& value) {
        roster.rows[static_cast<std::size_t>(row)].*field = value;
    }
};

TEST_F(OrdersTest, OpeningFillsEveryControlFromTheRow) {
    RosterRow& row = roster.rows[0];
    row.SP1 = " 61 ";
    row.PEplus = "1,0,2,0,0,0,0,0,0,3";
    row.PTplus = "1,0,0,1,0,0,0,0,0,0";
    row.PA2 = "4";
    row.Dope1 = "+Amphétamines";
    roster.sectors = "3.7";
    const OrdersDialog dialog = open(0);
    EXPECT_EQ(dialog.nomcour, "Alpha 11");
    EXPECT_EQ(dialog.SP, " 61 ");
    EXPECT_EQ(dialog.sectorCount, 3);
    EXPECT_EQ(dialog.cbPE,
              (std::array<std::string, 10>{"1", "0", "2", "0", "0", "0", "0", "0", "0", "3"}));
    EXPECT_EQ(dialog.Check1, (std::array<int, 10>{1, 0, 0, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(dialog.cbPA, "4");
    EXPECT_TRUE(dialog.cbdopeVisible);
    EXPECT_EQ(dialog.cbdope, "Amphétamines");
    EXPECT_FALSE(dialog.btconfirmeVisible);
    EXPECT_FALSE(dialog.dopeconfirme);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(OrdersTest, SectorColumnsAndDopingChoiceFollowTheRoster) {
    const std::vector<std::pair<std::string, int>> columns = {
        {"2", 2}, {"10", 10}, {"0", 0}, {"-3", 0}, {" 4 ", 4}, {"11", 10}, {"99999999999", 10}};
    for (const auto& [text, count] : columns) {
        roster.sectors = text;
        EXPECT_EQ(open(0).sectorCount, count) << text;
    }
    const std::vector<std::pair<std::string, std::string>> doping = {
        {"Propre", "Clean"}, {"+EPO", "EPO"}, {"+PFC", "PFC"}, {"EPO (4)", ""}, {"Amphé (2)", ""}};
    for (const auto& [dope, shown] : doping) {
        roster.rows[0].Dope1 = dope;
        const OrdersDialog dialog = open(0);
        EXPECT_EQ(dialog.cbdopeVisible, !shown.empty()) << dope;
        EXPECT_EQ(dialog.cbdopeVisible ? dialog.cbdope : "", shown) << dope;
    }
}

TEST_F(OrdersTest, StoredListWithSixTicksIsCutBackToFive) {
    roster.rows[0].PTplus = "1,1,0,1,1,1,1,1,0,0";
    const OrdersDialog dialog = open(0);
    EXPECT_EQ(dialog.Check1, (std::array<int, 10>{1, 1, 0, 1, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(host.messages, (std::vector<std::string>{kSixthSector, kSixthSector}));
}

TEST_F(OrdersTest, RiderPEUpToTenAndRacePEUpToTwentyFive) {
    OrdersDialog dialog = open(0);
    pickSectorPE(dialog, roster, host, 0, "7");
    pickSectorPE(dialog, roster, host, 1, "3");
    EXPECT_TRUE(host.messages.empty());  // exactly 10
    std::string shownDuringMessage;
    host.onMessage = [&](const std::string&) { shownDuringMessage = dialog.cbPE[2]; };
    pickSectorPE(dialog, roster, host, 2, "1");
    EXPECT_EQ(host.messages, std::vector<std::string>{kRiderPE});
    EXPECT_EQ(shownDuringMessage, "1");  // set back only once the box is closed
    EXPECT_EQ(dialog.cbPE[2], "0");

    give(1, &RosterRow::PE2, "20");
    host.messages.clear();
    OrdersDialog other = open(0);
    pickSectorPE(other, roster, host, 0, "5");
    EXPECT_TRUE(host.messages.empty());
    pickSectorPE(other, roster, host, 1, "1");
    EXPECT_EQ(host.messages, std::vector<std::string>{kRacePE});
    EXPECT_EQ(other.cbPE[1], "0");
}

TEST_F(OrdersTest, OnePickCanBreakBothPELimits) {
    give(1, &RosterRow::PE2, "16");
    OrdersDialog dialog = open(0);
    pickSectorPE(dialog, roster, host, 0, "7");
    pickSectorPE(dialog, roster, host, 1, "1");
    pickSectorPE(dialog, roster, host, 2, "3");
    EXPECT_EQ(host.messages, (std::vector<std::string>{kRiderPE, kRacePE}));
    EXPECT_EQ(dialog.cbPE[2], "0");
}

TEST_F(OrdersTest, RaceAllocationsHoldTheirLimitAndGoBackToTheStoredValue) {
    struct Case {
        Allocation kind;
        std::string RosterRow::*field;
        int limit;
        const char* message;
    };
    const Case cases[] = {
        {Allocation::PL, &RosterRow::PL2, 7, "Vous ne pouvez affecter que 7 PL par course"},
        {Allocation::PA, &RosterRow::PA2, 20, "Vous ne pouvez affecter que 20 PA par course"},
        {Allocation::PT, &RosterRow::PT2, 20, "Vous ne pouvez affecter que 20 PT par course"},
        {Allocation::PM, &RosterRow::PM2, 20, "Vous ne pouvez affecter que 20 PM par course"}};
    for (const Case& c : cases) {
        FakeHost fresh;
        host = fresh;
        Roster before = roster;
        give(1, c.field, std::to_string(c.limit - 5));
        give(0, c.field, "2");  // the rider's stored value, left out of the count
        OrdersDialog dialog = open(0);
        pickAllocation(dialog, roster, host, c.kind, "5");
        EXPECT_TRUE(host.messages.empty()) << c.message;
        EXPECT_EQ(allocationText(dialog, c.kind), "5");
        pickAllocation(dialog, roster, host, c.kind, "6");
        EXPECT_EQ(host.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(allocationText(dialog, c.kind), "2") << c.message;
        roster = before;
    }
}

TEST_F(OrdersTest, SixthWorkTickIsRefusedAndClearingNeverIs) {
    OrdersDialog dialog = open(0);
    for (int k = 0; k < 6; ++k) {
        setSectorWork(dialog, host, k, 1);
    }
    EXPECT_EQ(dialog.Check1, (std::array<int, 10>{1, 1, 1, 1, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(host.messages, std::vector<std::string>{kSixthSector});
    setSectorWork(dialog, host, 1, 0);
    setSectorWork(dialog, host, 9, 1);
    EXPECT_EQ(dialog.Check1, (std::array<int, 10>{1, 0, 1, 1, 1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(OrdersTest, CommitBuildsTheListsAndAnEmptySectorGivesAnEmptyItem) {
    OrdersDialog dialog = open(0);
    dialog.cbPE[0] = "2";
    dialog.cbPE[1] = "";
    dialog.cbPE[2] = "1";
    dialog.Check1[0] = dialog.Check1[2] = 1;
    dialog.cbPT = "9";  // typed beyond the list: kept and counted
    dialog.cbPM = "";
    ASSERT_TRUE(commitOrders(dialog, roster, host));
    const RosterRow& row = roster.rows[0];
    EXPECT_TRUE(dialog.closed);
    EXPECT_EQ(row.Check1, 1);
    EXPECT_EQ(roster.cptsel, "1");
    EXPECT_EQ(row.PEplus, "2,,1,0,0,0,0,0,0,0");
    EXPECT_EQ(row.PTplus, "1,0,1,0,0,0,0,0,0,0");
    EXPECT_EQ(row.PE2, "3");
    EXPECT_EQ(row.PT2, "9");
    EXPECT_EQ(row.PM2, "0");
    EXPECT_EQ(roster.PT_USED, "9");
    EXPECT_EQ(roster.PE_USED, "3");
}

TEST_F(OrdersTest, TypedNonNumberIsRefusedAndNothingIsCommitted) {
    const std::vector<std::pair<std::string OrdersDialog::*, std::string>> typed = {
        {&OrdersDialog::cbPA, "4,5"},
        {&OrdersDialog::cbPL, "deux"},
        {&OrdersDialog::cbPT, "2.5"},
        {&OrdersDialog::cbPM, " 3"}};
    for (const auto& [combo, text] : typed) {
        OrdersDialog dialog = open(0);
        const Roster before = roster;
        dialog.*combo = text;
        host.messages.clear();
        EXPECT_FALSE(commitOrders(dialog, roster, host)) << text;
        EXPECT_FALSE(dialog.closed);
        EXPECT_EQ(roster.rows, before.rows);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_NE(host.messages[0].find("« " + text + " »"), std::string::npos);
    }
    OrdersDialog dialog = open(0);
    dialog.cbPE[4] = "x";
    host.messages.clear();
    EXPECT_FALSE(commitOrders(dialog, roster, host));
    EXPECT_NE(host.messages[0].find("« x » dans PE (sect 5)"), std::string::npos);
}

TEST_F(OrdersTest, TotalsAreRebuiltOnEveryCommitAndRest) {
    OrdersDialog first = open(0);
    first.cbPA = "5";
    commitOrders(first, roster, host);
    EXPECT_EQ(roster.PA_USED, "5");
    OrdersDialog again = open(0);
    EXPECT_EQ(again.cbPA, "5");
    again.cbPA = "2";
    commitOrders(again, roster, host);
    EXPECT_EQ(roster.PA_USED, "2");

    roster.rows[0].ordersVisible = true;
    OrdersDialog rest = open(0);
    rest.cbPA = "7";  // picked, then the rider is put at rest
    restRider(rest, roster);
    EXPECT_TRUE(rest.closed);
    EXPECT_EQ(roster.rows[0].Check1, 0);
    EXPECT_TRUE(roster.rows[0].ordersVisible);
    EXPECT_EQ(roster.rows[0].PA2, "0");
    EXPECT_EQ(roster.rows[0].PTplus, "0,0,0,0,0,0,0,0,0,0");
    OrdersDialog second = open(1);
    second.cbPE[0] = "7";
    second.cbPL = "2";
    commitOrders(second, roster, host);
    EXPECT_EQ(roster.PA_USED, "0");
    EXPECT_EQ(roster.PE_USED, "7");
    EXPECT_EQ(roster.PL_USED, "2");
    EXPECT_EQ(roster.cptsel, "1");
}

TEST_F(OrdersTest, OnlyAConfirmedDopingReachesTheRowAndTheLastPickWins) {
    OrdersDialog unconfirmed = open(0);
    pickDoping(unconfirmed, "EPO");
    EXPECT_TRUE(unconfirmed.btconfirmeVisible);
    commitOrders(unconfirmed, roster, host);
    EXPECT_EQ(roster.rows[0].Dope1, "Propre");

    OrdersDialog changed = open(0);
    pickDoping(changed, "EPO");
    confirmDoping(changed);
    pickDoping(changed, "PFC");
    restRider(changed, roster);  // at rest, the confirmed product still applies
    EXPECT_EQ(roster.rows[0].Dope1, "+PFC");
    EXPECT_EQ(roster.rows[0].dopeColor, kRed);

    OrdersDialog clean = open(0);
    EXPECT_EQ(clean.cbdope, "PFC");
    pickDoping(clean, "Clean");
    EXPECT_TRUE(clean.btconfirmeVisible);
    confirmDoping(clean);
    commitOrders(clean, roster, host);
    EXPECT_EQ(roster.rows[0].Dope1, "Propre");
    EXPECT_EQ(roster.rows[0].dopeColor, kPaleBlue);
}

TEST_F(OrdersTest, OneRidersRoadEndsInItsOrdersLine) {
    pickSectors(roster, "3");
    host.onDialog = [this](Roster& r, OrdersDialog& dialog) {
        EXPECT_EQ(dialog.sectorCount, 3);
        pickSectorPE(dialog, r, host, 0, "3");
        pickSectorPE(dialog, r, host, 1, "2");
        setSectorWork(dialog, host, 0, 1);
        pickAllocation(dialog, r, host, Allocation::PA, "4");
        pickDoping(dialog, "EPO");
        confirmDoping(dialog);
        commitOrders(dialog, r, host);
    };
    doubleClickRider(roster, host, 0);
    const RosterRow& row = roster.rows[0];
    EXPECT_EQ(row.PE2, "5");
    EXPECT_EQ(row.PEplus, "3,2,0,0,0,0,0,0,0,0");
    EXPECT_EQ(row.PTplus, "1,0,0,0,0,0,0,0,0,0");
    EXPECT_EQ(row.Dope1, "+EPO");
    EXPECT_EQ(row.dopeColor, kRed);
    EXPECT_EQ(roster.cptsel, "1");
    EXPECT_EQ(roster.PE_USED, "5");
    EXPECT_EQ(roster.PA_USED, "4");
    EXPECT_EQ(ordersLine(row), "11,Alpha,1,0,0,0,4,1,0,0,0,0,0,0,0,0,0,3,2,0,0,0,0,0,0,0,0,2");
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace rdo
