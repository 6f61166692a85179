// A monkey on the real windows: a long random session of user events on the main
// window and the orders dialog, over the example team, that checks after each event
// what a player sees, and that the recovery copy holds the orders committed. Arguments:
// [seed [events]]; otherwise MONKEY_SEED, and MONKEY_SECONDS (default 20). The seed printed
// replays the session; MONKEY_TRACE=1 prints every event. `--kills` kills such sessions
// MONKEY_KILLS times (default 5) and checks that the orders come back.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <random>

#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/QtHost.h"
#include "orderfile/OrdersFile.h"
#include "orderfile/RecoveryCopy.h"
#include "orders/Limits.h"
#include "tests/support/FakeHost.h"
#include "tests/support/Promises.h"
#include "widgets/guide/Guide.h"
#include "widgets/kit/PickList.h"

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
template <typename T>
QList<T*> usable(const QWidget* window) {
    QList<T*> found = window->findChildren<T*>();
    found.removeIf([](const T* control) { return !control->isVisible() || !control->isEnabled(); });
    return found;
}

constexpr Qt::Key kKeys[] = {
    Qt::Key_Tab,   Qt::Key_Backtab,   Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Up,
    Qt::Key_Down,  Qt::Key_Left,      Qt::Key_Right,  Qt::Key_Home,  Qt::Key_End,    Qt::Key_PageUp,
    Qt::Key_Space, Qt::Key_Backspace, Qt::Key_F4,     Qt::Key_A,     Qt::Key_E,      Qt::Key_0,
    Qt::Key_1,     Qt::Key_5,         Qt::Key_9,      Qt::Key_Minus, Qt::Key_Comma,  Qt::Key_Down};

constexpr const char* kExample = RDO_SOURCE_DIR "/examples/equipe-exemple.cyc";

// The file choosers answer the example team, an orders file or a folder, or cancel, unless
// `sure`.
struct MonkeyHost : QtHost {
    QString folder, saved;
    bool sure = false, record = false;
    std::string loaded;              // the orders as loaded
    OrdersDialog* dialog = nullptr;  // the one open
    std::string broken;              // the promises a dialog left by its buttons broke
    std::string chooseFile(const std::string&, ChooserPurpose purpose) override {
        saved = below(5) == 0 && !sure ? folder : folder + "/ordres.ord";
        return below(10) == 0 && !sure           ? std::string()
               : purpose == ChooserPurpose::Save ? saved.toStdString()
                                                 : kExample;
    }
    // With `record`, prints the orders the copy gives back as "P" before it changes and "D"
    // after.
    void changing(const std::string& orders, const std::function<void()>& change) {
        // Flushed line by line: Windows' C library buffers a "line buffered" stream whole.
        record&& std::printf("P %s\n", QByteArray::fromStdString(orders).toHex().constData()) &&
            !std::fflush(stdout);
        change();
        record&& std::printf("D\n") && !std::fflush(stdout);
    }
    std::optional<std::string> writeRecovery(const std::string& name,
                                             std::string_view bytes) override {
        std::optional<std::string> failed;
        changing(readRecoveryCopy(bytes)->orders,
                 [&] { failed = QtHost::writeRecovery(name, bytes); });
        return failed;
    }
    void removeRecovery(const std::string& name) override {
        changing(loaded, [&] { QtHost::removeRecovery(name); });
    }
    void showOrdersDialog(Roster& roster, OrdersDialog& shown) override {
        dialog = &shown;
        QtHost::showOrdersDialog(roster, shown);
        dialog = nullptr;
        broken += shown.closed ? test::afterDialog(roster) : "";
    }
};

struct Monkey : QObject {
    Monkey(std::uint64_t seed, long limit, qint64 ms) : seed(seed), limit(limit), ms(ms) {
        rng.seed(seed);
        host.folder = folder.path();
        host.setRecoveryFolder(folder.path());
        // The remembered folder too: the player's own settings stay untouched.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
        clock.start();
    }

    std::uint64_t seed;
    long limit;  // events, or -1 to play for `ms`
    qint64 ms;
    long count = 0, boxes = 0;  // events played, ticks that found a message box open
    int sessions = 0;
    QElapsedTimer clock;
    QTemporaryDir folder;
    MonkeyHost host;
    std::unique_ptr<Guide> guide;
    const Roster asLoaded = test::loadedRoster(test::sourceFile("examples/equipe-exemple.cyc"));
    QPointer<QDialog> hooked;
    QPointer<QComboBox> picked;  // checked once its handler is done, unless it brought a box

    void require(bool ok, const char* what) const {
        if (!ok) {
            std::fprintf(stderr, "monkey: seed %llu, event %ld: %s\n",
                         static_cast<unsigned long long>(seed), count, what);
            std::abort();
        }
    }

    // Acts on the open list, the modal window or the main window. The next event
    // runs in the innermost event loop, so also in a modal window this one opens.
    void tick() {
        QWidget* modal = QApplication::activeModalWidget();
        QWidget* popup = QApplication::activePopupWidget();
        if (!modal && (!guide || !guide->isVisible())) {  // a save ends the program
            if (guide) {  // the orders file saved is the orders shown
                QFile file(host.saved);
                require(file.open(QIODevice::ReadOnly) &&
                            file.readAll().toStdString() == ordersFileBytes(guide->roster()),
                        "the orders file saved is not the orders shown");
                file.remove();
            }
            guide = makeMainWindow(host);
            guide->show();
            host.loaded.clear();
            if (host.record) {
                guide->openTeamFile(kExample);
            }
            ++sessions;
        }
        check(modal);
        const bool over = limit >= 0 ? count >= limit : clock.elapsed() >= ms;
        if (over && !modal && !popup) {
            std::printf("monkey: %ld events in %d sessions, %lld ms: %.0f events/s\n", count,
                        sessions, clock.elapsed(), count * 1000.0 / clock.elapsed());
            QCoreApplication::exit(0);  // no request to close the windows: it would ask
            return;
        }
        QTimer::singleShot(0, this, &Monkey::tick);
        const long number = ++count, boxesBefore = boxes;
        QWidget* window = popup ? popup : modal ? modal : guide.get();
        const QString event =
            over ? (window->close(), "wind down") : act(window, popup ? modal : nullptr);
        if (qEnvironmentVariableIsSet("MONKEY_TRACE")) {
            std::fprintf(stderr, "%ld %s\n", number, qPrintable(event));  // once it is done
        }
        if (boxes != boxesBefore) {  // a refused pick, set back once its box was closed
            picked = nullptr;
        }
    }

    // The promises over the roster the window shows, the dialog open, the recovery copy and
    // the orders file saved; and that the main window shows the roster's counter and totals.
    void check(QWidget* modal) {
        const Roster& roster = guide->roster();
        if (roster.loaded && host.loaded.empty()) {
            host.loaded = ordersFileBytes(roster);
            host.changing(host.loaded, [] {});
        }
        require(host.broken.empty(), host.broken.c_str());
        if (qobject_cast<QMessageBox*>(modal)) {  // a handler waits for the box
            ++boxes;
            return;
        }
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (dialog && dialog != hooked) {
            hooked = dialog;
            for (PickList* list : dialog->findChildren<PickList*>()) {
                connect(list, &PickList::picked, this, [this, list] { picked = list; });
            }
        }
        std::string broken = test::afterAction(roster, asLoaded, host.dialog);
        if (picked && host.dialog) {
            broken += test::afterPick(roster, *host.dialog, picked->objectName().toStdString());
        }
        picked = nullptr;
        if (!modal && roster.loaded) {
            const std::vector<StoredCopy> copies = host.recoveryCopies();
            broken +=
                test::recovery(roster, host.loaded,
                               copies.empty() ? std::nullopt : std::optional(copies[0].bytes));
        }
        const auto shows = [&](const QString& name, const std::string& text) {
            return !roster.loaded ||
                   guide->findChild<QLineEdit*>(name)->text().toStdString() == text;
        };
        bool same = shows("cptsel", roster.cptsel) && shows("PE_USED", roster.PE_USED);
        for (const RaceAllocation& allocation : kRaceAllocations) {
            same = same && shows(allocation.name + QString("_USED"), roster.*allocation.total);
        }
        require(same, "the main window shows other totals than the roster's");
        require(broken.empty(), broken.c_str());
    }

    QString act(QWidget* window, QWidget* under) {
        QList<QLineEdit*> edits = usable<QLineEdit>(window);
        edits.removeIf(std::mem_fn(&QLineEdit::isReadOnly));
        QWidget* focus = window->focusWidget() ? window->focusWidget() : window;
        const int action = below(100);
        if (under && action < 1) {  // the dialog closed while its list is open
            under->close();
            return "close under list";
        }
        if (under || action < 30) {
            const Qt::Key key = kKeys[below(std::size(kKeys))];
            QTest::keyClick(focus, key);
            return "key " + QKeySequence(key).toString() + " to " + focus->objectName();
        }
        if (action < 60) {  // a click, or a double-click mostly on a rider's name
            const bool twice = action >= 45;
            const QWidget* aim =
                any(twice && window == guide.get()
                        ? window->findChildren<QWidget*>(QRegularExpression("^nom1"))
                        : usable<QWidget>(window));
            const QRect area =
                aim && below(2) ? QRect(aim->mapTo(window, QPoint()), aim->size()) : window->rect();
            const QPoint point(area.x() + below(area.width()), area.y() + below(area.height()));
            QWidget* hit = window->childAt(point) ? window->childAt(point) : window;
            const QPoint at = hit->mapFrom(window, point);
            const QPointer<QWidget> alive(hit);
            const QString name = hit->objectName();
            QTest::mouseClick(hit, Qt::LeftButton, {}, at);
            // A window closed by the first click takes no more clicks.
            for (const auto event : {QTest::MouseDClick, QTest::MouseRelease}) {
                if (twice && alive && hit->isVisible()) {
                    QTest::mouseEvent(event, hit, Qt::LeftButton, {}, at);
                }
            }
            return (twice ? "double-click on " : "click on ") + name;
        }
        if (QCheckBox* box = any(usable<QCheckBox>(window)); action < 70 && box) {
            QTest::mouseClick(box, Qt::LeftButton);  // a worked sector
            return "tick " + box->objectName();
        }
        if (action < 82 && !edits.isEmpty()) {
            QLineEdit* edit = any(edits);
            QString typed;
            for (int n = 1 + below(4); n > 0; --n) {
                typed += QString("0123456789-, .é-9")[below(17)];
            }
            if (below(2)) {
                QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            }
            for (const QChar c : typed) {  // as a keyboard sends it, also "é"
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(c.toUpper().unicode()), c, {});
            }
            return "type " + typed + " into " +
                   (edit->objectName().isEmpty() ? edit->parentWidget() : edit)->objectName();
        }
        if (QComboBox* list = any(usable<QComboBox>(window)); action < 99 && list) {
            const Qt::Key key = std::array{Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End,
                                           Qt::Key_F4}[below(5)];
            const auto alt =
                key == Qt::Key_Down && below(3) == 0 ? Qt::AltModifier : Qt::NoModifier;
            QTest::keyClick(list, key, alt);
            return "list key " + QKeySequence(key | alt).toString() + " to " + list->objectName();
        }
        if (window != guide.get()) {  // from the title bar
            window->close();
            return "close";
        }
        return "nothing";
    }
};

// Started again after a kill: answers the recovery question with Enter (Yes), saves, and
// prints whether it was asked and the orders file saved, in hex.
int resume(const QString& folder) {
    MonkeyHost host;
    host.sure = true;
    host.folder = folder;
    host.setRecoveryFolder(folder);
    const auto guide = makeMainWindow(host);
    guide->show();
    bool asked = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&asked] {
        if (QWidget* box = QApplication::activeModalWidget();
            box && box->objectName() == "question") {
            asked = true;
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    answer.start(5);
    guide->offerRecoveryCopies();
    if (!guide->roster().loaded) {
        guide->openTeamFile(kExample);
    }
    guide->findChild<QPushButton*>("btSave")->click();
    QFile saved(host.saved);
    saved.open(QIODevice::ReadOnly);
    std::printf("%d %s\n", asked, saved.readAll().toHex().constData());
    return 0;
}

// Plays sessions in a program of their own, killed at the n-th change of the copy a moment
// after it began or at a random moment, then started again: the orders saved must be those a
// save would have written before the kill, or during a change those after it.
int kills(const QString& self, int rounds) {
    std::mt19937_64 pick(std::random_device{}());
    for (int round = 1; round <= rounds; ++round) {
        QTemporaryDir folder;
        const auto seed = pick();
        QProcess child;
        child.start(self, {"--child", QString::number(seed), folder.path()});
        const bool inWrite = pick() % 2;
        const auto writes = 2 + static_cast<qsizetype>(pick() % 8);
        const auto ms = 300 + static_cast<qint64>(pick() % 3000);
        QElapsedTimer clock;
        clock.start();
        QByteArray out;
        while (child.state() != QProcess::NotRunning &&
               (inWrite ? out.count("\nP ") < writes : clock.elapsed() < ms)) {
            child.waitForReadyRead(5);
            out += child.readAllStandardOutput().replace("\r\n", "\n");  // Windows' text mode
            if (!out.contains("\nD\n")) {
                clock.start();  // the moment counts from the team loaded
            }
        }
        QThread::usleep(inWrite ? pick() % 1000 : 0);
        const bool alive = child.state() == QProcess::Running;
        child.kill();
        child.waitForFinished();
        out += child.readAllStandardOutput().replace("\r\n", "\n");
        QByteArray loaded, done, pending;
        for (const QByteArray& line : out.split('\n')) {
            if (line.startsWith("P ")) {
                pending = line.mid(2);
            } else if (line == "D") {
                done = std::exchange(pending, {});
                loaded = loaded.isEmpty() ? done : loaded;
            }
        }
        QProcess again;
        again.start(self, {"--resume", folder.path()});
        again.waitForFinished(120000);
        const QList<QByteArray> result = again.readAllStandardOutput().trimmed().split(' ');
        const QByteArray saved = result.value(1);
        const bool asked = result.value(0) == "1";
        std::printf("kill %d: seed %llu, %s after %lld changes%s; %s\n", round,
                    static_cast<unsigned long long>(seed), inWrite ? "in a write" : "at random",
                    out.count("\nP "), pending.isEmpty() ? "" : ", one under way",
                    asked ? "question, Yes" : "no question");
        if (!alive || saved.isEmpty() || (saved != done && saved != pending) ||
            asked != (saved != loaded)) {
            std::fprintf(stderr, "kills: %s\n%s\n",
                         alive ? "the orders saved are not those before the kill"
                               : "the program ended before the kill",
                         child.readAllStandardError().constData());
            return 1;
        }
    }
    return 0;
}

}  // namespace
}  // namespace rdo

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
        if (!message.contains("not support") && !message.contains("not accepted")) {
            std::fprintf(stderr, "%s\n",
                         qPrintable(message));  // the offscreen platform's are noise
        }
    });
    QApplication app(argc, argv);
    rdo::setUpApplication(app);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == "--kills") {
        const QByteArray kills = qgetenv("MONKEY_KILLS");
        return rdo::kills(arguments[0], kills.isEmpty() ? 5 : kills.toInt());
    }
    if (arguments.value(1) == "--resume") {
        return rdo::resume(arguments.value(2));
    }
    const bool child = arguments.value(1) == "--child";  // played until killed
    if (child) {
        std::setvbuf(stdout, nullptr, _IOLBF, 1 << 16);  // a line in one piece, at its end
    }
    const QByteArray given =
        argc > 1 ? arguments.value(1 + child).toLatin1() : qgetenv("MONKEY_SEED");
    const std::uint64_t seed = given.isEmpty() ? std::random_device{}() : given.toULongLong();
    std::printf("monkey: seed %llu\n", static_cast<unsigned long long>(seed));
    const QByteArray seconds = qgetenv("MONKEY_SECONDS");
    rdo::Monkey monkey(seed, argc > 2 && !child ? std::atol(argv[2]) : -1,
                       child ? 3600000 : (seconds.isEmpty() ? 20 : seconds.toLongLong()) * 1000);
    if (child) {
        monkey.host.setRecoveryFolder(arguments.value(3));
        monkey.host.record = true;
    }
    QTimer::singleShot(0, &monkey, &rdo::Monkey::tick);
    return QApplication::exec();
}
