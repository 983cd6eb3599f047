#pragma once
// "选择取件点": the customer narrows the pickup points down by town, then
// by street, and picks one. The directory is fetched afresh on a worker
// when the dialog opens (see StoreListRefresh); until it arrives, or when
// it does not, the lists stay empty. Cancel stops the fetch, which then
// changes neither the dialog nor storelist.ini.

#include <QListWidget>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "platform/jobs/JobRunner.h"
#include "skin/SkinDialog.h"
#include "stores/StoreList.h"
#include "submit/OrderChoosers.h"

class QTreeWidget;

namespace orelle {

class FileSystem;
class StaticText;
class WebClient;

class PickupPointDialog : public SkinDialog {
    Q_OBJECT

  public:
    static constexpr int kResourceId = 1132;
    static constexpr int kTownsId = 1065;
    static constexpr int kStreetsId = 1066;
    static constexpr int kPointsId = 1043;
    static constexpr int kNoticeId = 1064;
    static constexpr int kOkId = 1;
    static constexpr int kCancelId = 2;

    // storeListPath is where the directory is kept. The client and the
    // file system must outlive the dialog.
    PickupPointDialog(const WebClient& client, FileSystem& fs, std::string storeListPath,
                      std::atomic<bool>& busy, QWidget* parent = nullptr);

    // The dialog over parent with the directory of the settings folder:
    // the chosen point's id and name, nothing for Cancel.
    static std::optional<ChosenPickupPoint> Choose(const WebClient& client, FileSystem& fs,
                                                   const std::string& settingsFolder,
                                                   std::atomic<bool>& busy, QWidget* parent);

    void OnCommand(int id) override;

    // The chosen point, once accepted.
    const std::string& Serid() const { return serid_; }
    const std::string& Storename() const { return storename_; }
    int RowIndex() const { return row_; }

    QListWidget* Towns() const { return towns_; }
    QListWidget* Streets() const { return streets_; }
    QTreeWidget* Points() const { return points_; }
    std::string Notice() const;

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

  private:
    void Show(StoreList list);
    void FillStreets(int town);
    void FillPoints(int street);

    const WebClient& client_;
    FileSystem& fs_;
    std::string path_;
    QListWidget* towns_ = nullptr;
    QListWidget* streets_ = nullptr;
    QTreeWidget* points_ = nullptr;
    StaticText* notice_ = nullptr;
    StoreList list_;
    std::vector<std::string> streetCodes_;  // of the street list, in its order
    std::string serid_, storename_;
    int row_ = -1;
    JobRunner jobs_;
};

}  // namespace orelle
