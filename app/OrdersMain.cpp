// orelle-orders: the counter's list of a day's orders below the backup root
// of a station's settings (the installed station's unless --config DIR),
// one line each, or one order found by its number as typed or scanned.
// Reads only; runs beside working stations.
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "ProgramOptions.h"
#include "orderdata/StartupData.h"
#include "platform/Services.h"
#include "platform/files/FileSystem.h"
#include "submit/DayOrders.h"

namespace {

const char* const kUsage =
    "usage: orelle-orders [--config DIR] [--day YYYY-MM-DD] [--find NUMBER] [--json]\n"
    "  lists the day's orders (today unless --day) below the backup root of the\n"
    "  settings in DIR (else the station's own): number, back-office number, time,\n"
    "  member, prints by size, placed or not, back office's word kept but files\n"
    "  not written. --find prints the order of that number (local or back office,\n"
    "  as typed or scanned) with its folder, looking at the day, else every day.\n";

// "2026-12-09" as the order tree names the day: "2026-12-9".
std::string DayFolderName(const char* day) {
    int y = 0, m = 0, d = 0;
    char extra = 0;
    if (std::sscanf(day, "%d-%d-%d%c", &y, &m, &d, &extra) != 3 || m < 1 || m > 12 || d < 1 ||
        d > 31)
        return {};
    return std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d);
}

// The day folders of the root, the given day first, then the newest.
std::vector<std::string> DaysToSearch(const std::string& root, const std::string& first,
                                      orelle::FileSystem& fs) {
    std::vector<std::string> days;
    std::vector<orelle::FolderEntry> entries;
    fs.ListFolder(root, &entries);
    for (const orelle::FolderEntry& e : entries)
        if (e.folder && e.name != first && DayFolderName(e.name.c_str()) == e.name)
            days.push_back(e.name);
    const auto key = [](const std::string& name) {
        int y = 0, m = 0, d = 0;
        std::sscanf(name.c_str(), "%d-%d-%d", &y, &m, &d);
        return (y * 100 + m) * 100 + d;
    };
    std::sort(days.begin(), days.end(),
              [&](const std::string& a, const std::string& b) { return key(a) > key(b); });
    days.insert(days.begin(), first);
    return days;
}

int Run(const orelle::StartupData& startup, const std::string& day, const char* find, bool json,
        orelle::FileSystem& fs) {
    using namespace orelle;
    const std::vector<std::string> days =
        find ? DaysToSearch(startup.config.dir, day, fs) : std::vector<std::string>{day};
    for (const std::string& d : days) {
        const OrderPaths paths{startup.config.dir, d};
        const auto orders = ReadDayOrders(paths, fs, startup.catalogue);
        if (!orders) {
            std::fprintf(stderr, "orelle-orders: the day's lock of %s is held too long\n",
                         paths.DayFolder().c_str());
            return 1;
        }
        if (!find) {
            if (json) std::fputs("[", stdout);
            for (std::size_t i = 0; i < orders->size(); ++i) {
                const DayOrder& o = (*orders)[i];
                std::printf(json ? "%s%s" : "%s%s\n", json && i ? "," : "",
                            (json ? OrderJson(o) : OrderLine(o)).c_str());
            }
            if (json) std::fputs("]\n", stdout);
            return 0;
        }
        if (const DayOrder* o = FindOrder(*orders, find)) {
            if (json) {
                std::printf("%s\n", OrderJson(*o).c_str());
            } else {
                std::printf("%s\nday %s, folder %s\n", OrderLine(*o).c_str(), d.c_str(),
                            o->folder.c_str());
            }
            return 0;
        }
    }
    std::fprintf(stderr, "orelle-orders: no order %s below %s\n", PlainNumber(find).c_str(),
                 startup.config.dir.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int code = orelle::app::AnswerStandardOptions(argc, argv, "orelle-orders", kUsage);
        code >= 0)
        return code;
    std::string settings;
    const char* day = nullptr;
    const char* find = nullptr;
    bool json = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--config") == 0 && i + 1 < argc) {
            settings = argv[++i];
            if (!settings.empty() && settings.back() != '/') settings += '/';
        } else if (std::strcmp(argv[i], "--day") == 0 && i + 1 < argc) {
            day = argv[++i];
        } else if (std::strcmp(argv[i], "--find") == 0 && i + 1 < argc) {
            find = argv[++i];
        } else if (std::strcmp(argv[i], "--json") == 0) {
            json = true;
        } else {
            return orelle::app::UsageError(kUsage);
        }
    }
    QCoreApplication app(argc, argv);
    const orelle::Services machine = orelle::MachineServices();
    if (settings.empty()) settings = orelle::DefaultSettingsFolder(machine.files);
    orelle::StartupData startup;
    orelle::LoadStartupData(startup, settings, machine.files, machine.clock);
    const std::string dayName = day ? DayFolderName(day) : startup.date.dateStr;
    if (dayName.empty()) return orelle::app::UsageError(kUsage);
    return Run(startup, dayName, find, json, machine.files);
}
