// The main window: shows the roster and forwards the user's actions to it.
#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "actions/Session.h"
#include "widgets/guide/GuideLayout.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace rdo {

class Host;
class PickList;
class PlanWindow;

class Guide : public QWidget {
    Q_OBJECT
  public:
    explicit Guide(Host& host, QWidget* parent = nullptr);

    const Roster& roster() const { return session_.roster; }

    /// Shows what the roster holds; only the properties that differ change.
    void refresh();

    /// Loads the team file at `path` as if it had been chosen with `btOpen`.
    void openTeamFile(const std::string& path);

    /// The program started with no team file named: offers the orders that programs
    /// ended without saving left behind.
    void offerRecoveryCopies();

  protected:
    bool event(QEvent* event) override;
    /// The right mouse button, the menu key and Shift+F10: a menu naming every key of the window.
    void contextMenuEvent(QContextMenuEvent* event) override;
    /// Title bar, Alt+F4, the system's close command: asks before losing orders.
    void closeEvent(QCloseEvent* event) override;

  private:
    struct RowControls {
        QCheckBox* Check1 = nullptr;
        std::array<QLineEdit*, std::size(kGridColumns)> rider{};
        std::array<QLineEdit*, std::size(kOrderColumns)> orders{};
    };

    void buildHeaderBand();
    void buildTotals();
    void buildGrid();
    void buildRow(int row, QWidget* ordersFrame);
    void buildButtons();
    void buildStepKeys();
    void togglePlan();
    /// The race plan, when open, shows the roster again.
    void refreshPlan();

    /// Ctrl+Z or Ctrl+Y: `step` over the history.
    void stepClicked(bool (*step)(Session&, Host&));
    void openTeamClicked();
    void showLoaded(bool loaded);
    void saveClicked();
    void riderDoubleClicked(int row);
    void sectorsPicked(const QString& item);

    Host& host_;
    Session session_;

    /// Everything shown once a team is loaded, besides the rows and buttons.
    std::vector<QWidget*> teamControls_;
    /// The header values and the totals, with the roster text each shows.
    std::vector<std::pair<QLineEdit*, std::string Roster::*>> fields_;
    std::array<RowControls, kRows> rows_{};
    PickList* sectors_ = nullptr;
    QPushButton* btOpen_ = nullptr;
    QPushButton* btSave_ = nullptr;
    /// Built at its first opening: the program starts as quickly without it.
    PlanWindow* plan_ = nullptr;
    /// The orders file is written: the window closes without a question.
    bool ordersWritten_ = false;
};

}  // namespace rdo
