#include "roster/ui/Guide.h"

#include <QPushButton>

#include "roster/MainActions.h"

namespace rdo {

Guide::Guide(Host& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("Guide"));
    setWindowTitle(QStringLiteral("Rédaction des Ordres v1.0.1"));
    setFixedSize(792, 573);

    btOpen_ = new QPushButton(this);
    btOpen_->setObjectName(QStringLiteral("btOpen"));
    btOpen_->setGeometry(304, 168, 169, 201);
    connect(btOpen_, &QPushButton::clicked, this, &Guide::openTeamClicked);

    btSave_ = new QPushButton(QStringLiteral("Enregistrer Ordres"), this);
    btSave_->setObjectName(QStringLiteral("btSave"));
    btSave_->setGeometry(496, 544, 97, 25);
    connect(btSave_, &QPushButton::clicked, this, &Guide::saveClicked);

    refresh();
}

void Guide::refresh() {
    btOpen_->setVisible(!roster_.loaded);
    btSave_->setVisible(roster_.loaded);
}

void Guide::openTeamClicked() {
    if (openTeam(roster_, host_)) {
        refresh();
        btSave_->setFocus();
    }
}

void Guide::saveClicked() {
    if (saveOrders(roster_, host_)) {
        close();
    }
}

}  // namespace rdo
