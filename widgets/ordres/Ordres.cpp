#include "widgets/ordres/Ordres.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <vector>

#include "orders/Limits.h"
#include "orders/OrdersDialog.h"
#include "widgets/kit/FitText.h"
#include "widgets/kit/Kit.h"
#include "widgets/kit/PickList.h"

namespace rdo {
namespace {

struct Field {
    const char* name;
    std::string OrdersDialog::*value;
    QRect place;
    const char* accessibleName;
};

// The rider's name, then the ratings under their captions "SP", "RO", "GR", "PM".
constexpr Field kFields[] = {
    {"nomcour", &OrdersDialog::nomcour, {72, 8, 273, 33}, "Nom du coureur"},
    {"SP", &OrdersDialog::SP, {56, 80, 41, 17}, "SP du coureur"},
    {"RO", &OrdersDialog::RO, {136, 80, 41, 17}, "RO du coureur"},
    {"GR", &OrdersDialog::GR, {216, 80, 41, 17}, "GR du coureur"},
    {"PM", &OrdersDialog::PM, {296, 80, 41, 17}, "PM du coureur"},
};

// Four columns: the ratings' captions Label1 to Label4 over the allocations'
// Label6 to Label9, each caption 65 wide, its combo 8 to the right of it.
constexpr int kColumnLeft = 40;
constexpr int kColumnPitch = 80;
constexpr int kRatingCaptionTop = 56;
constexpr int kAllocationCaptionTop = 120;
constexpr int kAllocationTop = 144;

// Left to right, a rating of the rider over the points of one kind given for the race.
struct Column {
    const Field& rating;
    const RaceAllocation& allocation;
    Rgb colour;  // of the allocation's list
};

constexpr Column kColumns[] = {
    {kFields[1], kRaceAllocations[0], {128, 128, 255}},
    {kFields[2], kRaceAllocations[1], {192, 255, 192}},
    {kFields[3], kRaceAllocations[2], {255, 192, 255}},
    {kFields[4], kRaceAllocations[3], {255, 224, 192}},
};

constexpr Rgb kSectorColour{255, 192, 128};
constexpr int kSectorLefts[] = {24, 104, 184, 256, 336};
constexpr int kSectorTop = 200;
constexpr int kSectorLineHeight = 80;  // sectors 6 to 10 sit one line below 1 to 5

QStringList numbers(int last) {
    QStringList items;
    for (int n = 0; n <= last; ++n) {
        items << QString::number(n);
    }
    return items;
}

QLabel* centredCaption(QWidget* parent, const QString& name, const QString& caption,
                       const QRect& rect, const QFont& font, const QString& accessibleName) {
    return addCaption(parent, name, caption, rect, font, Qt::AlignCenter, accessibleName);
}

QPushButton* button(const char* name, const char* caption, const QRect& rect, QWidget* parent) {
    auto* result = place(new QPushButton(text(caption), parent), text(name), rect, text(caption));
    // Neither Enter nor the focus makes a button the one Enter presses.
    result->setAutoDefault(false);
    result->setDefault(false);
    return result;
}

void showChecked(QCheckBox* box, int value) {
    if (box->isChecked() != (value != 0)) {
        const QSignalBlocker blocker(box);
        box->setChecked(value != 0);
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
    setFont(sansSerif(8.25));
    setColor(this, QPalette::Window, kPaleBlue);

    buildRiderLines();
    buildSectorColumns();
    buildLowerLines();
    chainTabOrder();
    refresh();
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
                    typeDialogText(dialog_, value, typed.toStdString());
                });
        fields_[i] = edit;
    }
    fields_[0]->setFont(arial(18, true));

    const QFont captionFont = sansSerif(9.75, true);
    for (std::size_t i = 0; i < allocations_.size(); ++i) {
        const int left = kColumnLeft + kColumnPitch * static_cast<int>(i);
        const Column& column = kColumns[i];
        centredCaption(this, QStringLiteral("Label%1").arg(1 + i), text(column.rating.name),
                       {left, kRatingCaptionTop, 65, 17}, captionFont,
                       QStringLiteral("Légende ") + text(column.rating.accessibleName));

        const RaceAllocation& allocation = column.allocation;
        const QString name = text(allocation.name);
        centredCaption(this, QStringLiteral("Label%1").arg(6 + i), name,
                       {left, kAllocationCaptionTop, 65, 17}, captionFont,
                       QStringLiteral("Légende ") + name + QStringLiteral(" attribués"));
        auto* combo =
            place(new PickList(numbers(allocation.lastItem), this), QStringLiteral("cb") + name,
                  {left + 8, kAllocationTop, 49, 21}, name + QStringLiteral(" attribués"));
        setColor(combo, QPalette::Base, column.colour);
        connect(combo, &PickList::picked, this, [this, &allocation](const QString& item) {
            pickAllocation(dialog_, roster_, host_, allocation, item.toStdString());
            afterAction();
        });
        connect(combo, &PickList::typed, this, [this, &allocation](const QString& typed) {
            typeDialogText(dialog_, allocation.combo, typed.toStdString());
        });
        allocations_[i] = combo;
    }
}

// Only the race's sector columns are built: the others would stay hidden for
// the dialog's whole life, and their values live in the dialog's values.
void Ordres::buildSectorColumns() {
    for (int k = 0; k < dialog_.sectorCount; ++k) {
        const int left = kSectorLefts[k % 5];
        const int top = kSectorTop + (k / 5) * kSectorLineHeight;
        const QString sector = QString::number(k + 1);
        const QString caption = QStringLiteral("PE (sect ") + sector + QLatin1Char(')');

        centredCaption(this, elementName("Label5", k), caption, {left, top, k == 9 ? 73 : 57, 17},
                       font(), caption);

        auto* combo = place(new PickList(numbers(kSectorPELastItem), this), elementName("cbPE", k),
                            {left, top + 16, 49, 21}, QStringLiteral("PE secteur ") + sector);
        setColor(combo, QPalette::Base, kSectorColour);
        connect(combo, &PickList::picked, this, [this, k](const QString& item) {
            pickSectorPE(dialog_, roster_, host_, k, item.toStdString());
            afterAction();
        });
        connect(combo, &PickList::typed, this,
                [this, k](const QString& typed) { typeSectorPE(dialog_, k, typed.toStdString()); });
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
    QStringList products;
    for (const DopingProduct& product : kDopingProducts) {
        products << text(product.choice);
    }
    cbdope_ = place(new PickList(products, this), QStringLiteral("cbdope"), {56, 360, 121, 21},
                    text("Produit dopant"));
    setColor(cbdope_, QPalette::Base, kRed);
    connect(cbdope_, &PickList::picked, this, [this](const QString& item) {
        pickDoping(dialog_, item.toStdString());
        afterAction();
    });
    connect(cbdope_, &PickList::typed, this, [this](const QString& typed) {
        typeDialogText(dialog_, &OrdersDialog::cbdope, typed.toStdString());
    });

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
    const auto& [cbPM, cbPA, cbPT, cbPL] = allocations_;
    std::vector<QWidget*> order{OKButton_, CancelButton_, cbPA};
    order.insert(order.end(), cbPE_.begin(), cbPE_.begin() + dialog_.sectorCount);
    order.insert(order.end(), {cbPM, cbPT, cbPL});
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
        allocations_[i]->showText(dialog_.*kColumns[i].allocation.combo);
    }
    for (int k = 0; k < dialog_.sectorCount; ++k) {
        cbPE_[k]->showText(dialog_.cbPE[k]);
        showChecked(Check1_[k], dialog_.Check1[k]);
    }
    showIf(cbdope_, dialog_.cbdopeVisible);
    cbdope_->showText(dialog_.cbdope);
    showIf(btconfirme_, dialog_.btconfirmeVisible);
}

}  // namespace rdo
