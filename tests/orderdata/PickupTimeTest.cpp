// When the customer may come back: the hours of work moved past the
// closed hours.

#include <gtest/gtest.h>

#include "orderdata/PickupTime.h"

namespace orelle {
namespace {

TEST(PickupTime, MovesToTheNextOpening) {
    const struct {
        int day, hour, minute;  // of December 2026, the order placed at 20 seconds
        const char *hours, *open, *line;
    } cases[] = {
        {9, 10, 0, "", "09:00-21:00", ""},  // no hours: no line
        {9, 10, 0, "soon", "", ""},
        {9, 23, 30, "1", "", "预计明天 00:31 后可取件"},         // always open
        {9, 10, 15, "2", "09:00-21:00", "预计 12:16 后可取件"},  // whole minutes, up
        {9, 10, 15, "1.5", "09:00-21:00", "预计 11:46 后可取件"},
        {9, 6, 0, "1", "09:00-21:00", "预计 09:00 后可取件"},         // before opening
        {9, 20, 0, "1", "09:00-21:00", "预计明天 09:00 后可取件"},    // at closing
        {31, 20, 30, "2", "09:00-21:00", "预计明天 09:00 后可取件"},  // after, into January
        {9, 10, 0, "48", "09:00-21:00", "预计12月11日 10:01 后可取件"},
        {9, 23, 0, "2", "18:00-02:00", "预计明天 01:01 后可取件"},   // open across midnight
        {9, 23, 30, "3", "18:00-02:00", "预计明天 18:00 后可取件"},  // closed after it
        {9, 22, 0, "1", "9-21", "预计 23:01 后可取件"},  // unreadable hours: always open
    };
    for (const auto& c : cases)
        EXPECT_EQ(PickupLine({2026, 12, c.day, c.hour, c.minute, 20}, {c.hours, c.open}), c.line)
            << c.day << " " << c.hour << ":" << c.minute << " +" << c.hours << " " << c.open;
}

}  // namespace
}  // namespace orelle
