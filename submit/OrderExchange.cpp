#include "submit/OrderExchange.h"

#include "orderdata/FeatureFlags.h"
#include "submit/DatabaseOrderBackEnd.h"
#include "submit/WebLimits.h"
#include "submit/WebOrderBackEnd.h"

namespace orelle {
namespace {

ParamConfig ReadServers(const ParamConfig& config, const std::string& folder, FileSystem& fs) {
    ParamConfig servers = config;
    LoadWebServers(folder, servers, fs);
    return servers;
}

}  // namespace

OrderExchange::OrderExchange(const OrderExchangeSources& in, OrderBackEnd* given)
    : settings_(ReadOrderDialogSettings(in.settingsFolder, in.files)),
      servers_(ReadServers(in.config, in.settingsFolder, in.files)),
      client_(servers_, LoadWebLimits(in.settingsFolder, in.files), in.http),
      backEnd_(given) {
    if (backEnd_) return;
    if (Mode() == OrderMode::kDatabase) {
        own_ = std::make_unique<DatabaseOrderBackEnd>(in.database, in.config, in.flags,
                                                      in.databaseError);
    } else if (Mode() == OrderMode::kWeb) {
        own_ = std::make_unique<WebOrderBackEnd>(client_, servers_, in.uploadCount);
    }
    backEnd_ = own_.get();
}

OrderExchange::~OrderExchange() = default;

WebClient AlbumLoginClient(const std::string& settingsFolder, FileSystem& files, HttpPoster& http,
                           const ParamConfig& config) {
    return WebClient(config, LoadWebLimits(settingsFolder, files), http);
}

}  // namespace orelle
