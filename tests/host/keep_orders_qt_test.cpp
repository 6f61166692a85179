// Keeping a turn's orders: the Qt host on a real folder, then one turn through the windows.
#include <sys/resource.h>

#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <filesystem>

#include "actions/Closing.h"
#include "app/QtHost.h"
#include "orderfile/OrdersFile.h"
#include "tests/support/WidgetTest.h"
#include "widgets/guide/Guide.h"

namespace rdo {
namespace {

class ScriptedQtHost : public QtHost {
  public:
    std::string answer;
    std::vector<std::string> messages;
    std::string chooseFile(const std::string&, ChooserPurpose) override { return answer; }
    void showMessage(const std::string& text) override { messages.push_back(text); }
};

std::string held(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(aucun)";
}

// Saves over one name of orders b, a (shorter), b: each replaced file is kept as NAME~, one
// generation; a save failing after that copy leaves the old file whole; a NAME~ that cannot
// be written does not stop the save. Then the question box and the orders beside a team file.
TEST(KeepOrdersQtHost, KeepsTheReplacedFileLeavesTheOldOrTheNewAndFindsAnyLetterCase) {
    QTemporaryDir temp;
    const std::string path = temp.filePath("o.ord").toStdString();
    Session a{test::loadedRoster(test::sourceFile("examples/equipe-exemple.cyc"))}, b = a;
    b.roster.cEquipe += " (bis)";
    const std::string A = ordersFileBytes(a.roster), B = ordersFileBytes(b.roster);
    ScriptedQtHost host;
    host.answer = path;
    EXPECT_TRUE(saveOrders(b, host) && held(path) == B && held(path + "~") == "(aucun)");
    EXPECT_TRUE(saveOrders(a, host) && held(path) == A && held(path + "~") == B);
    rlimit limit{};  // a write past A's size fails: the copy of A fits, b does not
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit unlimited = limit;
    limit.rlim_cur = A.size();
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_FALSE(saveOrders(b, host));
    setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_TRUE(held(path) == A && held(path + "~") == A);
    std::filesystem::remove(path + "~");
    std::filesystem::create_directory(path + "~");
    EXPECT_TRUE(saveOrders(b, host) && held(path) == B);
    EXPECT_TRUE(host.messages.size() == 2 &&
                host.messages[0].starts_with("Les ordres n'ont pas pu être enregistrés") &&
                host.messages[1].ends_with("o.ord~ » : c'est un dossier, pas un fichier."));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path().toStdString()), {}), 2)
        << "a temporary file was left";

    // Orders not saved since loading: Escape keeps them, Enter saves them.
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        QTimer::singleShot(0, [key] { QTest::keyClick(QApplication::activeModalWidget(), key); });
        EXPECT_EQ(closeRequested(a, host), key == Qt::Key_Return);
    }
    EXPECT_EQ(held(path), A);
    EXPECT_EQ(host.findSibling(temp.filePath("o.cyc").toStdString(), ".ORD")->path, path);
    EXPECT_FALSE(host.findSibling(temp.filePath("o.cyc").toStdString(), ".ord~"));  // a folder
}

using KeepOrdersWindows = test::WidgetTest;

// Closing asks while there are orders to lose, whatever the answer; started again, the
// program takes the saved orders up and saves them unchanged under another name.
TEST_F(KeepOrdersWindows, ClosingAsksAndSavedOrdersComeBackByteForByte) {
    host.files["/t/equipe.cyc"] = test::sourceFile("examples/equipe-exemple.cyc");
    host.chooserAnswers = {"/t/equipe.cyc", "/t/plein.ord", "/t/equipe.ord", "/t/equipe.cyc",
                           "/t/autre.ord"};
    host.answers = {Answer::Cancel, Answer::Save, Answer::Discard, Answer::Save, Answer::Yes};
    drive = [](Ordres& ordres) {
        pickNext(ordres, "cbPE_0", 3);
        pickNext(ordres, "cbdope", 2);  // Clean, Amphétamines, EPO
        QTest::mouseClick(control(ordres, "btconfirme"), Qt::LeftButton);
        QTest::mouseClick(control(ordres, "OKButton"), Qt::LeftButton);
    };
    Guide first(host), again(host);
    EXPECT_TRUE(again.close());  // no team: no question
    first.show();
    QTest::mouseClick(control(first, "btOpen"), Qt::LeftButton);
    QTest::mouseDClick(control(first, "nom1_0"), Qt::LeftButton);
    EXPECT_FALSE(first.close());  // Cancel
    host.writeError = "Disque plein";
    EXPECT_FALSE(first.close());  // Save, the write failed
    host.writeError.reset();
    EXPECT_TRUE(first.close() && host.files.size() == 1);  // Discard
    first.show();
    EXPECT_TRUE(first.close() && host.files.contains("/t/equipe.ord"));  // Save
    ASSERT_EQ(host.questions.size(), 4u);
    EXPECT_EQ(host.questions[3].text,
              "Les ordres de cette équipe n'ont pas été enregistrés.\n\nLes enregistrer avant de "
              "quitter ?");

    again.show();
    QTest::mouseClick(control(again, "btOpen"), Qt::LeftButton);               // Yes
    EXPECT_TRUE(again.roster().rows == first.roster().rows && again.close());  // nothing to lose
    again.show();
    EXPECT_EQ(control<QLineEdit>(again, "Dope1_0")->palette().color(QPalette::Base), Qt::red);
    EXPECT_EQ(control<QLineEdit>(again, "PE_USED")->text(), "3");
    QTest::mouseClick(control(again, "btSave"), Qt::LeftButton);
    EXPECT_TRUE(!again.isVisible() && host.questions.size() == 5);
    EXPECT_EQ(host.files.at("/t/autre.ord"), host.files.at("/t/equipe.ord"));
}

}  // namespace
}  // namespace rdo
