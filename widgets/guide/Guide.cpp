#include "widgets/guide/Guide.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <functional>
#include <tuple>

#include "actions/Closing.h"
#include "actions/MainActions.h"
#include "actions/Recovery.h"
#include "plan/RacePlan.h"
#include "widgets/guide/CyclistsPicture.h"
#include "widgets/guide/RiderNameField.h"
#include "widgets/kit/Kit.h"
#include "widgets/kit/PickList.h"
#include "widgets/plan/PlanWindow.h"

namespace rdo {
namespace {

QString rowName(const QString& what, int row) {
    return QStringLiteral("%1, ligne %2").arg(what).arg(row + 1);
}

QLabel* styledCaption(QWidget* parent, const QString& name, const QString& caption,
                      const QRect& rect, TextStyle style, const QString& accessibleName) {
    return addCaption(parent, name, caption, rect, fontOf(style), alignmentOf(style),
                      accessibleName);
}

QLineEdit* setUpField(QLineEdit* field, const QString& name, const QRect& rect, TextStyle style,
                      const QString& accessibleName) {
    place(field, name, rect, accessibleName);
    field->setContextMenuPolicy(Qt::NoContextMenu);  // the window's own menu, not the field's
    field->setReadOnly(true);
    applyTextStyle(field, style);
    return field;
}

}  // namespace

Guide::Guide(Host& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("Guide"));
    setWindowTitle(QStringLiteral("Rédaction des Ordres v" RDO_VERSION));
    setFixedSize(kClientSize);
    setFont(sansSerif(8.25));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, qColor(kPaleBlue));
    palette.setColor(QPalette::Base, qColor(kPaleBlue));
    setPalette(palette);

    buildButtons();
    buildStepKeys();
    refresh();
}

bool Guide::event(QEvent* event) {
    if (event->type() == QEvent::Paint && !sectors_) {
        QMetaObject::invokeMethod(this, &Guide::refresh, Qt::QueuedConnection);
    }
    return QWidget::event(event);
}

void Guide::closeEvent(QCloseEvent* event) {
    if (ordersWritten_ || closeRequested(session_, host_)) {
        event->accept();
        if (plan_) {  // the program ends with its main window
            plan_->close();
        }
    } else {
        event->ignore();
    }
}

void Guide::buildHeaderBand() {
    for (const Caption& heading : kHeadings) {
        teamControls_.push_back(styledCaption(this, text(heading.name), text(heading.text),
                                              heading.rect, TextStyle::Heading,
                                              text(heading.accessibleName)));
    }
    for (const HeaderField& header : kHeaderFields) {
        QLineEdit* field = setUpField(new QLineEdit(this), text(header.name), header.rect,
                                      header.style, text(header.accessibleName));
        teamControls_.push_back(field);
        fields_.emplace_back(field, header.text);
    }

    sectors_ = place(new PickList({}, this), QStringLiteral("sectors"), {664, 87, 49, 21},
                     QStringLiteral("Nb de Secteurs"));
    // A list, not a text field: it keeps the system's colours.
    QPalette palette = sectors_->palette();
    palette.setColor(QPalette::Base, QApplication::palette(sectors_).color(QPalette::Base));
    sectors_->setPalette(palette);
    sectors_->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    teamControls_.push_back(sectors_);
    connect(sectors_, &PickList::picked, this, &Guide::sectorsPicked);
    connect(sectors_, &PickList::typed, this, [this](const QString& typed) {
        typeSectors(session_.roster, typed.toStdString());
        refreshPlan();  // its sector columns are those the field shows
    });
}

void Guide::buildTotals() {
    auto* frame =
        place(new QGroupBox(QStringLiteral("Points Dépensés"), this), QStringLiteral("Fra_used"),
              {40, 88, 465, 57}, QStringLiteral("Points Dépensés"));
    applyTextStyle(frame, TextStyle::Plain);
    teamControls_.push_back(frame);
    for (const Total& total : kTotals) {
        const QString spent = text(total.caption) + QStringLiteral(" dépensés");
        styledCaption(frame, text(total.captionName), text(total.caption),
                      {total.captionLeft, kTotalTop, kTotalWidth, kCaptionHeight}, TextStyle::Plain,
                      QStringLiteral("Légende ") + spent);
        QLineEdit* field = setUpField(new QLineEdit(frame), text(total.name),
                                      {total.left, kTotalTop, kTotalWidth, kRowFieldHeight},
                                      TextStyle::Total, spent);
        // The totals can be typed over; the next recomputation replaces them.
        field->setReadOnly(false);
        fields_.emplace_back(field, total.text);
        const auto member = total.text;
        connect(field, &QLineEdit::textEdited, this, [this, member](const QString& typed) {
            typeTotal(session_.roster, member, typed.toStdString());
        });
    }
}

void Guide::buildGrid() {
    for (const Column& column : kGridColumns) {
        teamControls_.push_back(styledCaption(
            this, text(column.captionName), text(column.caption),
            {column.left, kGridCaptionTop, column.captionWidth, kCaptionHeight},
            TextStyle::ColumnCaption, QStringLiteral("Titre de colonne ") + text(column.caption)));
    }
    auto* orders = place(new QGroupBox(QStringLiteral("Ordres"), this), QStringLiteral("Fra_ord"),
                         {584, 128, 209, 409}, QStringLiteral("Ordres"));
    applyTextStyle(orders, TextStyle::ColumnCaption);
    teamControls_.push_back(orders);
    for (const Column& column : kOrderColumns) {
        styledCaption(orders, text(column.captionName), text(column.caption),
                      {column.left, kOrdersCaptionTop, column.captionWidth, kCaptionHeight},
                      TextStyle::ColumnCaption,
                      QStringLiteral("Titre de colonne Ordres ") + text(column.caption));
    }
    for (int row = 0; row < kRows; ++row) {
        buildRow(row, orders);
    }
}

void Guide::buildRow(int row, QWidget* ordersFrame) {
    RowControls& controls = rows_[static_cast<std::size_t>(row)];
    const int gridTop = kGridRowTop + kRowPitch * row;
    const int ordersTop = kOrdersRowTop + kRowPitch * row;

    controls.Check1 = place(new QCheckBox(this), elementName("Check1", row), {8, gridTop, 17, 17},
                            rowName(QStringLiteral("Sélection"), row));
    controls.Check1->setEnabled(false);  // only the orders change it

    auto* name = new RiderNameField(this);
    connect(name, &RiderNameField::ordersRequested, this, [this, row] { riderDoubleClicked(row); });
    for (std::size_t c = 0; c < controls.rider.size(); ++c) {
        const Column& column = kGridColumns[c];
        controls.rider[c] =
            setUpField(c == 0 ? name : new QLineEdit(this), elementName(column.name, row),
                       {column.left, gridTop, column.width, kRowFieldHeight}, column.style,
                       rowName(text(column.caption), row));
    }
    for (std::size_t c = 0; c < controls.orders.size(); ++c) {
        const Column& column = kOrderColumns[c];
        controls.orders[c] =
            setUpField(new QLineEdit(ordersFrame), elementName(column.name, row),
                       {column.left, ordersTop, column.width, kRowFieldHeight}, column.style,
                       rowName(QStringLiteral("Ordres ") + text(column.caption), row));
    }
}

void Guide::buildButtons() {
    const QString open = QStringLiteral("Ouvrir un fichier d'équipe");
    btOpen_ = place(new QPushButton(this), QStringLiteral("btOpen"), {304, 168, 169, 201}, open);
    btOpen_->setToolTip(open);
    btOpen_->setIcon(cyclistsPicture());
    btOpen_->setIconSize(kCyclistsPictureSize);
    connect(btOpen_, &QPushButton::clicked, this, &Guide::openTeamClicked);

    const QString save = QStringLiteral("Enregistrer Ordres");
    btSave_ =
        place(new QPushButton(save, this), QStringLiteral("btSave"), {496, 544, 97, 25}, save);
    connect(btSave_, &QPushButton::clicked, this, &Guide::saveClicked);

    // A shortcut owned by a button works only while that button is shown.
    for (const auto& [button, key] :
         {std::pair{btOpen_, QKeySequence::Open}, std::pair{btSave_, QKeySequence::Save}}) {
        connect(new QShortcut(key, button), &QShortcut::activated, button, &QPushButton::click);
    }
}

void Guide::buildStepKeys() {
    // Keys only, the window keeping the game's layout. They belong to this window: inside the
    // modal orders dialog, and in a field of this window being typed into, Qt's own undo and
    // redo of the text stay.
    const std::pair<const char*, bool (*)(Session&, Host&)> keys[] = {
        {"Ctrl+Z", undoStep}, {"Ctrl+Y", redoStep}, {"Ctrl+Shift+Z", redoStep}};
    for (const auto& [key, step] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(text(key)), this);
        shortcut->setObjectName(text(key));
        connect(shortcut, &QShortcut::activated, this, [this, step] { stepClicked(step); });
    }
    auto* plan = new QShortcut(QKeySequence(Qt::Key_F2), this);
    plan->setObjectName(QStringLiteral("F2"));
    connect(plan, &QShortcut::activated, this, &Guide::togglePlan);
    // Where the system sends no menu event for these keys, they open the menu at the focus.
    for (const QKeySequence& key :
         {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, [this] {
            QWidget* at = focusWidget() ? focusWidget() : this;
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, at->rect().center(),
                                   at->mapToGlobal(at->rect().center()));
            contextMenuEvent(&menu);
        });
    }
}

void Guide::contextMenuEvent(QContextMenuEvent* event) {
    const bool loaded = session_.roster.loaded;
    const std::tuple<const char*, bool, std::function<void()>> entries[] = {
        {"Ouvrir une équipe…\tCtrl+O", !loaded, [this] { openTeamClicked(); }},
        {"Enregistrer les ordres…\tCtrl+S", loaded, [this] { saveClicked(); }},
        {"Annuler\tCtrl+Z", session_.history.canUndo(), [this] { stepClicked(undoStep); }},
        {"Rétablir\tCtrl+Y", session_.history.canRedo(), [this] { stepClicked(redoStep); }},
        {"Plan de course\tF2", loaded, [this] { togglePlan(); }},
    };
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("menu"));
    for (const auto& [caption, enabled, act] : entries) {
        QAction* action = menu.addAction(text(caption));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, act);
    }
    menu.exec(event->globalPos());
}

void Guide::stepClicked(bool (*step)(Session&, Host&)) {
    if (step(session_, host_)) {
        refresh();
    }
}

void Guide::togglePlan() {
    if (plan_ && plan_->isVisible()) {
        plan_->hide();
        return;
    }
    if (!session_.roster.loaded) {
        return;
    }
    if (!plan_) {
        plan_ = new PlanWindow(this);
        connect(plan_, &PlanWindow::ordersRequested, this, &Guide::riderDoubleClicked);
    }
    plan_->showPlan(racePlan(session_.roster));
    plan_->open();
}

void Guide::refresh() {
    showIf(btOpen_, !session_.roster.loaded);
    showIf(btSave_, session_.roster.loaded);
    // The team's two hundred controls stay hidden until a team is loaded: they are
    // built once the window is on screen, so that it appears at once, or at loading.
    if (!sectors_) {
        if (!session_.roster.loaded && !isVisible()) {
            return;
        }
        buildHeaderBand();
        buildTotals();
        buildGrid();
    }
    for (QWidget* control : teamControls_) {
        showIf(control, session_.roster.loaded);
    }
    for (const auto& [field, value] : fields_) {
        showText(field, session_.roster.*value);
    }

    const auto& items = session_.roster.sectorsItems;
    for (auto i = static_cast<std::size_t>(sectors_->count()); i < items.size(); ++i) {
        sectors_->addItem(QString::fromStdString(items[i]));
    }
    const QString sectors = QString::fromStdString(session_.roster.sectors);
    if (sectors_->currentText() != sectors) {
        sectors_->setEditText(sectors);
    }
    if (sectors_->isEnabled() != session_.roster.sectorsEnabled) {
        sectors_->setEnabled(session_.roster.sectorsEnabled);
    }

    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const RosterRow& row = session_.roster.rows[i];
        const RowControls& controls = rows_[i];
        for (std::size_t c = 0; c < controls.rider.size(); ++c) {
            const Column& column = kGridColumns[c];
            showIf(controls.rider[c], row.inUse);
            showText(controls.rider[c], row.*column.text);
            if (column.onRed) {
                setColor(controls.rider[c], QPalette::Base, row.*column.onRed ? kRed : kPaleBlue);
            }
        }
        // A screen reader says whose name it is, not only which row.
        const QString who = rowName(QStringLiteral("Coureur ") + QString::fromStdString(row.nom1),
                                    static_cast<int>(i));
        if (row.inUse && controls.rider[0]->accessibleName() != who) {
            controls.rider[0]->setAccessibleName(who);
        }
        showIf(controls.Check1, row.checkVisible);
        if (controls.Check1->isChecked() != (row.Check1 == 1)) {
            controls.Check1->setChecked(row.Check1 == 1);
        }
        for (std::size_t c = 0; c < controls.orders.size(); ++c) {
            showIf(controls.orders[c], row.ordersVisible);
            showText(controls.orders[c], row.*kOrderColumns[c].text);
        }
    }
    refreshPlan();
}

void Guide::refreshPlan() {
    if (plan_ && plan_->isVisible()) {
        plan_->showPlan(racePlan(session_.roster));
    }
}

void Guide::openTeamClicked() {
    showLoaded(openTeam(session_, host_));
}

void Guide::openTeamFile(const std::string& path) {
    showLoaded(loadTeam(session_, host_, path));
}

void Guide::offerRecoveryCopies() {
    showLoaded(offerRecovery(session_, host_));
}

void Guide::showLoaded(bool loaded) {
    refresh();  // whatever was refused, the window shows what the session holds
    if (loaded) {
        btSave_->setFocus();
    }
}

void Guide::saveClicked() {
    if (saveOrders(session_, host_)) {
        ordersWritten_ = true;
        close();
    }
}

void Guide::riderDoubleClicked(int row) {
    doubleClickRider(session_, host_, row);
    refresh();
    btSave_->setFocus();
}

void Guide::sectorsPicked(const QString& item) {
    pickSectors(session_, host_, item.toStdString());
    refresh();
}

}  // namespace rdo
