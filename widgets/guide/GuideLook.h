// The main window's text styles, in the game's MS Sans Serif.
#pragma once

#include <QFont>

class QWidget;

namespace rdo {

/// How a control of the main window shows its text.
enum class TextStyle {
    Plain,          // 8.25 points
    Centred,        // the ratings
    Heading,        // the captions of the header band: bold 11.25 points
    Title,          // the team name: bold 24 points, red, centred
    Counter,        // the header values: bold 14.25 points, blue, centred
    ColumnCaption,  // the grid and orders captions: bold 9.75 points, centred
    Total,          // the points spent: bold 9.75 points, blue
    Order,          // the orders columns: dark red, centred
};

QFont fontOf(TextStyle style);

/// Horizontal alignment, centred vertically.
Qt::Alignment alignmentOf(TextStyle style);

/// Gives a label, text field or frame the font, colour and alignment of `style`.
void applyTextStyle(QWidget* control, TextStyle style);

}  // namespace rdo
