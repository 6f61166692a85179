// The widgets on the offscreen platform: each step a player takes, timed from
// the user's action until the window has painted its result.
// Usage: widget_bench [runs]   (runs = 1 only checks that every step works)
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/Application.h"
#include "app/QtHost.h"
#include "tests/support/FakeHost.h"
#include "widgets/guide/Guide.h"
#include "widgets/ordres/Ordres.h"

namespace rdo {
namespace {

// Waits until `widget` has received a paint event; painting a window paints
// all its children in the same pass.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QWidget* widget) : widget_(widget) { widget_->installEventFilter(this); }
    ~PaintWatch() override { widget_->removeEventFilter(this); }

    void wait() {
        while (!painted_) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        painted_ = painted_ || event->type() == QEvent::Paint;
        return false;
    }

  private:
    QWidget* widget_;
    bool painted_ = false;
};

double millisecondsSince(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Figures {
    std::vector<double> show, build, load, openDialog, commit, openPlan, updatePlan;
};

// The fake host's files and dialogs, with the recovery copies written and synced on the disk.
struct BenchHost : test::FakeHost {
    QTemporaryDir folder;
    QtHost disk;
    BenchHost() { disk.setRecoveryFolder(folder.path()); }
    std::vector<StoredCopy> recoveryCopies() override { return disk.recoveryCopies(); }
    void holdRecovery(const std::string& name) override { disk.holdRecovery(name); }
    std::optional<std::string> writeRecovery(const std::string& name, std::string_view bytes,
                                             bool ours) override {
        return disk.writeRecovery(name, bytes, ours);
    }
    void removeRecovery(const std::string& name) override { disk.removeRecovery(name); }
};

void oneRun(const std::string& team, Figures& figures) {
    BenchHost host;
    QElapsedTimer timer;

    timer.start();
    auto guide = std::make_unique<Guide>(host);
    {
        PaintWatch watch(guide.get());
        guide->show();
        watch.wait();
    }
    figures.show.push_back(millisecondsSince(timer));

    // The team's controls are built, hidden, right after the window appears,
    // while the player reaches for the open button.
    timer.start();
    while (!guide->findChild<QWidget*>(QStringLiteral("sectors"))) {
        QCoreApplication::processEvents();
    }
    figures.build.push_back(millisecondsSince(timer));

    host.files["/equipe.cyc"] = team;
    host.chooserAnswers.push_back("/equipe.cyc");
    timer.start();
    {
        PaintWatch watch(guide.get());
        QTest::mouseClick(guide->findChild<QPushButton*>(QStringLiteral("btOpen")), Qt::LeftButton);
        watch.wait();
    }
    figures.load.push_back(millisecondsSince(timer));

    // A race of five sectors, picked from the list.
    auto* sectors = guide->findChild<QComboBox*>(QStringLiteral("sectors"));
    emit sectors->activated(sectors->findText(QStringLiteral("5")));

    host.onDialog = [&](Roster& roster, OrdersDialog& dialog) {
        Ordres ordres(roster, dialog, host, guide.get());
        PaintWatch watch(&ordres);
        ordres.show();
        watch.wait();
        figures.openDialog.push_back(millisecondsSince(timer));
        timer.start();
        QTest::mouseClick(ordres.findChild<QPushButton*>(QStringLiteral("OKButton")),
                          Qt::LeftButton);
    };
    QWidget* name = guide->findChild<QWidget*>(QStringLiteral("nom1_0"));
    PaintWatch repaint(guide.get());
    timer.start();
    QTest::mouseDClick(name, Qt::LeftButton);
    repaint.wait();
    figures.commit.push_back(millisecondsSince(timer));
    if (host.dialogsShown != 1 || guide->roster().cptsel != "1" || guide->roster().sectors != "5" ||
        host.disk.recoveryCopies().size() != 1) {
        std::fprintf(stderr, "widget_bench: the orders were not committed and kept\n");
        std::exit(1);
    }

    // The race plan, opened by F2, then brought up to date by an undo.
    QApplication::setActiveWindow(guide.get());
    timer.start();
    QTest::keyClick(guide.get(), Qt::Key_F2);
    auto* plan = guide->findChild<QWidget*>(QStringLiteral("PlanDeCourse"));
    if (!plan || !plan->isVisible()) {
        std::fprintf(stderr, "widget_bench: F2 did not open the race plan\n");
        std::exit(1);
    }
    PaintWatch(plan).wait();
    figures.openPlan.push_back(millisecondsSince(timer));
    QApplication::setActiveWindow(guide.get());
    PaintWatch updated(plan);
    timer.start();
    QTest::keyClick(guide.get(), Qt::Key_Z, Qt::ControlModifier);
    updated.wait();
    figures.updatePlan.push_back(millisecondsSince(timer));
    if (guide->roster().cptsel != "0") {
        std::fprintf(stderr, "widget_bench: the undo did not reach the plan\n");
        std::exit(1);
    }
}

}  // namespace
}  // namespace rdo

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    rdo::setUpApplication(app);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    const std::string team = rdo::test::sourceFile("examples/equipe-exemple.cyc");
    rdo::Figures figures;
    for (int run = 0; run < runs; ++run) {
        rdo::oneRun(team, figures);
    }
    std::printf("widgets, offscreen, median of %d runs\n", runs);
    std::printf("  main window built and painted       %7.2f ms\n", rdo::median(figures.show));
    std::printf("  then its hidden team controls built %7.2f ms\n", rdo::median(figures.build));
    std::printf("  15-rider team loaded and painted    %7.2f ms\n", rdo::median(figures.load));
    std::printf("  orders dialog opened and painted    %7.2f ms\n",
                rdo::median(figures.openDialog));
    std::printf("  commit, copy synced, until repainted %6.2f ms\n", rdo::median(figures.commit));
    std::printf("  race plan opened by F2 and painted  %7.2f ms\n", rdo::median(figures.openPlan));
    std::printf("  an undo shown in the plan, painted  %7.2f ms\n",
                rdo::median(figures.updatePlan));
    return 0;
}
