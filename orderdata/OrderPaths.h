#pragma once
// Where a day's and a job's order files lie below the backup root:
//   root/<dateStr>/order.ini            the day's index of orders
//   root/<dateStr>/<storeDDH>/          the job's work folder
//   root/<dateStr>/<storeDDH>/photo.ini the job file

#include <string>

namespace orelle {

struct OrderPaths {
    std::string root;
    std::string dateStr;

    std::string DayFolder() const;
    std::string OrderIni() const;
    std::string WorkFolder(const std::string& storeDDH) const;
    std::string PhotoIni(const std::string& storeDDH) const;
};

}  // namespace orelle
