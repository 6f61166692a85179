// What the program's logic needs from the windowing system. The logic talks to
// the user and to files only through this interface.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rdo {

struct Roster;
struct OrdersDialog;

enum class ChooserPurpose { Open, Save };

struct FileRead {
    std::string bytes;
    /// Empty when the read succeeded; otherwise the system's reason, in French.
    std::string error;
    /// The file is larger than the limit asked for; `bytes` is then empty.
    bool tooLarge = false;
    /// Where the file read really is, whatever the road to it (a link, "..", another
    /// letter case on Windows): the same file, the same path.
    std::string path = {};
};

/// What became of a write: the system's reasons, in French, for what failed.
struct FileWrite {
    std::optional<std::string> error = {};      // the file is left untouched
    std::optional<std::string> copyError = {};  // written, but the file it replaced is not kept
    std::string copyPath = {};                  // where the file it replaced is kept
};

/// The buttons of a question box: the system's standard ones, then the program's own
/// « Plus tard » and « Jeter ».
enum class Answer { Save, Discard, Cancel, Yes, No, Later, Throw };

struct Question {
    std::string text;
    std::vector<Answer> buttons;
    Answer defaultButton;  // Enter
    Answer escapeButton;   // Escape, and a box closed otherwise

    friend bool operator==(const Question&, const Question&) = default;
};

/// A moment in the computer's local time.
struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;

    friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

/// A recovery copy as the host keeps it.
struct StoredCopy {
    std::string name;
    std::string bytes;
};

/// A file found beside another.
struct SiblingFile {
    std::string path;
    std::string name;  // without its folder
    LocalTime modified;
};

class Host {
  public:
    virtual ~Host() = default;

    /// A modal message box with one OK button and the application's title.
    virtual void showMessage(const std::string& text) = 0;

    /// A modal question box with the application's title; returns the button pressed.
    virtual Answer ask(const Question& question) = 0;

    /// Asks for a file; returns its path, or an empty text when cancelled.
    /// `filter` alternates description and pattern, separated by "|".
    virtual std::string chooseFile(const std::string& filter, ChooserPurpose purpose) = 0;

    /// A team was loaded from `path`: the choosers may start in its folder,
    /// in this run and the next ones.
    virtual void teamLoaded(const std::string& path) = 0;

    /// Reads a whole file of at most `maxBytes` bytes.
    virtual FileRead readFile(const std::string& path, std::size_t maxBytes) = 0;

    /// The ordinary file in the folder of `path` named as `path` without its
    /// extension followed by `extension` (".ord"), that extension in any letter
    /// case; the most recent when there are several, nothing when there is none.
    virtual std::optional<SiblingFile> findSibling(const std::string& path,
                                                   const std::string& extension) = 0;

    /// Replaces the file at `path` with `bytes` as a whole, or leaves it untouched.
    /// An ordinary file so replaced is kept beside it under the system's backup name,
    /// replacing any file there once the new one stands: a failed write leaves both
    /// files as they were.
    virtual FileWrite writeFile(const std::string& path, std::string_view bytes) = 0;

    /// The recovery copies no other running program holds, the newest first.
    virtual std::vector<StoredCopy> recoveryCopies() = 0;

    /// From now until the program ends, the copy `name` is this program's: no other
    /// program offers, writes or removes it. Does nothing while another one holds it.
    virtual void holdRecovery(const std::string& name) = 0;

    /// Replaces the copy `name` with `bytes` as a whole, on the disk once it returns;
    /// the reason, in French, when it cannot. A copy under `name` that is not `ours`
    /// (another program's, or one the player keeps for later) is never replaced: it is
    /// kept beside, under a name of its own, and offered again.
    virtual std::optional<std::string> writeRecovery(const std::string& name,
                                                     std::string_view bytes, bool ours) = 0;

    /// Removes the copy `name`, unless another running program holds it.
    virtual void removeRecovery(const std::string& name) = 0;

    /// The computer's local time now.
    virtual LocalTime now() = 0;

    /// Shows the orders dialog modally over the main window; returns once it
    /// has been closed, by one of its buttons or otherwise.
    virtual void showOrdersDialog(Roster& roster, OrdersDialog& dialog) = 0;
};

}  // namespace rdo
