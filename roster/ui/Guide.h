// The main window: shows the roster and forwards the user's actions to it.
#pragma once

#include <QWidget>

#include "roster/Roster.h"

class QPushButton;

namespace rdo {

class Host;

class Guide : public QWidget {
    Q_OBJECT
  public:
    explicit Guide(Host& host, QWidget* parent = nullptr);

    const Roster& roster() const { return roster_; }

    /// Shows what the roster holds.
    void refresh();

  private:
    void openTeamClicked();
    void saveClicked();

    Host& host_;
    Roster roster_;
    QPushButton* btOpen_ = nullptr;
    QPushButton* btSave_ = nullptr;
};

}  // namespace rdo
