// The roster: the whole state of the program, as the main window shows it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Encoding.h"

namespace rdo {

inline constexpr int kRows = 15;
inline constexpr int kSectors = 10;
inline constexpr const char* kZeroList = "0,0,0,0,0,0,0,0,0,0";

/// One roster row. A row is in use when `nom1` is shown; the shown fields of a
/// loaded rider (nom1, Pays1 ... PM1) are always shown together.
struct RosterRow {
    bool inUse = false;
    std::string nom1, N1, P1, Pays1, SP1, RO1, GR1, Ene1, bless1, Dope1, PM1;
    /// `Dope1` stands on red: a doping ordered for this race.
    bool dopeOnRed = false;

    bool checkVisible = false;  // the rider may be given orders
    int Check1 = 0;             // 1 = selected for the race

    bool ordersVisible = false;  // PM2, PE2, PL2, PA2, PT2 shown
    std::string PT2 = "0", PA2 = "0", PL2 = "0", PE2 = "0", PM2 = "0";
    std::string PTplus = kZeroList, PEplus = kZeroList;

    friend bool operator==(const RosterRow&, const RosterRow&) = default;
};

struct Roster {
    /// A team is loaded: header band, frames, captions and btSave shown, btOpen hidden.
    bool loaded = false;
    /// How the team file was encoded; the orders file goes back the same way.
    Encoding encoding = Encoding::Windows1252;

    std::string cEquipe, PE, PM, K;
    std::array<RosterRow, kRows> rows{};

    std::string cptsel = "0";
    std::string PL_USED = "0", PA_USED = "0", PT_USED = "0", PE_USED = "0", PM_USED = "0";

    std::string sectors = "2";
    std::vector<std::string> sectorsItems;
    bool sectorsEnabled = true;

    std::int16_t currentRow = 0;
    std::string currentRiderName;

    friend bool operator==(const Roster&, const Roster&) = default;
};

}  // namespace rdo
