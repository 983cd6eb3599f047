#include "orderdata/OrderPaths.h"

#include "platform/paths/Paths.h"

namespace orelle {

std::string OrderPaths::DayFolder() const { return paths::Join(root, dateStr); }

std::string OrderPaths::OrderIni() const { return paths::Join(DayFolder(), "order.ini"); }

std::string OrderPaths::WorkFolder(const std::string& storeDDH) const {
    return paths::Join(DayFolder(), storeDDH);
}

std::string OrderPaths::PhotoIni(const std::string& storeDDH) const {
    return paths::Join(WorkFolder(storeDDH), "photo.ini");
}

}  // namespace orelle
