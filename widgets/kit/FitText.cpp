#include "widgets/kit/FitText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace rdo {
namespace {

// Narrower than this, a text is hard to read: it gets smaller instead.
constexpr int kNarrowestStretch = 75;
constexpr qreal kSmallestPoints = 8;

// QLineEdit keeps 2 px on each side of its text and 1 px for the cursor;
// one more pixel covers the overhang of italic or accented glyphs.
constexpr int kLineEditPadding = 2 * 2 + 1 + 1;

// The font the control was given, before any fitting narrowed or shrank it.
constexpr const char* kNominalFont = "rdoNominalFont";

// Widths are logical pixels, as the controls' places are: on a scaled screen (125 %, 150 %) Qt
// lays a text out at its logical size, then draws it scaled, so a text fitted here fits there
// too. QFontMetrics rounds a width as QLineEdit does when it decides to scroll.
void fitTo(QWidget* control, const QString& text, int room) {
    QVariant nominal = control->property(kNominalFont);
    if (!nominal.isValid()) {
        nominal = control->font();
        control->setProperty(kNominalFont, nominal);
    }
    QFont font = nominal.value<QFont>();
    font.setStretch(QFont::Unstretched);
    const int natural = QFontMetrics(font).horizontalAdvance(text);
    if (natural > room && room > 0) {
        // Glyph widths round to whole pixels: start from the proportional
        // stretch and narrow further while the text is still too wide.
        int stretch = std::max(kNarrowestStretch, room * QFont::Unstretched / natural);
        font.setStretch(stretch);
        while (stretch > kNarrowestStretch && QFontMetrics(font).horizontalAdvance(text) > room) {
            font.setStretch(--stretch);
        }
        while (font.pointSizeF() > kSmallestPoints &&
               QFontMetrics(font).horizontalAdvance(text) > room) {
            font.setPointSizeF(font.pointSizeF() - 0.5);
        }
    }
    if (font != control->font()) {
        control->setFont(font);
    }
}

}  // namespace

void fitText(QLabel* label) {
    fitTo(label, label->text(), label->contentsRect().width());
}

void fitText(QLineEdit* field) {
    fitTo(field, field->text(), textRoom(field));
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
