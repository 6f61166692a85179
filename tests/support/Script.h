// Sessions of user actions written as text, played on the logic through the
// fake host, with the values and messages they must give. One command a line;
// "#" starts a comment.
//
//   team FILE                 load a team file of the source tree with « btOpen »
//   team K|W|C|D|NAME; ...    load a made-up team, a rider each: key, injury weeks,
//                             doping code and detail, name
//   sectors ITEM              pick ITEM from the list « Nb de Secteurs »
//   set NAME VALUE            give a roster value a text, e.g. "set PE2_1 16"
//   open ROW                  double-click the name of ROW; the lines indented under it
//                             are played in its orders dialog, which is closed from its
//                             title bar at the end of the block if it is still open
//     pick COMBO ITEM         pick ITEM from the list of COMBO (cbPE_0 ... cbPL, cbdope)
//     type COMBO TEXT         type TEXT (the rest of the line, maybe empty) into COMBO
//     click K                 click the work box of sector K + 1
//     confirm | select | rest « Confirme le dopage », « Sélectionner », « Au repos »
//   expect NAME VALUE         NAME holds VALUE (the rest of the line): in a dialog block
//                             the dialog's values, else the roster's; a row's as NAME_ROW
//                             (PE2_0, Dope1_3, line_0: the row's orders line)
//   message TEXT              the next message the program showed is TEXT, "\n" a line end
// Every message shown must be expected by a `message` line.
#pragma once

#include <string>

namespace rdo::test {

/// Plays `script`; returns its failures, one line each, or an empty text.
std::string playScript(const std::string& script);

}  // namespace rdo::test
