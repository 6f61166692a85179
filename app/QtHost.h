// The host services on Qt, one job per file: the dialogs (Dialogs.cpp), the files
// (Files.cpp), the folder remembered between runs (RememberedFolder.cpp), the recovery
// copies (RecoveryCopies.cpp).
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <map>
#include <memory>

#include "host/Host.h"

class QWidget;

namespace rdo {

/// The application's name: the title of every message box.
inline constexpr const char* kAppTitle = "Rédaction des Ordres";

/// A filter "desc|pattern|desc|pattern" as Qt's "desc (pattern);;..." text.
QString qtFileFilter(const std::string& filter);

class QtHost : public QObject, public Host {
    Q_OBJECT
  public:
    /// `window` parents the message boxes, the choosers and the orders dialog.
    void setWindow(QWidget* window) { window_ = window; }

    void showMessage(const std::string& text) override;
    Answer ask(const Question& question) override;
    /// Opens in the folder of the last team loaded, kept between runs; the
    /// orders are saved beside the team loaded in this run.
    std::string chooseFile(const std::string& filter, ChooserPurpose purpose) override;
    void teamLoaded(const std::string& path) override;
    /// The folder a chooser for `purpose` opens in; empty for the system's choice.
    QString startFolder(ChooserPurpose purpose) const;
    FileRead readFile(const std::string& path, std::size_t maxBytes) override;
    std::optional<SiblingFile> findSibling(const std::string& path,
                                           const std::string& extension) override;
    /// Keeps the file replaced as NAME~, NAME.bak on Windows.
    FileWrite writeFile(const std::string& path, std::string_view bytes) override;
    void showOrdersDialog(Roster& roster, OrdersDialog& dialog) override;
    std::vector<StoredCopy> recoveryCopies() override;
    void holdRecovery(const std::string& name) override;
    std::optional<std::string> writeRecovery(const std::string& name, std::string_view bytes,
                                             bool ours) override;
    void removeRecovery(const std::string& name) override;
    LocalTime now() override;

    /// Keeps the recovery copies in `folder` instead of the user's data folder.
    void setRecoveryFolder(const QString& folder) { recoveryFolder_ = folder; }
    /// Where the recovery copies stand: in the user's data folder, one named after the program.
    QString recoveryFolder() const;

  signals:
    /// The logic has changed the session and a question or the orders dialog is
    /// about to cover the main window: the window shows the session again.
    void sessionChanged();

  private:
    QString copyPath(const std::string& name) const;
    /// Holds the copy `name`; the reason, in French, when it cannot.
    std::optional<std::string> hold(const std::string& name);

    QWidget* window_ = nullptr;
    QString teamFolder_;
    QString recoveryFolder_;
    std::map<std::string, std::unique_ptr<QLockFile>> held_;
};

}  // namespace rdo
