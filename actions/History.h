// The steps the player can go back over and forward again. A step is the roster as it stood
// before one orders dialog; the number of sectors is no part of it and stays as it is.
#pragma once

#include <deque>

#include "model/Roster.h"

namespace rdo {

class History {
  public:
    /// A new step from `before` to `after`, unless the player would see no change (the row
    /// opened last is not seen): the steps ahead are dropped, as after an undo they lead to
    /// orders the player has replaced.
    void record(Roster before, const Roster& after);

    /// Puts `roster` back as it stood before the last step; false when there is none.
    bool undo(Roster& roster);

    /// Puts `roster` forward over the step last undone; false when there is none.
    bool redo(Roster& roster);

    /// Whether an undo, or a redo, has a step to go over.
    bool canUndo() const { return !back_.empty(); }
    bool canRedo() const { return !ahead_.empty(); }

  private:
    std::deque<Roster> back_;   // the nearest last
    std::deque<Roster> ahead_;  // the nearest last
};

}  // namespace rdo
