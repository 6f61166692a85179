// The host services on Qt: message box, file chooser, files, modal dialog.
#pragma once

#include <QString>
#include <functional>

#include "host/Host.h"

class QWidget;

namespace rdo {

/// The application's name: the title of every message box.
inline constexpr const char* kAppTitle = "Rédaction des Ordres";

/// A filter "desc|pattern|desc|pattern" as Qt's "desc (pattern);;..." text.
QString qtFileFilter(const std::string& filter);

class QtHost : public Host {
  public:
    using DialogRunner = std::function<void(Roster&, OrdersDialog&)>;

    /// `window` parents the message boxes and choosers; `runDialog` shows the
    /// orders dialog modally.
    void setWindow(QWidget* window) { window_ = window; }
    void setDialogRunner(DialogRunner runDialog) { runDialog_ = std::move(runDialog); }
    /// Brings the main window up to date before a question covers it.
    void setBeforeQuestion(std::function<void()> update) { beforeQuestion_ = std::move(update); }

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
    std::optional<std::string> keepCopy(const std::string& path,
                                        const std::string& copyPath) override;
    std::optional<std::string> writeFile(const std::string& path, std::string_view bytes) override;
    void showOrdersDialog(Roster& roster, OrdersDialog& dialog) override;

  private:
    QWidget* window_ = nullptr;
    QString teamFolder_;
    DialogRunner runDialog_;
    std::function<void()> beforeQuestion_;
};

}  // namespace rdo
