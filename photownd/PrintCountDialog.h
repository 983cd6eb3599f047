#pragma once
// The number of prints of every photo being appended, 1 to 10000, with
// buttons that lower and raise it by one.

#include "cell/QuantityDialog.h"

namespace orelle {

class PrintCountDialog : public QuantityDialog {
    Q_OBJECT

  public:
    static constexpr int kResourceId = 1168;
    static constexpr int kLessId = 1080;
    static constexpr int kMoreId = 1081;

    explicit PrintCountDialog(QWidget* parent = nullptr);

    void OnCommand(int id) override;

  protected:
    bool OnInitDialog() override;

  private:
    void Change(int delta);
};

}  // namespace orelle
