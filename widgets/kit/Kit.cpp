#include "widgets/kit/Kit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "widgets/kit/FitText.h"

namespace rdo {
namespace {

QFont gameFont(QStringList families, qreal points, bool bold) {
    QFont font;
    families.append(QStringLiteral("Liberation Sans"));
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace

QString elementName(const char* name, int index) {
    return text(name) + QLatin1Char('_') + QString::number(index);
}

// Windows' MS Sans Serif is a bitmap font: snapped to its own sizes, deaf to the stretch that
// fits a long text, and missing letters under Wine. Its TrueType twin, made to its widths, is
// on every Windows since 2000.
QFont sansSerif(qreal points, bool bold) {
    return gameFont({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("MS Sans Serif")},
                    points, bold);
}

QFont arial(qreal points, bool bold) {
    return gameFont({QStringLiteral("Arial")}, points, bold);
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

void setAccessibleNames(QWidget* control, const QString& accessibleName) {
    control->setAccessibleName(accessibleName);
    // A list's edit field is read on its own too: it carries the list's name.
    if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit()) {
        list->lineEdit()->setAccessibleName(accessibleName);
    }
}

QLabel* addCaption(QWidget* parent, const QString& name, const QString& caption, const QRect& rect,
                   const QFont& font, Qt::Alignment alignment, const QString& accessibleName) {
    auto* label = place(new QLabel(caption, parent), name, rect, accessibleName);
    label->setFont(font);
    label->setAlignment(alignment);
    fitText(label);
    return label;
}

void showIf(QWidget* control, bool visible) {
    if (control->isHidden() == visible || !control->testAttribute(Qt::WA_WState_ExplicitShowHide)) {
        control->setVisible(visible);
    }
}

void showText(QLineEdit* field, const std::string& value) {
    const QString shown = QString::fromStdString(value);
    if (field->text() == shown) {
        return;
    }
    const QSignalBlocker blocker(field);
    field->setText(shown);
    field->setCursorPosition(0);  // a text too long for its box shows its start
    fitText(field);
}

}  // namespace rdo
