// Random sessions of user events on the real windows over the example team, the promises checked
// after each one, each in a program of its own killed at a random moment, MONKEY_KILLS times (5):
// the orders must come back. MONKEY_TRACE=1 prints the events.
#include <QtTest>
#include <QtWidgets>
#include <cstdio>
#include <functional>
#include <random>

#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/QtHost.h"
#include "orderfile/OrdersFile.h"
#include "orderfile/RecoveryCopy.h"
#include "plan/RacePlan.h"
#include "tests/support/FakeHost.h"
#include "tests/support/Promises.h"
#include "widgets/guide/Guide.h"

namespace rdo {
namespace {

std::mt19937_64 rng;
int below(std::size_t n) {
    return static_cast<int>(rng() % n);
}
template <typename T>
T any(const QList<T>& list) {
    return list.isEmpty() ? nullptr : list[below(list.size())];
}
// The controls of `window` shown and enabled whose names match `pattern`.
template <typename T = QWidget>
QList<T*> usable(const QWidget* window, const QString& pattern = {}) {
    QList<T*> found = window->findChildren<T*>(QRegularExpression(pattern));
    found.removeIf([](const T* control) { return !control->isVisible() || !control->isEnabled(); });
    return found;
}

// Keys and characters, with Shift, Ctrl or Alt one time in four: Ctrl+Z and Ctrl+Y undo and redo,
// F2 opens and closes the race plan, the menu key the main window's menu.
constexpr Qt::Key kKeys[] = {
    Qt::Key_Tab,   Qt::Key_Backtab,   Qt::Key_Return, Qt::Key_Escape, Qt::Key_Up,     Qt::Key_Down,
    Qt::Key_Left,  Qt::Key_Right,     Qt::Key_Home,   Qt::Key_End,    Qt::Key_F4,     Qt::Key_A,
    Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Z,      Qt::Key_Y,      Qt::Key_Eacute, Qt::Key_Minus,
    Qt::Key_Comma, Qt::Key_Period,    Qt::Key_0,      Qt::Key_1,      Qt::Key_5,      Qt::Key_9,
    Qt::Key_F2,    Qt::Key_Menu};

constexpr const char* kExample = RDO_SOURCE_DIR "/examples/equipe-exemple.cyc";

// The monkey is the program's host too: the choosers answer the example team, or an orders file
// in `folder`, a folder or a cancel, unless `sure`; then every question gets Enter's answer and
// a message fails the test at once.
struct Monkey : QtHost {
    explicit Monkey(const QString& in) : folder(in) {
        setRecoveryFolder(in);  // copies and remembered folders in `in`, not the player's
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, in);
    }
    QString folder, saved;
    bool sure = false, asked = false, record = false;
    long count = 0;  // events played
    const Roster asLoaded = test::loadedRoster(test::sourceFile("examples/equipe-exemple.cyc"));
    const std::string loaded = ordersFileBytes(asLoaded);
    std::unique_ptr<Guide> guide;
    OrdersDialog* dialog = nullptr;  // the one open
    std::string closings;            // the promises a dialog closed broke

    std::string chooseFile(const std::string&, ChooserPurpose purpose) override {
        saved = below(5) == 0 && !sure ? folder : folder + "/ordres.ord";
        return below(10) == 0 && !sure           ? std::string()
               : purpose == ChooserPurpose::Save ? saved.toStdString()
                                                 : kExample;
    }
    Answer ask(const Question& question) override {
        asked = asked || sure;
        return sure ? question.defaultButton : QtHost::ask(question);
    }
    void showMessage(const std::string& text) override {  // started again, none is expected
        sure ? qFatal("kills: the program started again said « %s »", text.c_str())
             : QtHost::showMessage(text);
    }
    // With `record`, prints the orders the copy gives back as "P" before it changes and "D"
    // after, flushed line by line: Windows' C library buffers a "line buffered" stream whole.
    void changing(const std::string& orders, const std::function<void()>& change) {
        record&& std::printf("P %s\n", QByteArray::fromStdString(orders).toHex().constData()) &&
            !std::fflush(stdout);
        change();
        record&& std::printf("D\n") && !std::fflush(stdout);
    }
    std::optional<std::string> writeRecovery(const std::string& name, std::string_view bytes,
                                             bool ours) override {
        std::optional<std::string> failed;
        changing(readRecoveryCopy(bytes)->orders,
                 [&] { failed = QtHost::writeRecovery(name, bytes, ours); });
        return failed;
    }
    void removeRecovery(const std::string& name) override {
        changing(loaded, [&] { QtHost::removeRecovery(name); });
    }
    void showOrdersDialog(Roster& roster, OrdersDialog& shown) override {
        dialog = &shown;
        QtHost::showOrdersDialog(roster, shown);
        dialog = nullptr;
        closings += shown.closed ? test::afterDialog(roster) : "";
    }

    // Acts on the open list, the modal window or the main window; the next event runs in the
    // innermost event loop, so also in a modal window this one opens.
    void tick() {
        QWidget* modal = QApplication::activeModalWidget();
        QWidget* popup = QApplication::activePopupWidget();
        if (!modal && (!guide || !guide->isVisible())) {  // at start, or ended by a save
            guide = makeMainWindow(*this);
            guide->show();
        }
        check(modal);
        QTimer::singleShot(0, this, &Monkey::tick);
        const long number = ++count;
        QWidget* window = popup ? popup : modal ? modal : guide.get();
        const QString event = act(window, popup ? modal : nullptr);
        if (qEnvironmentVariableIsSet("MONKEY_TRACE")) {
            std::fprintf(stderr, "%ld %s\n", number, qPrintable(event));  // once it is done
        }
    }

    // The promises over the roster the window shows, the dialog open and the recovery copy.
    void check(QWidget* modal) {
        const Roster& roster = guide->roster();
        if (qobject_cast<QMessageBox*>(modal)) {  // a handler waits for the box
            return;
        }
        std::string broken = closings + test::afterAction(roster, asLoaded, dialog);
        const auto* plan = guide->findChild<QTableWidget*>(QStringLiteral("plan"));
        if (!modal && plan && plan->isVisible()) {  // the plan open is the roster's, cell for cell
            const RacePlan expected = racePlan(roster);
            bool same = plan->rowCount() == static_cast<int>(expected.lines.size());
            for (int l = 0; same && l < plan->rowCount(); ++l) {
                const auto& cells = expected.lines[static_cast<std::size_t>(l)].cells;
                for (std::size_t c = 0; same && c < cells.size(); ++c) {
                    same =
                        plan->item(l, static_cast<int>(c))->text().toStdString() == cells[c].text;
                }
            }
            broken += same ? "" : "the race plan open shows other orders\n";
        }
        if (!modal && roster.loaded) {
            const std::vector<StoredCopy> copies = recoveryCopies();
            broken += test::recovery(
                roster, loaded, copies.empty() ? std::nullopt : std::optional(copies[0].bytes));
        }
        if (!broken.empty()) {
            qFatal("monkey: event %ld: %s", count, broken.c_str());
        }
    }

    QString act(QWidget* window, QWidget* under) {
        const int action = below(100);
        if (under && action < 1) {  // the dialog closed while its list is open
            under->close();
            return "close under list";
        }
        if (under || action < 60) {  // a key to the focus, to a list or to a field
            QWidget* to = under || action < 30 ? window->focusWidget()
                          : action < 45 ? static_cast<QWidget*>(any(usable<QComboBox>(window)))
                                        : any(usable<QLineEdit>(window));
            to = to ? to : window;
            const Qt::Key key = kKeys[below(std::size(kKeys))];
            const auto modifiers = Qt::KeyboardModifiers::fromInt(below(4) ? 0 : below(8) << 25);
            // With the text a keyboard sends, also "é".
            const QString text = key < 0x100 ? QString(QChar(key).toLower()) : QString();
            QTest::sendKeyEvent(QTest::Click, to, key, text, modifiers);
            return "key " + QKeySequence(key | modifiers).toString() + " to " + to->objectName();
        }
        if (action < 99) {  // a worked sector ticked, a click, a double-click on a rider's name
            const bool twice = action >= 85;
            QWidget* hit = any(usable(window, action < 70                      ? "^Check1"
                                              : twice && window == guide.get() ? "^nom1"
                                                                               : ""));
            hit = hit ? hit : window;
            const QPoint at(below(hit->width()), below(hit->height()));
            const QPointer<QWidget> alive(hit);
            const QString name = hit->objectName();
            QTest::mouseClick(hit, Qt::LeftButton, {}, at);
            for (const auto event : {QTest::MouseDClick, QTest::MouseRelease}) {
                if (twice && alive && hit->isVisible()) {  // not once the first click closed it
                    QTest::mouseEvent(event, hit, Qt::LeftButton, {}, at);
                }
            }
            return (twice ? "double-click on " : "click on ") + name;
        }
        return window != guide.get() && window->close() ? "close" : "nothing";  // by its title bar
    }
};

// Once killed and started again, the orders saved are those before the kill or after a change.
void kills(const QString& self, int rounds) {
    std::mt19937_64 pick(std::random_device{}());
    for (int round = 1; round <= rounds; ++round) {
        QTemporaryDir folder;
        const auto seed = pick();
        QProcess child;
        child.start(self, {QString::number(seed), "--child", folder.path()});
        const auto writes = 2 + static_cast<qsizetype>(pick() % 40);  // the first, as loaded
        QByteArray out;
        const QDeadlineTimer patience(100000);  // one that stops writing is killed all the same
        while (child.state() != QProcess::NotRunning && out.count("\nP ") < writes &&
               !patience.hasExpired()) {
            child.waitForReadyRead(5);
            out += child.readAllStandardOutput();
        }
        QThread::usleep(pick() % 2 ? pick() % 1000 : pick() % 300000);  // in its write, or later
        const bool alive = child.state() == QProcess::Running;
        child.kill();
        child.waitForFinished();
        out += child.readAllStandardOutput();
        std::string done, pending;
        for (const QByteArray& line : out.replace("\r", "").split('\n')) {  // Windows' text mode
            if (line.startsWith("P ")) {
                pending = QByteArray::fromHex(line.mid(2)).toStdString();
            } else if (line == "D") {
                done = std::exchange(pending, {});
            }
        }
        // Started again: the recovery question answered as Enter does (Yes), the orders saved.
        Monkey again(folder.path());
        again.sure = true;
        const auto guide = makeMainWindow(again);
        guide->show();
        guide->offerRecoveryCopies();
        guide->roster().loaded ? void() : guide->openTeamFile(kExample);
        guide->findChild<QPushButton*>("btSave")->click();
        const std::string saved = test::fileBytes(again.saved.toStdString());
        std::printf("kill %d: seed %llu, %lld changes%s%s\n", round, qulonglong(seed),
                    out.count("\nP "), pending.empty() ? "" : ", one under way",
                    again.asked ? ", asked" : "");
        if (!alive || saved.empty() || (saved != done && saved != pending) ||
            again.asked != (saved != again.loaded)) {
            qFatal("kills: ended before the kill, or other orders saved\n%s",
                   child.readAllStandardError().constData());
        }
    }
}

}  // namespace
}  // namespace rdo

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
        if (!message.contains("not support") && !message.contains("not accepted")) {
            std::fprintf(stderr, "%s\n", qPrintable(message));  // the offscreen platform's: noise
        }
    });
    QApplication app(argc, argv);
    rdo::setUpApplication(app);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(2) != "--child") {
        const int kills = qEnvironmentVariableIntValue("MONKEY_KILLS");
        rdo::kills(arguments[0], kills ? kills : 5);
        return 0;
    }
    // SEED --child FOLDER: a session played until killed, its files and settings in FOLDER.
    rdo::rng.seed(arguments[1].toULongLong());
    rdo::Monkey monkey(arguments[3]);
    monkey.record = true;
    monkey.changing(monkey.loaded, [] {});  // the orders as loaded
    QTimer::singleShot(0, &monkey, &rdo::Monkey::tick);
    return QApplication::exec();
}
