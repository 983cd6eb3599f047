#pragma once
// "选择压缩率": the compression rate of the order's photos, 95, 97 or 98.

#include "skin/SkinDialog.h"

class QListWidget;

namespace orelle {

class CompressionDialog : public SkinDialog {
    Q_OBJECT

  public:
    static constexpr int kResourceId = 1130;
    static constexpr int kListId = 1041;
    static constexpr int kOkId = 1;

    explicit CompressionDialog(QWidget* parent = nullptr);

    // What OK chose; 97 until then.
    int rate = 97;

    void OnCommand(int id) override;

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    QListWidget* list_ = nullptr;
};

// The rate of a row of the list; 97 for no row.
int CompressionRateOfRow(int row);

}  // namespace orelle
