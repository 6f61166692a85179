#include "orders/ui/Look.h"

#include "host/qt/Controls.h"

#include <QFontMetrics>
#include <QStringList>

namespace rdo {
QFont dialogFont() {
    return gameFont(QStringLiteral("MS Sans Serif"), 8.25, false);
}

QFont captionFont() {
    return gameFont(QStringLiteral("MS Sans Serif"), 9.75, true);
}

QFont titleFont(const QString& name, int width) {
    constexpr qreal kSmallest = 8;
    for (qreal points = 18; points > kSmallest; points -= 0.5) {
        const QFont title = gameFont(QStringLiteral("Arial"), points, true);
        if (QFontMetrics(title).horizontalAdvance(name) <= width) {
            return title;
        }
    }
    return gameFont(QStringLiteral("Arial"), kSmallest, true);
}

}  // namespace rdo
