#pragma once
// Asks for one number of prints, 1 to 10000, when an order is placed.

#include "skin/SkinDialog.h"

class QLineEdit;

namespace orelle {

class BitmapButton;

class QuantityDialog : public SkinDialog {
    Q_OBJECT

  public:
    static constexpr int kResourceId = 1161;
    static constexpr int kEditId = 1069;
    static constexpr int kOkId = 1;  // the dialog's OK
    static constexpr int kMin = 1;
    static constexpr int kMax = 10000;

    explicit QuantityDialog(QWidget* parent = nullptr);

    int count = 1;

    void OnCommand(int id) override;

  protected:
    // The same entry under another resource and title.
    QuantityDialog(int resourceId, const char* title, QWidget* parent);

    bool OnInitDialog() override;
    // Stays open with the range message unless the edit holds 1 to 10000.
    void OnOK() override;

    QLineEdit* edit_ = nullptr;

  private:
    const char* title_;
};

}  // namespace orelle
