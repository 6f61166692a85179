#include "widgets/plan/PlanWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "widgets/kit/Kit.h"

namespace rdo {
namespace {

QString qText(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// Sets the item's text, spoken name and weight where they differ, creating it at first; returns
// whether its width may have changed.
bool showCell(QTableWidget* table, int line, int column, const PlanCell& cell, bool total) {
    QTableWidgetItem* item = table->item(line, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        table->setItem(line, column, item);
    }
    const QString text = qText(cell.text), spoken = qText(cell.spoken);
    const bool widened = item->text() != text || item->font().bold() != total;
    if (item->text() != text) {
        item->setText(text);
    }
    if (item->data(Qt::AccessibleTextRole).toString() != spoken) {
        item->setData(Qt::AccessibleTextRole, spoken);
    }
    if (item->font().bold() != total) {
        QFont font = table->font();
        font.setBold(total);
        item->setFont(font);
    }
    return widened;
}

}  // namespace

PlanWindow::PlanWindow(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window) {
    setObjectName(QStringLiteral("PlanDeCourse"));
    setFont(sansSerif(8.25));
    setColor(this, QPalette::Window, kPaleBlue);

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("plan"));
    // The table's parts are named too: a screen reader met on them says where it is.
    for (QWidget* part : {static_cast<QWidget*>(table_), table_->viewport()}) {
        part->setAccessibleName(QStringLiteral("Plan de course"));
    }
    for (QWidget* part : {static_cast<QWidget*>(table_->horizontalHeader()),
                          table_->horizontalHeader()->viewport()}) {
        part->setAccessibleName(QStringLiteral("Titres des colonnes du plan"));
    }
    setColor(table_, QPalette::Base, kPaleBlue);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(20);
    table_->horizontalHeader()->setFont(sansSerif(8.25, true));
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->installEventFilter(this);
    connect(table_, &QTableWidget::cellDoubleClicked, this,
            [this](int line, int) { lineChosen(line); });

    auto* totals = new QHBoxLayout;
    totals->setSpacing(24);
    for (std::size_t i = 0; i < totals_.size(); ++i) {
        totals_[i] = new QLabel(this);
        totals_[i]->setObjectName(elementName("total", static_cast<int>(i)));
        totals_[i]->setFont(sansSerif(9.75, true));
        totals->addWidget(totals_[i]);
    }
    totals->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(table_);
    layout->addLayout(totals);

    // F2 opens and closes the plan from either window; Escape closes it as any small window.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_F2), QKeySequence(Qt::Key_Escape)}) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::hide);
    }
}

void PlanWindow::showPlan(const RacePlan& plan) {
    if (plan == shown_) {
        return;
    }
    setWindowTitle(qText(plan.title));
    // A column is fitted again when a text in it changed; all of them when lines come or go.
    std::vector<bool> changed(plan.captions.size(), plan.captions != shown_.captions ||
                                                        plan.lines.size() != shown_.lines.size());
    if (plan.captions != shown_.captions) {
        table_->setColumnCount(static_cast<int>(plan.captions.size()));
        for (std::size_t c = 0; c < plan.captions.size(); ++c) {
            auto* header = new QTableWidgetItem(qText(plan.captions[c].text));
            header->setData(Qt::AccessibleTextRole, qText(plan.captions[c].spoken));
            table_->setHorizontalHeaderItem(static_cast<int>(c), header);
        }
    }
    table_->setRowCount(static_cast<int>(plan.lines.size()));
    table_->clearSpans();
    for (std::size_t l = 0; l < plan.lines.size(); ++l) {
        const auto& cells = plan.lines[l].cells;
        for (std::size_t c = 0; c < plan.captions.size(); ++c) {
            changed[c] = showCell(table_, static_cast<int>(l), static_cast<int>(c),
                                  c < cells.size() ? cells[c] : PlanCell{},
                                  plan.lines[l].row < 0 && cells.size() > 1) ||
                         changed[c];
        }
        if (cells.size() == 1) {  // a note across the whole line
            table_->setSpan(static_cast<int>(l), 0, 1, table_->columnCount());
        }
    }
    for (std::size_t i = 0; i < totals_.size(); ++i) {
        totals_[i]->setText(qText(plan.totals[i].text));
        totals_[i]->setAccessibleName(qText(plan.totals[i].spoken));
    }
    shown_ = plan;
    fitToTable(changed);
}

void PlanWindow::fitToTable(const std::vector<bool>& changed) {
    for (std::size_t c = 0; c < changed.size(); ++c) {
        if (changed[c]) {
            table_->resizeColumnToContents(static_cast<int>(c));
        }
    }
    QHeaderView* header = table_->horizontalHeader();
    for (int c = 1; c < table_->columnCount(); ++c) {
        table_->setColumnWidth(c, std::max(table_->columnWidth(c), 36));
    }
    if (shown_.lines.front().row < 0) {  // the note alone does not widen the riders' column
        table_->setColumnWidth(0, std::max(header->sectionSizeHint(0), 120));
    }
    const int frame = 2 * table_->frameWidth();
    table_->setFixedSize(header->length() + frame,
                         header->height() + table_->verticalHeader()->length() + frame);
    setFixedSize(sizeHint());
}

void PlanWindow::open() {
    if (!placed_) {
        // Beside the main window, on its right, its left, below or above it: the first side where
        // the plan of a whole team would cover clearly less of it than those before, kept on the
        // screen. Over the main window from a side, it goes down to its foot, over the orders it
        // shows again rather than over the team's header and « Nb de Secteurs ».
        const QRect main = parentWidget()->frameGeometry();
        const QRect screen = parentWidget()->screen()->availableGeometry();
        QSize size = frameGeometry().size();
        size.rheight() += std::max(0, kRows + 2 - table_->rowCount()) *
                          table_->verticalHeader()->defaultSectionSize();
        const int gap = 8;
        const QPoint sides[] = {{main.right() + gap, main.top()},
                                {main.left() - gap - size.width(), main.top()},
                                {main.left(), main.bottom() + gap},
                                {main.left(), main.top() - gap - size.height()}};
        const auto onScreen = [&](QPoint at) {
            return QPoint(std::clamp(at.x(), screen.left(),
                                     std::max(screen.left(), screen.right() + 1 - size.width())),
                          std::clamp(at.y(), screen.top(),
                                     std::max(screen.top(), screen.bottom() + 1 - size.height())));
        };
        long long least = -1;
        for (std::size_t side = 0; side < std::size(sides); ++side) {
            QPoint at = onScreen(sides[side]);
            const QRect covered = QRect(at, size).intersected(main);
            if (side < 2 && !covered.isEmpty()) {
                at = onScreen({at.x(), main.bottom() + 1 - size.height()});
            }
            const long long area =
                covered.isEmpty() ? 0LL : 1LL * covered.width() * covered.height();
            if (least < 0 || area * 10 < least * 9) {  // a side a little better is no better
                least = area;
                move(at);
            }
        }
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

bool PlanWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            QGuiApplication::clipboard()->setText(qText(planText(shown_)));
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            lineChosen(table_->currentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PlanWindow::lineChosen(int line) {
    if (line >= 0 && static_cast<std::size_t>(line) < shown_.lines.size() &&
        shown_.lines[static_cast<std::size_t>(line)].row >= 0) {
        emit ordersRequested(shown_.lines[static_cast<std::size_t>(line)].row);
    }
}

}  // namespace rdo
