#include "orders/ui/Ordres.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <vector>

#include "host/qt/Controls.h"
#include "host/qt/PickList.h"
#include "orders/OrdersDialog.h"
#include "orders/ui/Look.h"

namespace rdo {
namespace {

struct Field {
    const char* name;
    std::string OrdersDialog::*value;
    QRect place;
    const char* accessibleName;
};

const Field kFields[] = {
    {"nomcour", &OrdersDialog::nomcour, {72, 8, 273, 33}, "Nom du coureur"},
    {"SP", &OrdersDialog::SP, {56, 80, 41, 17}, "SP du coureur"},
    {"RO", &OrdersDialog::RO, {136, 80, 41, 17}, "RO du coureur"},
    {"GR", &OrdersDialog::GR, {216, 80, 41, 17}, "GR du coureur"},
    {"PM", &OrdersDialog::PM, {296, 80, 41, 17}, "PM du coureur"},
};

struct Caption {
    const char* name;
    const char* text;
    int left;
    int top;
};

const Caption kCaptions[] = {
    {"Label1", "SP", 40, 56},   {"Label2", "RO", 120, 56},  {"Label3", "GR", 200, 56},
    {"Label4", "PM", 280, 56},  {"Label6", "PM", 40, 120},  {"Label7", "PA", 120, 120},
    {"Label8", "PT", 200, 120}, {"Label9", "PL", 280, 120},
};

struct AllocationCombo {
    const char* name;
    Allocation kind;
    int lastItem;
    Rgb color;
    int left;
    const char* accessibleName;
};

// In the order of Allocation.
const AllocationCombo kAllocations[] = {
    {"cbPM", Allocation::PM, 7, {128, 128, 255}, 48, "PM attribués"},
    {"cbPA", Allocation::PA, 10, {192, 255, 192}, 128, "PA attribués"},
    {"cbPT", Allocation::PT, 5, {255, 192, 255}, 208, "PT attribués"},
    {"cbPL", Allocation::PL, 5, {255, 224, 192}, 288, "PL attribués"},
};

constexpr int kFieldPadding = 12;  // a text field's frame and inner margins
constexpr Rgb kSectorColor{255, 192, 128};
constexpr int kSectorLefts[] = {24, 104, 184, 256, 336};
constexpr int kSectorLineHeight = 80;  // sectors 6 to 10 sit one line below 1 to 5

QStringList numbers(int last) {
    QStringList items;
    for (int n = 0; n <= last; ++n) {
        items << QString::number(n);
    }
    return items;
}

QLabel* centredLabel(const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton* button(const char* name, const char* caption, const QRect& rect, QWidget* parent) {
    auto* result = place(new QPushButton(text(caption), parent), text(name), rect, text(caption));
    // Neither Enter nor the focus makes a button the one Enter presses.
    result->setAutoDefault(false);
    result->setDefault(false);
    return result;
}

void showText(QLineEdit* field, const std::string& value) {
    const QString shown = QString::fromStdString(value);
    if (field->text() != shown) {
        const QSignalBlocker blocker(field);
        field->setText(shown);
    }
}

void showChecked(QCheckBox* box, int value) {
    if (box->isChecked() != (value != 0)) {
        const QSignalBlocker blocker(box);
        box->setChecked(value != 0);
    }
}

void showVisible(QWidget* widget, bool visible) {
    if (widget->isHidden() == visible) {
        widget->setVisible(visible);
    }
}

}  // namespace

Ordres::Ordres(Roster& roster, OrdersDialog& dialog, Host& host, QWidget* parent)
    : QDialog(parent), roster_(roster), dialog_(dialog), host_(host) {
    setObjectName(QStringLiteral("ordres"));
    setWindowTitle(text("Entrez les ordres du coureur sélectionné"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(425, 462);
    setFont(dialogFont());
    setColor(this, QPalette::Window, kPaleBlue);

    buildRiderLines();
    buildSectorColumns();
    buildLowerLines();
    chainTabOrder();
    refresh();
    // The name only changes by typing; a long one is shown whole in a smaller size.
    QLineEdit* nomcour = fields_[0];
    nomcour->setFont(titleFont(nomcour->text(), nomcour->width() - kFieldPadding));
    nomcour->setCursorPosition(0);
    OKButton_->setFocus();
}

void Ordres::buildRiderLines() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const Field& field = kFields[i];
        auto* edit =
            place(new QLineEdit(this), text(field.name), field.place, text(field.accessibleName));
        edit->setAlignment(Qt::AlignCenter);
        edit->setFocusPolicy(Qt::ClickFocus);  // Tab passes them by
        setColor(edit, QPalette::Base, kPaleBlue);
        connect(edit, &QLineEdit::textEdited, this,
                [this, value = field.value](const QString& typed) {
                    dialog_.*value = typed.toStdString();
                });
        fields_[i] = edit;
    }

    for (const Caption& caption : kCaptions) {
        auto* label = place(centredLabel(text(caption.text), this), text(caption.name),
                            {caption.left, caption.top, 65, 17}, text(caption.text));
        label->setFont(captionFont());
    }

    for (std::size_t i = 0; i < allocations_.size(); ++i) {
        const AllocationCombo& allocation = kAllocations[i];
        auto* combo = place(new PickList(numbers(allocation.lastItem), this), text(allocation.name),
                            {allocation.left, 144, 49, 21}, text(allocation.accessibleName));
        setColor(combo, QPalette::Base, allocation.color);
        connect(combo, &PickList::picked, this,
                [this, kind = allocation.kind](const QString& item) {
                    pickAllocation(dialog_, roster_, host_, kind, item.toStdString());
                    afterAction();
                });
        connect(combo, &PickList::typed, this,
                [this, kind = allocation.kind](const QString& typed) {
                    allocationText(dialog_, kind) = typed.toStdString();
                });
        allocations_[i] = combo;
    }
}

// Only the race's sector columns are built: the others would stay hidden for
// the dialog's whole life, and their values live in the dialog's values.
void Ordres::buildSectorColumns() {
    for (int k = 0; k < dialog_.sectorCount; ++k) {
        const int left = kSectorLefts[k % 5];
        const int top = 200 + (k / 5) * kSectorLineHeight;
        const QString sector = QString::number(k + 1);
        const QString caption = QStringLiteral("PE (sect ") + sector + QLatin1Char(')');

        place(centredLabel(caption, this), elementName("Label5", k),
              {left, top, k == 9 ? 73 : 57, 17}, caption);

        auto* combo = place(new PickList(numbers(7), this), elementName("cbPE", k),
                            {left, top + 16, 49, 21}, QStringLiteral("PE secteur ") + sector);
        setColor(combo, QPalette::Base, kSectorColor);
        connect(combo, &PickList::picked, this, [this, k](const QString& item) {
            pickSectorPE(dialog_, roster_, host_, k, item.toStdString());
            afterAction();
        });
        connect(combo, &PickList::typed, this,
                [this, k](const QString& typed) { dialog_.cbPE[k] = typed.toStdString(); });
        cbPE_[k] = combo;

        auto* box =
            place(new QCheckBox(QStringLiteral("PT"), this), elementName("Check1", k),
                  {left + 8, top + 40, 41, 17}, QStringLiteral("Travail secteur ") + sector);
        connect(box, &QCheckBox::clicked, this, [this, k](bool checked) {
            setSectorWork(dialog_, host_, k, checked ? 1 : 0);
            afterAction();
        });
        Check1_[k] = box;
    }
}

void Ordres::buildLowerLines() {
    cbdope_ =
        place(new PickList({text("Clean"), text("Amphétamines"), text("EPO"), text("PFC")}, this),
              QStringLiteral("cbdope"), {56, 360, 121, 21}, text("Produit dopant"));
    setColor(cbdope_, QPalette::Base, kRed);
    connect(cbdope_, &PickList::picked, this, [this](const QString& item) {
        pickDoping(dialog_, item.toStdString());
        afterAction();
    });
    connect(cbdope_, &PickList::typed, this,
            [this](const QString& typed) { dialog_.cbdope = typed.toStdString(); });

    btconfirme_ = button("btconfirme", "Confirme le dopage", {224, 360, 121, 25}, this);
    connect(btconfirme_, &QPushButton::clicked, this, [this] {
        confirmDoping(dialog_);
        afterAction();
    });

    CancelButton_ = button("CancelButton", "Au repos", {120, 416, 81, 25}, this);
    connect(CancelButton_, &QPushButton::clicked, this, [this] {
        restRider(dialog_, roster_);
        afterAction();
    });

    OKButton_ = button("OKButton", "Sélectionner", {232, 416, 81, 25}, this);
    connect(OKButton_, &QPushButton::clicked, this, [this] {
        commitOrders(dialog_, roster_, host_);
        afterAction();
    });
}

void Ordres::chainTabOrder() {
    const auto combo = [this](Allocation kind) {
        return allocations_[static_cast<std::size_t>(kind)];
    };
    std::vector<QWidget*> order{OKButton_, CancelButton_, combo(Allocation::PA)};
    order.insert(order.end(), cbPE_.begin(), cbPE_.begin() + dialog_.sectorCount);
    order.insert(order.end(),
                 {combo(Allocation::PM), combo(Allocation::PT), combo(Allocation::PL)});
    order.insert(order.end(), Check1_.begin(), Check1_.begin() + dialog_.sectorCount);
    order.insert(order.end(), {cbdope_, btconfirme_});
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void Ordres::afterAction() {
    refresh();
    if (dialog_.closed) {
        accept();
    }
}

void Ordres::refresh() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        showText(fields_[i], dialog_.*kFields[i].value);
    }
    for (std::size_t i = 0; i < allocations_.size(); ++i) {
        allocations_[i]->showText(allocationText(dialog_, kAllocations[i].kind));
    }
    for (int k = 0; k < dialog_.sectorCount; ++k) {
        cbPE_[k]->showText(dialog_.cbPE[k]);
        showChecked(Check1_[k], dialog_.Check1[k]);
    }
    showVisible(cbdope_, dialog_.cbdopeVisible);
    cbdope_->showText(dialog_.cbdope);
    showVisible(btconfirme_, dialog_.btconfirmeVisible);
}

}  // namespace rdo
