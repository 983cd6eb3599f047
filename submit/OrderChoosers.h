#pragma once
// The choosers the order dialog is handed: the window layer makes them
// from the dialogs of stores/, so that the dialog knows none of them.

#include <functional>
#include <optional>
#include <string>
#include <utility>

class QWidget;

namespace orelle {

class WebClient;

// A member picked from a delivery route: code and password; nothing when
// the choice was cancelled. Gets the dialog's client.
using RouteMemberChooser =
    std::function<std::optional<std::pair<std::string, std::string>>(const WebClient&)>;

// A pickup point the customer chose: its id and the name shown.
struct ChosenPickupPoint {
    std::string id, name;
};
// Gets the dialog's client and the dialog to open over; nothing when
// cancelled.
using PickupPointChooser =
    std::function<std::optional<ChosenPickupPoint>(const WebClient&, QWidget* parent)>;

}  // namespace orelle
