// What both windows' controls share: the game's fonts, RGB colours, names.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QWidget>

#include "roster/Roster.h"

namespace rdo {

/// UTF-8 text, as the program's sources hold it, for Qt.
inline QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

/// The object name of element `index` of a control array, e.g. "nom1_3".
QString elementName(const char* name, int index);

/// `family` at `points`; Liberation Sans (Arial's widths) stands in for the
/// Windows fonts where they are missing.
QFont gameFont(const QString& family, qreal points, bool bold = false);

QColor qColor(Rgb rgb);

/// Gives `widget` the colour `rgb` for `role`; nothing changes when it has it.
void setColor(QWidget* widget, QPalette::ColorRole role, Rgb rgb);

/// Names and places a new control; screen readers say `accessibleName`.
template <typename Control>
Control* place(Control* control, const QString& name, const QRect& rect,
               const QString& accessibleName) {
    control->setObjectName(name);
    control->setGeometry(rect);
    control->setAccessibleName(accessibleName);
    return control;
}

}  // namespace rdo
