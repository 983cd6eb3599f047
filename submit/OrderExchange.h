#pragma once
// The way of one order command to the back office: the one reading of the
// edition, the web client that the order dialog and its helpers (pickup
// points, delivery notes, the back-office login, route members) share,
// and the back end that places the order: the order web server, the order
// database, or none. Made by the order placement; the dialog only uses it.

#include <memory>
#include <string>

#include "orderdata/ParamConfig.h"
#include "submit/OrderBackEnd.h"
#include "submit/OrderDatabase.h"
#include "submit/OrderForm.h"
#include "submit/WebClient.h"

namespace orelle {

class FileSystem;
struct FeatureFlags;

// What the exchange is built from; everything must outlive it.
struct OrderExchangeSources {
    std::string settingsFolder;  // ver_ctrl.ini, param.ini and the web limits
    FileSystem& files;
    HttpPoster& http;
    DatabaseConnector& database;
    const ParamConfig& config;  // the process's settings
    const FeatureFlags& flags;
    double uploadCount = 0;  // the host's upload window's count
    // The database's error boxes, shown on the UI thread.
    DatabaseErrorBox databaseError;
};

class OrderExchange {
  public:
    // Reads the dialog's settings and the web servers afresh; connects to
    // nothing. A given back end replaces the edition's (tests, tools).
    explicit OrderExchange(const OrderExchangeSources& sources, OrderBackEnd* given = nullptr);
    ~OrderExchange();
    OrderExchange(const OrderExchange&) = delete;
    OrderExchange& operator=(const OrderExchange&) = delete;

    const OrderDialogSettings& Settings() const { return settings_; }
    OrderMode Mode() const { return ModeOf(settings_.verison_function); }
    // The settings with the web servers as read now.
    const ParamConfig& Servers() const { return servers_; }
    WebClient& Client() { return client_; }
    // Null: this edition has no way to the back office.
    OrderBackEnd* BackEnd() const { return backEnd_; }

  private:
    OrderDialogSettings settings_;
    ParamConfig servers_;
    WebClient client_;
    std::unique_ptr<OrderBackEnd> own_;
    OrderBackEnd* backEnd_ = nullptr;
};

// The album login's client: the hosts the process started with.
WebClient AlbumLoginClient(const std::string& settingsFolder, FileSystem& files, HttpPoster& http,
                           const ParamConfig& config);

}  // namespace orelle
