#include "orders/OrdersDialog.h"

#include <algorithm>

#include "host/Host.h"
#include "orders/Numbers.h"
#include "orders/Totals.h"

namespace rdo {
namespace {

constexpr long long kRiderPE = 10;
constexpr long long kRacePE = 25;
constexpr int kMaxWorkedSectors = 5;

struct AllocationRule {
    std::string OrdersDialog::*combo;
    std::string RosterRow::*field;
    long long limit;
    const char* message;
};

const AllocationRule& ruleOf(Allocation kind) {
    static const AllocationRule rules[] = {
        {&OrdersDialog::cbPM, &RosterRow::PM2, 20, "Vous ne pouvez affecter que 20 PM par course"},
        {&OrdersDialog::cbPA, &RosterRow::PA2, 20, "Vous ne pouvez affecter que 20 PA par course"},
        {&OrdersDialog::cbPT, &RosterRow::PT2, 20, "Vous ne pouvez affecter que 20 PT par course"},
        {&OrdersDialog::cbPL, &RosterRow::PL2, 7, "Vous ne pouvez affecter que 7 PL par course"},
    };
    return rules[static_cast<int>(kind)];
}

const RosterRow& currentRow(const Roster& roster) {
    return roster.rows.at(static_cast<std::size_t>(roster.currentRow));
}

// The sum of one row field over every row but the current one.
long long othersSum(const Roster& roster, std::string RosterRow::*field) {
    long long sum = 0;
    for (int j = 0; j < kRows; ++j) {
        if (j != roster.currentRow) {
            sum += valueOf(roster.rows[static_cast<std::size_t>(j)].*field);
        }
    }
    return sum;
}

long long riderPE(const OrdersDialog& dialog) {
    long long sum = 0;
    for (const std::string& text : dialog.cbPE) {
        sum += valueOf(text);
    }
    return sum;
}

std::string joinList(const std::array<std::string, kSectors>& items) {
    std::string list;
    for (std::size_t j = 0; j < items.size(); ++j) {
        list += (j == 0 ? "" : ",") + items[j];
    }
    return list;
}

void setIfEmpty(std::string& text) {
    if (text.empty()) {
        text = "0";
    }
}

// Cuts a ten-entry list into its entries; missing entries are empty.
std::array<std::string, kSectors> splitList(std::string_view list) {
    std::array<std::string, kSectors> items{};
    for (std::size_t i = 0; i + 1 < items.size(); ++i) {
        const std::size_t comma = list.find(',');
        items[i] = std::string(list.substr(0, comma));
        list.remove_prefix(comma == std::string_view::npos ? list.size() : comma + 1);
    }
    items.back() = std::string(list);
    return items;
}

std::string dopingShown(std::string_view dope1) {
    const std::string_view tail =
        dope1.substr(dope1.size() - std::min<std::size_t>(3, dope1.size()));
    if (tail == "EPO" || tail == "PFC") {
        return std::string(tail);
    }
    return tail == "nes" ? "Amphétamines" : "Clean";
}

bool alreadyDoped(std::string_view dope1) {
    const std::string_view head = dope1.substr(0, 3);
    return head == "Amp" || head == "EPO" || head == "PFC";
}

// A point text the game could misread, or nothing: names the field for the message.
std::optional<std::string> unreadablePoints(const OrdersDialog& dialog) {
    const std::pair<const char*, const std::string*> points[] = {
        {"PM", &dialog.cbPM}, {"PA", &dialog.cbPA}, {"PT", &dialog.cbPT}, {"PL", &dialog.cbPL}};
    for (const auto& [name, text] : points) {
        if (!text->empty() && !isWholeNumber(*text)) {
            return "« " + *text + " » dans " + name;
        }
    }
    for (std::size_t k = 0; k < dialog.cbPE.size(); ++k) {
        const std::string& text = dialog.cbPE[k];
        if (!text.empty() && !isWholeNumber(text)) {
            return "« " + text + " » dans PE (sect " + std::to_string(k + 1) + ")";
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> sectorColumns(std::string_view sectorsText) {
    const std::optional<long long> value = decimalFloor(sectorsText);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<int>(std::clamp<long long>(*value, 0, kSectors));
}

std::string& allocationText(OrdersDialog& dialog, Allocation kind) {
    return dialog.*ruleOf(kind).combo;
}

OrdersDialog openOrdersDialog(const Roster& roster, Host& host) {
    const RosterRow& row = currentRow(roster);
    OrdersDialog dialog;
    dialog.nomcour = roster.currentRiderName;
    dialog.dopeconfirme = false;
    dialog.SP = row.SP1;
    dialog.GR = row.GR1;
    dialog.RO = row.RO1;
    dialog.PM = row.PM1;
    dialog.sectorCount = sectorColumns(roster.sectors).value_or(0);
    dialog.cbPE = splitList(row.PEplus);
    const std::array<std::string, kSectors> work = splitList(row.PTplus);
    for (int i = 0; i < kSectors; ++i) {
        setSectorWork(dialog, host, i, valueOf(work[static_cast<std::size_t>(i)]) != 0 ? 1 : 0);
    }
    dialog.cbPT = row.PT2;
    dialog.cbPA = row.PA2;
    dialog.cbPL = row.PL2;
    dialog.cbPM = row.PM2;
    if (!alreadyDoped(row.Dope1)) {
        dialog.cbdopeVisible = true;
        dialog.cbdope = dopingShown(row.Dope1);
    }
    return dialog;
}

void pickSectorPE(OrdersDialog& dialog, const Roster& roster, Host& host, int k,
                  const std::string& item) {
    std::string& combo = dialog.cbPE.at(static_cast<std::size_t>(k));
    combo = item;
    setIfEmpty(combo);
    const long long rider = riderPE(dialog);
    if (rider > kRiderPE) {
        host.showMessage("Vous ne pouvez affecter que 10 PE par coureur");
        combo = "0";
    }
    // Counts the pick even when refused just above: one pick can bring both messages.
    if (othersSum(roster, &RosterRow::PE2) + rider > kRacePE) {
        host.showMessage("Vous ne pouvez affecter que 25 PE par course");
        combo = "0";
    }
}

void pickAllocation(OrdersDialog& dialog, const Roster& roster, Host& host, Allocation kind,
                    const std::string& item) {
    const AllocationRule& rule = ruleOf(kind);
    const long long others = othersSum(roster, rule.field);
    std::string& combo = dialog.*rule.combo;
    combo = item;
    setIfEmpty(combo);
    if (others + valueOf(combo) > rule.limit) {
        host.showMessage(rule.message);
        combo = currentRow(roster).*rule.field;
    }
}

void setSectorWork(OrdersDialog& dialog, Host& host, int k, int value) {
    int& box = dialog.Check1.at(static_cast<std::size_t>(k));
    if (box == value) {
        return;
    }
    box = value;
    const int ticked = static_cast<int>(std::count(dialog.Check1.begin(), dialog.Check1.end(), 1));
    if (ticked > kMaxWorkedSectors) {
        host.showMessage("Un coureur ne peut pas travailler sur plus de 5 secteurs par course");
        setSectorWork(dialog, host, k, 0);
    }
}

void pickDoping(OrdersDialog& dialog, const std::string& item) {
    dialog.cbdope = item;
    dialog.btconfirmeVisible = true;
}

void confirmDoping(OrdersDialog& dialog) {
    dialog.dopeconfirme = true;
}

bool commitOrders(OrdersDialog& dialog, Roster& roster, Host& host) {
    if (const std::optional<std::string> bad = unreadablePoints(dialog)) {
        host.showMessage(*bad +
                         " n'est pas un nombre entier : le jeu ne saurait pas le lire.\n\n"
                         "Choisissez une valeur dans la liste ou tapez un nombre entier, puis "
                         "cliquez à nouveau sur « Sélectionner ».");
        return false;
    }
    for (std::string* text : {&dialog.cbPM, &dialog.cbPT, &dialog.cbPA, &dialog.cbPL}) {
        setIfEmpty(*text);
    }
    RosterRow& row = roster.rows.at(static_cast<std::size_t>(roster.currentRow));
    row.Check1 = 1;
    row.PT2 = dialog.cbPT;
    row.PA2 = dialog.cbPA;
    row.PL2 = dialog.cbPL;
    row.PM2 = dialog.cbPM;
    row.PEplus = joinList(dialog.cbPE);
    std::array<std::string, kSectors> work{};
    std::transform(dialog.Check1.begin(), dialog.Check1.end(), work.begin(),
                   [](int value) { return std::to_string(value); });
    row.PTplus = joinList(work);
    for (std::string& text : dialog.cbPE) {
        setIfEmpty(text);
    }
    row.PE2 = std::to_string(riderPE(dialog));
    recomputeTotals(roster);
    applyDoping(dialog, row);
    dialog.closed = true;
    return true;
}

void restRider(OrdersDialog& dialog, Roster& roster) {
    RosterRow& row = roster.rows.at(static_cast<std::size_t>(roster.currentRow));
    row.Check1 = 0;
    for (std::string* text : {&row.PM2, &row.PL2, &row.PA2, &row.PE2, &row.PT2}) {
        *text = "0";
    }
    row.PEplus = kZeroList;
    row.PTplus = kZeroList;
    recomputeTotals(roster);
    applyDoping(dialog, row);
    dialog.closed = true;
}

}  // namespace rdo
