#include "roster/ui/FitText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace rdo {
namespace {

// Narrower than this, a text is hard to read: it is cut off instead.
constexpr int kNarrowestStretch = 75;

// QLineEdit keeps 2 px on each side of its text and 1 px for the cursor;
// one more pixel covers the overhang of italic or accented glyphs.
constexpr int kLineEditPadding = 2 * 2 + 1 + 1;

void narrowToFit(QWidget* control, const QString& text, int room) {
    QFont font = control->font();
    int stretch = QFont::Unstretched;
    font.setStretch(stretch);
    const int natural = QFontMetrics(font).horizontalAdvance(text);
    if (natural > room && room > 0) {
        // Glyph widths round to whole pixels: start from the proportional
        // stretch and narrow further while the text is still too wide.
        stretch = std::max(kNarrowestStretch, room * QFont::Unstretched / natural);
        font.setStretch(stretch);
        while (stretch > kNarrowestStretch && QFontMetrics(font).horizontalAdvance(text) > room) {
            font.setStretch(--stretch);
        }
    }
    if (font != control->font()) {
        control->setFont(font);
    }
}

}  // namespace

void fitText(QLabel* label) {
    narrowToFit(label, label->text(), label->contentsRect().width());
}

void fitText(QLineEdit* field) {
    narrowToFit(field, field->text(), textRoom(field));
}

int textRoom(const QLineEdit* field) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth,
                                                                       &option, field)
                                         : 0;
    const QRect contents =
        field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    const QMargins margins = field->textMargins();
    return contents.width() - margins.left() - margins.right() - kLineEditPadding;
}

}  // namespace rdo
