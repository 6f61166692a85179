// The dialog's fonts and colours. The fonts are the game's own, MS Sans Serif
// and Arial; where they are missing, Liberation Sans (Arial's widths) stands in.
#pragma once

#include <QFont>
#include <QPalette>

#include "roster/Roster.h"

class QWidget;

namespace rdo {

/// The dialog's normal font: MS Sans Serif, 8.25 points.
QFont dialogFont();

/// The captions above the ratings and the points: bold, 9.75 points.
QFont captionFont();

/// The rider's name: bold Arial, 18 points, or smaller for a name that would
/// not fit in `width` pixels.
QFont titleFont(const QString& name, int width);

}  // namespace rdo
