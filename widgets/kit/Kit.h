// What both windows' controls share: the game's fonts and colours, control
// names and places, captions, and showing a value in a control.
#pragma once

#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QWidget>
#include <string>

class QLabel;
class QLineEdit;

namespace rdo {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

/// The background of both windows and of their fields.
inline constexpr Rgb kPaleBlue{192, 192, 255};
/// A doping ordered for the race; the team name.
inline constexpr Rgb kRed{255, 0, 0};

/// UTF-8 text, as the program's sources hold it, for Qt.
inline QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

/// The object name of element `index` of a control array, e.g. "nom1_3".
QString elementName(const char* name, int index);

/// The game's MS Sans Serif at `points`, as its TrueType twin Microsoft Sans
/// Serif where there is one; Liberation Sans (Arial's widths) stands in where
/// both are missing.
QFont sansSerif(qreal points, bool bold = false);

/// Arial at `points`, or Liberation Sans where it is missing.
QFont arial(qreal points, bool bold = false);

QColor qColor(Rgb rgb);

/// Gives `widget` the colour `rgb` for `role`; nothing changes when it has it.
void setColor(QWidget* widget, QPalette::ColorRole role, Rgb rgb);

/// Gives `control` the name screen readers say.
void setAccessibleNames(QWidget* control, const QString& accessibleName);

/// Names and places a new control; screen readers say `accessibleName`.
template <typename Control>
Control* place(Control* control, const QString& name, const QRect& rect,
               const QString& accessibleName) {
    control->setObjectName(name);
    control->setGeometry(rect);
    setAccessibleNames(control, accessibleName);
    return control;
}

/// A new caption, named and placed, its text fitted to its width.
QLabel* addCaption(QWidget* parent, const QString& name, const QString& caption, const QRect& rect,
                   const QFont& font, Qt::Alignment alignment, const QString& accessibleName);

/// Shows or hides `control`. A new control is hidden without having been
/// hidden on purpose and would appear with its window: the first call settles it.
void showIf(QWidget* control, bool visible);

/// Shows `value` in `field` from its start, narrowed to fit; emits nothing.
void showText(QLineEdit* field, const std::string& value);

}  // namespace rdo
