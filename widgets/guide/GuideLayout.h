// Where the main window's controls stand, what they are called and how they show
// their text.
#pragma once

#include <QRect>
#include <QSize>
#include <string>

#include "model/Roster.h"
#include "widgets/guide/GuideLook.h"

namespace rdo {

// Positions are those of a 96 dpi screen; Qt scales the whole window on others.
inline constexpr QSize kClientSize{792, 573};
inline constexpr int kRowPitch = 24;
inline constexpr int kGridCaptionTop = 152;
inline constexpr int kGridRowTop = 176;
inline constexpr int kOrdersCaptionTop = 24;
inline constexpr int kOrdersRowTop = 48;
inline constexpr int kRowFieldHeight = 19;
inline constexpr int kCaptionHeight = 17;

struct Caption {
    const char* name;
    const char* text;
    QRect rect;
    const char* accessibleName;
};

// The captions of the header band and of the sectors choice.
inline constexpr Caption kHeadings[] = {
    {"Label21", "Sélectionnés :", {24, 0, 101, 18}, "Légende Sélectionnés"},
    {"LabPE", "Points d'échappée :", {56, 48, 140, 18}, "Légende Points d'échappée"},
    {"LabPM", "Points de Motivation :", {264, 49, 161, 17}, "Légende Points de Motivation"},
    {"LabK", "En Caisse :", {488, 48, 79, 18}, "Légende En Caisse"},
    {"LabK2", "K", {632, 48, 11, 18}, "Unité K"},
    {"Label14", "Nb de Secteurs:", {528, 88, 114, 18}, "Légende Nb de Secteurs"},
};

struct HeaderField {
    const char* name;
    std::string Roster::*text;
    QRect rect;
    TextStyle style;
    const char* accessibleName;
};

inline constexpr HeaderField kHeaderFields[] = {
    {"cptsel", &Roster::cptsel, {56, 16, 41, 25}, TextStyle::Counter, "Sélectionnés"},
    {"cEquipe", &Roster::cEquipe, {168, 0, 473, 41}, TextStyle::Title, "Équipe"},
    {"PE", &Roster::PE, {200, 45, 41, 25}, TextStyle::Counter, "Points d'échappée"},
    {"PM", &Roster::PM, {424, 45, 41, 25}, TextStyle::Counter, "Points de Motivation"},
    {"K", &Roster::K, {568, 45, 65, 25}, TextStyle::Counter, "En Caisse"},
};

// The totals of points spent, each with its caption at its left; positions
// inside the frame Fra_used.
struct Total {
    const char* captionName;
    const char* caption;
    int captionLeft;
    const char* name;
    std::string Roster::*text;
    int left;
};

inline constexpr Total kTotals[] = {
    {"Label1", "PM", 24, "PM_USED", &Roster::PM_USED, 56},
    {"Label2", "PE", 120, "PE_USED", &Roster::PE_USED, 144},
    {"Label3", "PT", 200, "PT_USED", &Roster::PT_USED, 232},
    {"Label4", "PA", 280, "PA_USED", &Roster::PA_USED, 312},
    {"Label20", "PL", 368, "PL_USED", &Roster::PL_USED, 400},
};
inline constexpr int kTotalTop = 24;
inline constexpr int kTotalWidth = 33;

// A column of roster rows with its caption.
struct Column {
    const char* name;
    std::string RosterRow::*text;
    int left;
    int width;
    TextStyle style;
    const char* captionName;
    const char* caption;
    int captionWidth;
    bool RosterRow::*onRed = nullptr;  // the field's background is red when this holds
};

// The grid, left to right; the rider's name comes first.
inline constexpr Column kGridColumns[] = {
    {"nom1", &RosterRow::nom1, 32, 129, TextStyle::Plain, "Label5", "Coureur", 129},
    {"Pays1", &RosterRow::Pays1, 168, 57, TextStyle::Plain, "Label6", "Nation", 57},
    {"SP1", &RosterRow::SP1, 232, 33, TextStyle::Centred, "Label7", "SP", 33},
    {"RO1", &RosterRow::RO1, 272, 33, TextStyle::Centred, "Label8", "RO", 33},
    {"GR1", &RosterRow::GR1, 312, 33, TextStyle::Centred, "Label9", "GR", 33},
    {"Ene1", &RosterRow::Ene1, 352, 33, TextStyle::Centred, "Label10", "Ene", 33},
    {"bless1", &RosterRow::bless1, 392, 65, TextStyle::Plain, "Label11", "Forme", 65},
    {"Dope1", &RosterRow::Dope1, 464, 73, TextStyle::Plain, "Label12", "Dopage", 81,
     &RosterRow::dopeOnRed},
    {"PM1", &RosterRow::PM1, 544, 33, TextStyle::Centred, "Label13", "PM", 33},
};

// The orders columns, inside the frame Fra_ord.
inline constexpr Column kOrderColumns[] = {
    {"PM2", &RosterRow::PM2, 8, 33, TextStyle::Order, "Label15", "PM", 33},
    {"PE2", &RosterRow::PE2, 48, 33, TextStyle::Order, "Label16", "PE", 33},
    {"PL2", &RosterRow::PL2, 88, 33, TextStyle::Order, "Label17", "PL", 33},
    {"PA2", &RosterRow::PA2, 128, 33, TextStyle::Order, "Label18", "PA", 33},
    {"PT2", &RosterRow::PT2, 168, 33, TextStyle::Order, "Label19", "PT", 33},
};

}  // namespace rdo
