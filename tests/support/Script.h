// Sessions of user actions written as text, played on the logic through the
// fake host, with the values and messages they must give. One command a line;
// "#" starts a comment; a command's last argument is the rest of its line.
//
//   team [FILE]               load a team file of the source tree with « btOpen »; without
//                             one, the chooser is cancelled
//   team K|W|C|D|NAME; ...    load a made-up team, a rider each: key, injury weeks,
//                             doping code and detail, name
//   beside FILE               FILE of the source tree stands beside the next team file, as
//                             the orders saved for it
//   answers ANSWER...         the next questions are answered Yes, No, Save, Discard, Cancel;
//                             past these, with Escape
//   sectors ITEM              pick ITEM from the list « Nb de Secteurs »
//   type sectors TEXT         type TEXT into « Nb de Secteurs »
//   open ROW                  double-click the name of ROW; the lines indented under it
//                             are played in its orders dialog, which is closed from its
//                             title bar at the end of the block if it is still open
//     pick COMBO ITEM         pick ITEM from the list of COMBO (cbPE_0 ... cbPL, cbdope)
//     type COMBO TEXT         type TEXT into COMBO
//     click K                 click the work box of sector K + 1
//     confirm | select | rest « Confirme le dopage », « Sélectionner », « Au repos »
//   undo | redo               Ctrl+Z, Ctrl+Y in the main window
//   writefails [REASON]       every later write fails for REASON; none without one
//   save [PATH]               « Enregistrer Ordres », the chooser answering PATH or cancelled
//   saved PATH FILE           the orders file saved at PATH holds the bytes of FILE
//   restart                   start the program again, on a computer without recovery copies
//   killed [gone | changed]   the program is killed and started again with no team named; the
//                             team file loaded last is gone, or has a byte more
//   expect NAME VALUE         NAME holds VALUE: in a dialog block the dialog's values, else
//                             the roster's; a row's as NAME_ROW (PE2_0, Dope1_3, line_0:
//                             the row's orders line); `dialogs` the dialogs shown, `filters`
//                             the choosers' filters, joined by " ; ", `copies` the recovery
//                             copies kept
//   message TEXT              the next message the program showed is TEXT, "\n" a line end
//   question TEXT             the next question the program asked is TEXT
// Every message shown must be expected by a `message` line. Every action goes through the
// program's own functions, and one no player can take fails the session: a list that is
// disabled or hidden, an item not in the list, a sector column or a row not shown.
#pragma once

#include <string>

namespace rdo::test {

/// Plays `script`; returns its failures, one line each, or an empty text.
std::string playScript(const std::string& script);

/// Plays `script` as a fuzzer does: lines that cannot be played, actions no
/// player can take and lines that expect values are skipped, a written orders file ends the
/// session, and after every action the program's promises are checked: lists of ten entries, at
/// most five worked sectors, every accepted pick within its limits, totals equal to the sums of the
/// rows once a dialog is left, an orders file the game reads by position. Returns the broken
/// promises, or an empty text. Either way, an undo must give back exactly the roster before the
/// last dialog, and a redo the roster that undo left.
std::string playChecked(const std::string& script);

}  // namespace rdo::test
