#pragma once
// "线路会员": the operator picks a delivery route, then one of its members;
// the back office then gives that member's password, so that the order
// dialog can log the member in. The database and the back office are
// asked on the spot: the dialog waits for them.

#include <string>
#include <vector>

#include "platform/db/OdbcConnection.h"
#include "skin/SkinDialog.h"
#include "submit/BackOfficeLogin.h"
#include "submit/OrderDatabase.h"

class QListWidget;
class QTreeWidget;

namespace orelle {

class WebClient;

class RouteMemberDialog : public SkinDialog {
    Q_OBJECT

  public:
    static constexpr int kResourceId = 1170;
    static constexpr int kRoutesId = 1083;
    static constexpr int kMembersId = 1084;

    // Everything given must outlive the dialog.
    RouteMemberDialog(DatabaseConnector& connector, OdbcSettings server, const WebClient& client,
                      const BackOfficeLogin& login, QWidget* parent = nullptr);

    void OnCommand(int id) override;

    // Set by a successful look-up only.
    const std::string& RouteName() const { return route_; }
    const std::string& MemberCode() const { return memberCode_; }
    const std::string& Password() const { return password_; }

    QListWidget* Routes() const { return routes_; }
    QTreeWidget* Members() const { return members_; }

  protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FillMembers();
    // An open connection for one fill, its failure boxed.
    bool Open(OrderDatabase& db);

    DatabaseConnector& connector_;
    OdbcSettings server_;
    const WebClient& client_;
    const BackOfficeLogin& login_;
    QListWidget* routes_ = nullptr;
    QTreeWidget* members_ = nullptr;
    std::string chosenRoute_;
    std::string route_, memberCode_, password_;
};

}  // namespace orelle
