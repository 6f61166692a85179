// Texts that fit their boxes: a text too wide for its box is drawn with a
// narrower font, then a smaller one, instead of being cut off.
#pragma once

class QLabel;
class QLineEdit;

namespace rdo {

/// Fits the text of `label` to its width.
void fitText(QLabel* label);

/// Fits the text of `field` to its width, without scrolling.
void fitText(QLineEdit* field);

/// Width left for the text inside `field`.
int textRoom(const QLineEdit* field);

}  // namespace rdo
