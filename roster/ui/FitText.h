// Texts that fit their boxes: a text a little too wide for its box is drawn
// with a narrower font instead of being cut off.
#pragma once

class QLabel;
class QLineEdit;

namespace rdo {

/// Narrows the font of `label` until its text fits its width.
void fitText(QLabel* label);

/// Narrows the font of `field` until its text fits without scrolling.
void fitText(QLineEdit* field);

/// Width left for the text inside `field`.
int textRoom(const QLineEdit* field);

}  // namespace rdo
