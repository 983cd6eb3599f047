#pragma once
// "服务告示!": the delivery notes of the order web server, fetched on a
// worker when the dialog opens and shown as they come. OK (or Escape)
// stops a fetch still running, which then changes nothing, and closes.

#include <atomic>

#include "platform/jobs/JobRunner.h"
#include "skin/SkinDialog.h"

class QPlainTextEdit;

namespace orelle {

class WebClient;

class ServiceNoticeDialog : public SkinDialog {
    Q_OBJECT

  public:
    static constexpr int kResourceId = 1153;
    static constexpr int kTextId = 1061;
    static constexpr int kOkId = 1325;
    static constexpr int kTextBytes = 2000;

    // The client must outlive the dialog.
    ServiceNoticeDialog(const WebClient& client, std::atomic<bool>& busy,
                        QWidget* parent = nullptr);

    void OnCommand(int id) override;
    std::string Text() const;

  protected:
    bool OnInitDialog() override;
    void OnOK() override { Close(); }
    void OnCancel() override { Close(); }

  private:
    void Close();

    const WebClient& client_;
    QPlainTextEdit* text_ = nullptr;
    JobRunner jobs_;
};

}  // namespace orelle
