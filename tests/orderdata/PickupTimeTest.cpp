// When the customer may come back: the hours of work moved past the
// closed hours.

#include <gtest/gtest.h>

#include "orderdata/PickupTime.h"

namespace orelle {
namespace {

struct Case {
    const char* name;
    LocalTime placed;
    PickupSettings settings;
    const char* line;
};

TEST(PickupTime, MovesToTheNextOpening) {
    const Case cases[] = {
        {"no hours set", {2026, 12, 9, 10, 0, 0}, {"", "09:00-21:00"}, ""},
        {"not a number", {2026, 12, 9, 10, 0, 0}, {"soon", ""}, ""},
        {"always open", {2026, 12, 9, 23, 30, 0}, {"1", ""}, "预计明天 00:30 后可取件"},
        {"inside the hours",
         {2026, 12, 9, 10, 15, 20},
         {"2", "09:00-21:00"},
         "预计 12:16 后可取件"},
        {"half hours", {2026, 12, 9, 10, 15, 0}, {"1.5", "09:00-21:00"}, "预计 11:45 后可取件"},
        {"before opening", {2026, 12, 9, 6, 0, 0}, {"1", "09:00-21:00"}, "预计 09:00 后可取件"},
        {"at closing", {2026, 12, 9, 20, 0, 0}, {"1", "09:00-21:00"}, "预计明天 09:00 后可取件"},
        {"after closing",
         {2026, 12, 9, 20, 30, 0},
         {"2", "09:00-21:00"},
         "预计明天 09:00 后可取件"},
        {"across the month",
         {2026, 12, 31, 22, 0, 0},
         {"1", "09:00-21:00"},
         "预计明天 09:00 后可取件"},
        {"days later",
         {2026, 12, 9, 10, 0, 0},
         {"48", "09:00-21:00"},
         "预计12月11日 10:00 后可取件"},
        {"open past midnight",
         {2026, 12, 9, 23, 0, 0},
         {"2", "18:00-02:00"},
         "预计明天 01:00 后可取件"},
        {"past midnight, closed",
         {2026, 12, 9, 23, 30, 0},
         {"3", "18:00-02:00"},
         "预计明天 18:00 后可取件"},
        {"unreadable hours: open", {2026, 12, 9, 22, 0, 0}, {"1", "9-21"}, "预计 23:00 后可取件"},
    };
    for (const Case& c : cases) EXPECT_EQ(PickupLine(c.placed, c.settings), c.line) << c.name;
}

}  // namespace
}  // namespace orelle
