#pragma once
// The job's section of the day's order.ini, named by historyID in decimal.
// Keys in this order:
//   saleDDH, storeDDH, paymode, storeid, sendmode, OrderAmount ("%.2f"),
//   uploaded=0,
//   then type=1 (prints), or OrderAmount=0 (over the amount), type=10 and
//   albumid (album order),
//   bSuccess (-1 placed, 0 not), submitdate (dateStr),
//   submittime ("%d:%d:%d", e.g. 9:5:30).
// Writing keeps the place of keys the section already has, as profile
// writes do.

#include <string>

#include "platform/clock/Clock.h"
#include "platform/ini/Profile.h"

namespace orelle {

struct OrderInfo;

Profile::KeyValues OrderIniEntry(const OrderInfo& info, bool placed, const std::string& dateStr,
                                 const LocalTime& now);

std::string OrderIniSection(const OrderInfo& info);

}  // namespace orelle
