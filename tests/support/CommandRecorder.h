#pragma once
// A window that keeps the command ids that its children and popups send.

#include <QWidget>
#include <functional>
#include <vector>

#include "skin/CommandTarget.h"

namespace orelle::testing {

class CommandRecorder : public QWidget, public CommandTarget {
  public:
    CommandRecorder() { resize(400, 300); }
    void OnCommand(int id) override {
        ids.push_back(id);
        if (onCommand) onCommand(id);
    }

    std::vector<int> ids;
    std::function<void(int)> onCommand;
};

}  // namespace orelle::testing
