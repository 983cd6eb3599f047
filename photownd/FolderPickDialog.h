#pragma once
// The picker of the folder that starts a job: the customer walks the
// folders and opens either the folder shown (the whole folder) or chosen
// photos of it. The folder it starts in is the last folder read from the
// registry; the folder chosen is written to another key, as the shop's
// tools expect.

#include <QDialog>
#include <QImage>
#include <QThreadPool>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;

namespace orelle {

class FileSystem;
class Registry;

// HKEY_LOCAL_MACHINE keys of the value lastDir.
inline constexpr const char* kLastDirReadKey = "Software\\Lumora\\PhotoCount";
inline constexpr const char* kLastDirWriteKey = "Software\\vantor\\PhotoCount";

// Whether the picker may start in a folder (none of an earlier customer's).
using PickStartFilter = std::function<bool(const std::string& folder)>;

// The folder the picker starts in: lastDir of the read key (unless
// mayStart refuses it), else the first of cardFolders that exists (where
// cards appear), else the host program's folder, with a trailing separator.
std::string InitialPickFolder(Registry& registry, FileSystem& fs,
                              const std::vector<std::string>& cardFolders,
                              const PickStartFilter& mayStart = {});
std::string InitialPickFolder(Registry& registry, FileSystem& fs,
                              const PickStartFilter& mayStart = {});
// Writes lastDir of the write key; false when the key cannot be made.
bool RememberPickedFolder(Registry& registry, const std::string& folder);

// A photo row's thumbnail, side pixels at most: the preview the camera
// embedded, else the picture decoded reduced; null when neither can be
// had. Reads the file: not on the UI thread (any other).
QImage PickerThumbnail(FileSystem& fs, const std::string& path, int side);

class FolderPickDialog : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kOpenId = 1;
    static constexpr int kCancelId = 2;
    static constexpr int kUpId = 1155;
    static constexpr int kListId = 1120;
    // "手机传照片": the dialog ends with this result.
    static constexpr int kPhoneId = 1160;

    // An empty initial folder means the registry's. The registry and the
    // file system outlive the dialog. With phones, photos can come from a
    // phone instead. A folder that mayStart refuses is neither started in
    // nor recorded for the next time; one that mayShow refuses is neither
    // listed nor shown (an earlier customer's copies).
    FolderPickDialog(const std::string& initialFolder, const std::string& title, Registry& registry,
                     FileSystem& fs, QWidget* parent = nullptr, bool phones = false,
                     PickStartFilter mayStart = {}, PickStartFilter mayShow = {});
    ~FolderPickDialog() override;

    bool folderChosen = false;
    std::vector<std::string> selectedPaths;  // lower-cased

    // The folder (with a trailing separator), recorded in the registry.
    std::string GetChosenFolder();

    // What Open does with photos chosen in the list (not empty).
    void ChoosePhotos(const std::vector<std::string>& photos);

    // Shows folder (tests and the Open of a folder row).
    void ShowFolder(const std::string& folder);
    std::string ShownFolder() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Open();
    void Up();
    // A folder row goes into the folder; a photo row opens the photos chosen.
    void Activate(int row);
    std::string RowPath(int row) const;
    // Thumbnails of the photo rows of the folder shown, read one after the
    // other and put in place on the UI thread.
    void ReadThumbnails();
    void StopThumbnails();

    QListWidget* list_ = nullptr;
    QThreadPool thumbnailer_;
    int shownGeneration_ = 0;  // of the folder shown; a thumbnail of an older one is dropped
    QLabel* where_ = nullptr;
    std::string chosen_;
    Registry& registry_;
    FileSystem& fs_;
    PickStartFilter mayStart_;
    PickStartFilter mayShow_;
};

}  // namespace orelle
