// A host for tests: records the messages and questions, answers choosers and questions from
// queues, keeps files and recovery copies in memory and runs the orders dialog through a script.
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
    std::function<void(const std::string&)> onMessage;  // runs while the box is shown
    std::vector<Question> questions;
    std::deque<Answer> answers;              // to the next questions in turn; past them, Escape
    std::deque<std::string> chooserAnswers;  // an empty answer is a cancel; past them too
    std::vector<std::string> filtersAsked;
    std::map<std::string, std::string> files;
    std::string unreadable;                 // a file every read of which is refused
    std::optional<std::string> writeError;  // every write fails with it when set
    std::vector<StoredCopy> copies;         // the newest last; none held by another program
    int dialogsShown = 0;
    std::function<void(Roster&, OrdersDialog&)> onDialog;  // none: closed from its title bar

    void showMessage(const std::string& text) override {
        messages.push_back(text);
        onMessage ? onMessage(text) : void();
    }
    Answer ask(const Question& question) override {
        questions.push_back(question);
        return next(answers, question.escapeButton);
    }
    std::string chooseFile(const std::string& filter, ChooserPurpose) override {
        filtersAsked.push_back(filter);
        return next(chooserAnswers, std::string());
    }
    void teamLoaded(const std::string&) override {}
    FileRead readFile(const std::string& path, std::size_t maxBytes) override;
    /// Only in the extension's letter case; every file was last changed on 14/03/2025 at 09:05.
    std::optional<SiblingFile> findSibling(const std::string& path,
                                           const std::string& extension) override;
    /// Keeps no copies of replaced files: the Qt host's are tested on real files.
    FileWrite writeFile(const std::string& path, std::string_view bytes) override {
        if (!writeError) {
            files[path] = bytes;
        }
        return {writeError};
    }
    std::vector<StoredCopy> recoveryCopies() override { return {copies.rbegin(), copies.rend()}; }
    void holdRecovery(const std::string&) override {}
    std::optional<std::string> writeRecovery(const std::string& name, std::string_view bytes,
                                             bool ours) override {
        if (!writeError) {
            for (StoredCopy& kept : copies) {
                kept.name += kept.name == name && !ours ? "-" + std::to_string(copies.size()) : "";
            }
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
        onDialog ? onDialog(roster, dialog) : void();
    }

  private:
    template <typename T>
    static T next(std::deque<T>& queue, T otherwise) {
        if (!queue.empty()) {
            otherwise = std::move(queue.front());
            queue.pop_front();
        }
        return otherwise;
    }
};

/// `path` (UTF-8) for the standard library, whose narrow strings are not UTF-8 on Windows.
std::filesystem::path fsPath(const std::string& path);

/// The bytes of the file at `path` (UTF-8); empty when it cannot be read.
std::string fileBytes(const std::string& path);

/// Makes the file at `path` (UTF-8) hold `bytes`; returns `path`.
std::string writeBytes(const std::string& path, const std::string& bytes);

/// The bytes of a file of the source tree, e.g. "examples/equipe.cyc".
std::string sourceFile(const std::string& relativePath);

/// A roster loaded from `bytes` (which must be a valid team file).
Roster loadedRoster(const std::string& bytes);

/// A team file of `riders` "key|weeks|code|detail|name; ...", in the team « Team », each written
/// "key,FRA,61,55,70,3,84,weeks,code,detail,5,name".
std::string teamFile(const std::string& riders);

}  // namespace rdo::test
