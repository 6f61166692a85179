#include "widgets/guide/GuideLook.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <optional>

#include "widgets/kit/Kit.h"

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

QFont fontOf(TextStyle style) {
    const Look look = lookOf(style);
    return sansSerif(look.points, look.bold);
}

Qt::Alignment alignmentOf(TextStyle style) {
    return lookOf(style).alignment | Qt::AlignVCenter;
}

void applyTextStyle(QWidget* control, TextStyle style) {
    const Look look = lookOf(style);
    control->setFont(fontOf(style));
    if (look.colour) {
        setColor(control, QPalette::WindowText, *look.colour);
        setColor(control, QPalette::Text, *look.colour);
    }
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        field->setAlignment(alignmentOf(style));
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        frame->setAlignment(look.alignment);
    }
}

}  // namespace rdo
