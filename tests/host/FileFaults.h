// The Qt host on real files, for the cases every platform has and each platform's own.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "actions/MainActions.h"
#include "app/QtHost.h"
#include "orderfile/OrdersFile.h"
#include "tests/support/FakeHost.h"

namespace rdo::test {

// The real files of QtHost, with the chooser's answer given and the messages recorded.
class ScriptedQtHost : public QtHost {
  public:
    explicit ScriptedQtHost(std::string answer = {}) : answer(std::move(answer)) {}
    std::string answer;
    std::vector<std::string> messages;
    std::string chooseFile(const std::string&, ChooserPurpose) override { return answer; }
    void showMessage(const std::string& text) override { messages.push_back(text); }
};

// What the folder `dir` holds, temporary files included.
inline long entries(const QString& dir) {
    return std::distance(std::filesystem::directory_iterator(fsPath(dir.toStdString())), {});
}

// Two orders to save over one name, `a`'s shorter than `b`'s, and where the file replaced is kept.
struct TwoOrders {
    QTemporaryDir temp;
    std::string path = temp.filePath("o.ord").toStdString();
#ifdef _WIN32
    std::string backup = path + ".bak";
#else
    std::string backup = path + "~";
#endif
    Session a{loadedRoster(teamFile("1|0|0|0|A"))};
    Session b{loadedRoster(sourceFile("examples/equipe-exemple.cyc"))};
    std::string A = ordersFileBytes(a.roster), B = ordersFileBytes(b.roster);
    ScriptedQtHost host{path};
};

// A team file to open (true) or an orders file to save that the host must refuse, with how the
// system's reason may begin.
using Refusal = std::tuple<bool, std::string, std::vector<std::string>>;

// Each refusal is said once, with the system's reason (the logic's words around it are the
// sessions'), and leaves nothing behind in `dir`.
inline void expectRefused(const std::string& dir, const std::vector<Refusal>& refusals) {
    const long before = entries(QString::fromStdString(dir));
    for (const auto& [open, path, reasons] : refusals) {
        ScriptedQtHost host{path};
        Session session;
        EXPECT_FALSE(open ? openTeam(session, host) : saveOrders(session, host)) << path;
        ASSERT_EQ(host.messages.size(), 1u) << path;
        const auto said = [&](const std::string& reason) {
            return host.messages[0].find(" : " + reason) != std::string::npos;
        };
        EXPECT_TRUE(std::ranges::any_of(reasons, said)) << host.messages[0];
    }
    EXPECT_EQ(entries(QString::fromStdString(dir)), before) << "a failed save left a file behind";
}

}  // namespace rdo::test
