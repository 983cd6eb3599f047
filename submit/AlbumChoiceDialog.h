#pragma once
// "选择相册": the customer picks one album of the album list text that the
// album login brought. Accepted, it holds the chosen id and name.

#include <QDialog>
#include <string>

class QTreeWidget;

namespace orelle {

class AlbumChoiceDialog : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kResourceId = 1166;
    static constexpr int kListId = 1077;

    explicit AlbumChoiceDialog(const std::string& albumListText, QWidget* parent = nullptr);

    QTreeWidget* List() const { return list_; }
    const std::string& ChosenId() const { return id_; }
    const std::string& ChosenName() const { return name_; }

    // Takes the selected row; without one asks for a choice and stays open.
    void OnOK();

  private:
    QTreeWidget* list_ = nullptr;
    std::string id_, name_;
};

}  // namespace orelle
