#include "host/qt/Controls.h"

#include <QStringList>

namespace rdo {

QString elementName(const char* name, int index) {
    return text(name) + QLatin1Char('_') + QString::number(index);
}

QFont gameFont(const QString& family, qreal points, bool bold) {
    QFont font;
    font.setFamilies({family, QStringLiteral("Liberation Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QColor qColor(Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

void setColor(QWidget* widget, QPalette::ColorRole role, Rgb rgb) {
    const QColor colour = qColor(rgb);
    if (widget->palette().color(role) == colour) {
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

}  // namespace rdo
