#pragma once
// Windows that take command ids (button presses, popup answers) the way the
// original window messages carried them: one handler per window.

class QObject;

namespace orelle {

class CommandTarget {
  public:
    virtual ~CommandTarget() = default;
    // Runs synchronously on the UI thread; may close or delete the sender.
    virtual void OnCommand(int id) = 0;
};

// Hands the command to target when it is a CommandTarget; nothing otherwise.
void SendCommand(QObject* target, int id);

}  // namespace orelle
