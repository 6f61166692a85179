// The race plan's window: shows a plan and forwards the keys and clicks on it; it edits nothing.
#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "plan/RacePlan.h"

class QLabel;
class QTableWidget;

namespace rdo {

class PlanWindow : public QWidget {
    Q_OBJECT
  public:
    /// A window of its own beside `mainWindow`, which it follows above.
    explicit PlanWindow(QWidget* mainWindow);

    /// Shows `plan`; only the texts that differ change.
    void showPlan(const RacePlan& plan);

    /// Opens the window beside the main window the first time, where the player left it after.
    void open();

  signals:
    /// Enter or a double-click on the line of roster row `row`.
    void ordersRequested(int row);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void lineChosen(int line);
    /// Fits the columns whose texts `changed`, then the window to the table.
    void fitToTable(const std::vector<bool>& changed);

    QTableWidget* table_ = nullptr;
    std::array<QLabel*, 5> totals_{};
    RacePlan shown_;
    bool placed_ = false;
};

}  // namespace rdo
