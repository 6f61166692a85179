#include "roster/ui/GuideLook.h"

#include "host/qt/Controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <optional>

namespace rdo {
namespace {

constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kDarkRed{192, 0, 0};

struct Look {
    qreal points = 8.25;
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    std::optional<Rgb> colour;
};

Look lookOf(TextStyle style) {
    switch (style) {
        case TextStyle::Plain:
            return {};
        case TextStyle::Centred:
            return {8.25, false, Qt::AlignHCenter, {}};
        case TextStyle::Heading:
            return {11.25, true, Qt::AlignLeft, {}};
        case TextStyle::Title:
            return {24, true, Qt::AlignHCenter, kRed};
        case TextStyle::Counter:
            return {14.25, true, Qt::AlignHCenter, kBlue};
        case TextStyle::ColumnCaption:
            return {9.75, true, Qt::AlignHCenter, {}};
        case TextStyle::Total:
            return {9.75, true, Qt::AlignLeft, kBlue};
        case TextStyle::Order:
            return {8.25, false, Qt::AlignHCenter, kDarkRed};
    }
    return {};
}

}  // namespace

QFont guideFont(qreal points, bool bold) {
    return gameFont(QStringLiteral("MS Sans Serif"), points, bold);
}

void applyTextStyle(QWidget* control, TextStyle style) {
    const Look look = lookOf(style);
    control->setFont(guideFont(look.points, look.bold));
    if (look.colour) {
        setColor(control, QPalette::WindowText, *look.colour);
        setColor(control, QPalette::Text, *look.colour);
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setAlignment(look.alignment | Qt::AlignVCenter);
    } else if (auto* field = qobject_cast<QLineEdit*>(control)) {
        field->setAlignment(look.alignment | Qt::AlignVCenter);
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        frame->setAlignment(look.alignment);
    }
}

}  // namespace rdo
