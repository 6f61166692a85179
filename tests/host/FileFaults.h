// The Qt host on real files, for the cases every platform has and each platform's own.
#pragma once

#include <string>
#include <vector>

#include "app/QtHost.h"

namespace rdo::test {

// The real files of QtHost, with the chooser's answer given and the messages recorded.
class ScriptedQtHost : public QtHost {
  public:
    std::string answer;  // empty: a cancel
    std::vector<std::string> messages;
    std::string chooseFile(const std::string&, ChooserPurpose) override { return answer; }
    void showMessage(const std::string& text) override { messages.push_back(text); }
};

// A team file to open or an orders file to save that the host must refuse.
struct Refusal {
    bool open;
    std::string path;
    std::vector<std::string> reasons;  // how the reason may begin; none: a cancel
};

// Each refusal gets one French message (a cancel, none) and leaves the roster and an existing
// orders file in `dir` as they were; a good team file then loads and the orders then replace
// that longer file whole. A failed save leaves nothing in `dir` but copies of replaced files.
void expectRefused(const std::string& dir, const std::vector<Refusal>& refusals);

}  // namespace rdo::test
