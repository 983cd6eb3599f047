#pragma once
// Print size, framing and quantity for every photo of one folder. In the
// normal mode the customer picks one of the job's folders (or types one);
// in the append mode the folder is given and only shown. OK stays open
// until a size is chosen, a folder is named (normal mode) and the quantity
// lies within 1 to 1000.

#include <cstdint>
#include <string>
#include <vector>

#include "skin/SkinDialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;

namespace orelle {

class DirApplyDialog : public SkinDialog {
    Q_OBJECT

  public:
    static constexpr int kResourceId = 1128;
    static constexpr int kFolderComboId = 1036;
    static constexpr int kSizeListId = 1037;
    static constexpr int kFramingListId = 1038;
    static constexpr int kQuantityId = 1039;
    static constexpr int kMatteId = 1040;
    static constexpr int kFolderEditId = 1072;
    static constexpr int kOkId = 1;
    static constexpr int kCancelId = 2;
    static constexpr int kMaxQuantity = 1000;

    enum class Mode { kNormal, kAppend };

    // folders fill the combo box, sizeNames the size list with sizeIndex
    // selected.
    DirApplyDialog(Mode mode, std::vector<std::string> folders, std::vector<std::string> sizeNames,
                   std::int32_t sizeIndex, QWidget* parent = nullptr);

    // The folder shown in the append mode.
    std::string appendFolder;

    // What OK took.
    std::string folder;
    std::int32_t sizeIndex = -1;
    std::int32_t framing = 0;
    std::int32_t quantity = 1;
    std::int32_t matte = 0;

    void OnCommand(int id) override;

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    Mode mode_;
    std::vector<std::string> folders_;
    std::vector<std::string> sizeNames_;
    QComboBox* folderCombo_ = nullptr;
    QLineEdit* folderEdit_ = nullptr;
    QListWidget* sizeList_ = nullptr;
    QListWidget* framingList_ = nullptr;
    QLineEdit* quantityEdit_ = nullptr;
    QCheckBox* matteCheck_ = nullptr;
};

}  // namespace orelle
