// A host for tests: records the messages, answers the file chooser from a
// queue, keeps files in memory and runs the orders dialog through a script.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "host/Host.h"
#include "model/Roster.h"
#include "orders/OrdersDialog.h"

namespace rdo::test {

class FakeHost : public Host {
  public:
    std::vector<std::string> messages;
    std::deque<std::string> chooserAnswers;  // an empty answer is a cancel
    std::vector<std::string> filtersAsked;
    std::map<std::string, std::string> files;
    std::optional<std::string> writeError;  // every write fails with it when set
    int dialogsShown = 0;
    /// Runs while the dialog is shown; the default closes it from its title bar.
    std::function<void(Roster&, OrdersDialog&)> onDialog;

    /// Runs while a message box is shown, before it is dismissed.
    std::function<void(const std::string&)> onMessage;

    std::vector<Question> questions;
    std::deque<Answer> answers;  // to the next questions in turn; past the last, Escape

    Answer ask(const Question& question) override {
        questions.push_back(question);
        const Answer answer = answers.empty() ? question.escapeButton : answers.front();
        answers.empty() ? void() : answers.pop_front();
        return answer;
    }

    /// Only in the extension's letter case; every file was last changed on 14/03/2025 at 09:05.
    std::optional<SiblingFile> findSibling(const std::string& path,
                                           const std::string& extension) override {
        const std::string name = path.substr(0, path.rfind('.')) + extension;
        if (!files.contains(name)) {
            return std::nullopt;
        }
        return SiblingFile{name, name.substr(name.rfind('/') + 1), {2025, 3, 14, 9, 5}};
    }

    void showMessage(const std::string& text) override {
        messages.push_back(text);
        if (onMessage) {
            onMessage(text);
        }
    }

    std::string chooseFile(const std::string& filter, ChooserPurpose) override {
        filtersAsked.push_back(filter);
        if (chooserAnswers.empty()) {
            return {};
        }
        std::string answer = chooserAnswers.front();
        chooserAnswers.pop_front();
        return answer;
    }

    void teamLoaded(const std::string&) override {}

    FileRead readFile(const std::string& path, std::size_t maxBytes) override;

    /// Keeps no copies: the Qt host's are tested on real files.
    FileWrite writeFile(const std::string& path, std::string_view bytes,
                        const std::string&) override {
        if (!writeError) {
            files[path] = std::string(bytes);
        }
        return {writeError};
    }

    std::vector<StoredCopy> copies;  // the newest last; none held by another program

    std::vector<StoredCopy> recoveryCopies() override { return {copies.rbegin(), copies.rend()}; }

    void holdRecovery(const std::string&) override {}

    /// Fails as every write does.
    std::optional<std::string> writeRecovery(const std::string& name,
                                             std::string_view bytes) override {
        if (!writeError) {
            removeRecovery(name);
            copies.push_back({name, std::string(bytes)});
        }
        return writeError;
    }

    void removeRecovery(const std::string& name) override {
        std::erase_if(copies, [&name](const StoredCopy& copy) { return copy.name == name; });
    }

    LocalTime now() override { return {2025, 3, 14, 21, 47}; }

    void showOrdersDialog(Roster& roster, OrdersDialog& dialog) override {
        ++dialogsShown;
        if (onDialog) {
            onDialog(roster, dialog);
        }
    }
};

/// `path`, given in UTF-8, for the standard library: its narrow strings are not UTF-8 on
/// Windows, where a temporary folder's name may hold an accent.
std::filesystem::path fsPath(const std::string& path);

/// The bytes of the file at `path` (UTF-8); empty when it cannot be read.
std::string fileBytes(const std::string& path);

/// Makes the file at `path` (UTF-8) hold `bytes`; returns `path`.
std::string writeBytes(const std::string& path, const std::string& bytes);

/// The bytes of a file of the source tree, e.g. "examples/equipe.cyc".
std::string sourceFile(const std::string& relativePath);

/// A roster loaded from `bytes` (which must be a valid team file).
Roster loadedRoster(const std::string& bytes);

/// A team file of riders "key,FRA,61,55,70,3,84,weeks,code,detail,5,name",
/// one per entry of `riders`, each given as "key|weeks|code|detail|name".
std::string teamFile(const std::vector<std::string>& riders, const std::string& team = "Team");

}  // namespace rdo::test
