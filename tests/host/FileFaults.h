// The Qt host on real files, for the cases every platform has and each platform's own.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "actions/MainActions.h"
#include "app/QtHost.h"
#include "orderfile/OrdersFile.h"
#include "tests/support/FakeHost.h"

namespace rdo::test {

// The real files of QtHost, with the chooser's answer given and the messages recorded.
class ScriptedQtHost : public QtHost {
  public:
    std::string answer;  // empty: a cancel
    std::vector<std::string> messages;
    std::string chooseFile(const std::string&, ChooserPurpose) override { return answer; }
    void showMessage(const std::string& text) override { messages.push_back(text); }
};

// Two orders of the example team to save over one name: `b`'s team line differs from `a`'s.
struct TwoOrders {
    TwoOrders() {
        b.roster.cEquipe += " (bis)";
        B = ordersFileBytes(b.roster);
        host.answer = path;
    }
    QTemporaryDir temp;
    std::string path = temp.filePath("o.ord").toStdString();
    Session a{loadedRoster(sourceFile("examples/equipe-exemple.cyc"))}, b = a;
    std::string A = ordersFileBytes(a.roster), B;
    ScriptedQtHost host;
};

// A team file to open or an orders file to save that the host must refuse.
struct Refusal {
    bool open;
    std::string path;
    std::vector<std::string> reasons;  // how the reason may begin; none: a cancel
};

// Each refusal gets one French message (a cancel, none) and leaves the roster and an existing
// orders file in `dir` as they were. A failed save leaves nothing in `dir` but copies of
// replaced files.
inline void expectRefused(const std::string& dir, const std::vector<Refusal>& refusals) {
    const std::string old = "ordres de la semaine passée";
    const std::string existing = writeBytes(dir + "/ordres.ord", old);
    Roster orders = loadedRoster(sourceFile("examples/equipe-exemple.cyc"));
    orders.rows[0].PEplus = "3,2,0,0,0,0,0,0,0,0";  // orders, so that losing them would show
    // Copies of replaced files (NAME~) aside, what the folder holds.
    const auto files = [&dir] {
        return std::ranges::count_if(
            std::filesystem::directory_iterator(fsPath(dir)),
            [](const auto& entry) { return !entry.path().u8string().ends_with(u8'~'); });
    };
    const auto before = files();
    for (const auto& [open, path, reasons] : refusals) {
        SCOPED_TRACE(path);
        ScriptedQtHost host;
        host.answer = path;
        Session session{open ? Roster{} : orders};
        EXPECT_FALSE(open ? openTeam(session, host) : saveOrders(session, host));
        EXPECT_EQ(session.roster, open ? Roster{} : orders);
        EXPECT_EQ(fileBytes(existing), old);
        const std::string head =
            open ? "Le fichier d'équipe « " + path + " » ne peut pas être chargé : "
                 : "Les ordres n'ont pas pu être enregistrés dans « " + path + " » : ";
        const std::string tail =
            open ? "\n\nChoisissez un autre fichier d'équipe."
                 : ".\n\nVos ordres sont conservés : choisissez un autre emplacement.";
        ASSERT_EQ(host.messages.size(), reasons.empty() ? 0u : 1u);
        for (const std::string& message : host.messages) {
            const auto said = [&](const std::string& reason) {
                return message.starts_with(head + reason);
            };
            EXPECT_TRUE(message.ends_with(tail) && std::ranges::any_of(reasons, said)) << message;
        }
    }
    EXPECT_EQ(files(), before) << "a failed save left a file behind";
}

}  // namespace rdo::test
