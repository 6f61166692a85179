#include "orders/ui/Look.h"

#include <QFontMetrics>
#include <QStringList>
#include <QWidget>

namespace rdo {
namespace {

QFont font(const QString& family, qreal points, bool bold) {
    QFont result;
    result.setFamilies({family, QStringLiteral("Liberation Sans")});
    result.setPointSizeF(points);
    result.setBold(bold);
    return result;
}

}  // namespace

QFont dialogFont() {
    return font(QStringLiteral("MS Sans Serif"), 8.25, false);
}

QFont captionFont() {
    return font(QStringLiteral("MS Sans Serif"), 9.75, true);
}

QFont titleFont(const QString& name, int width) {
    constexpr qreal kSmallest = 8;
    for (qreal points = 18; points > kSmallest; points -= 0.5) {
        const QFont title = font(QStringLiteral("Arial"), points, true);
        if (QFontMetrics(title).horizontalAdvance(name) <= width) {
            return title;
        }
    }
    return font(QStringLiteral("Arial"), kSmallest, true);
}

void paint(QWidget* widget, QPalette::ColorRole role, Rgb color) {
    QPalette palette = widget->palette();
    palette.setColor(role, QColor(color.r, color.g, color.b));
    widget->setPalette(palette);
}

}  // namespace rdo
