#pragma once
// A station for the order command in memory: settings and catalogue in a
// memory file system, the order date 2015-3-7, a job 150307007 below
// /backup, scripted dialogs, a recording printer and host link. A run may
// go through another file layer over the same memory (a failing one).
//   catalogue  0 "5寸" P1 0.80/0.60   1 "6寸" P2 1.00/0.80

#include <memory>
#include <string>

#include "orderdata/OrderDate.h"
#include "orderdata/PrintCatalogue.h"
#include "orderdata/ProcessState.h"
#include "platform/ini/Profile.h"
#include "submit/OrderPlacement.h"
#include "support/FakeServices.h"
#include "support/MemoryFileSystem.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedOrderPrompts.h"
#include "support/TempFolder.h"

namespace orelle::testing {

class PlacementStation {
  public:
    static constexpr const char* kSettings = "/station/";
    static constexpr const char* kWork = "/backup/2015-3-7/150307007";
    static constexpr const char* kOrderIni = "/backup/2015-3-7/order.ini";
    static constexpr const char* kPhotoIni = "/backup/2015-3-7/150307007/photo.ini";
    // The package of the scripted order number.
    static constexpr const char* kPackage = "/backup/2015-3-7/150307007/0020150307001/";

    PlacementStation() {
        memory.files[PrintsIniPath(kSettings)] = GbkText(
            "[prints]\r\nprintsnumb=2\r\n[1]\r\npcode=P1\r\nname=5寸\r\n[2]\r\n"
            "pcode=P2\r\nname=6寸\r\n");
        memory.files[PricesIniPath(kSettings)] =
            GbkText("[P1]\r\nprice=0.80\r\nprice1=0.60\r\n[P2]\r\nprice=1.00\r\nprice1=0.80\r\n");
        memory.CreateDirectories(kWork);
        StartupData& startup = state.startup;
        startup.settingsFolder = kSettings;
        startup.catalogue.LoadCatalogue(kSettings, memory);
        startup.config.dir = "/backup";
        startup.date = OrderDate::From(fakes.clock.Now());
        state.orderInfo.storeDDH = "150307007";
        state.orderInfo.historyID = 7;
        state.orderInfo.backupDir = std::string(kWork) + "/";
    }

    // A photo of the size in the work folder, seen by the customer.
    PhotoRecord& Add(std::int32_t specIndex, std::int32_t number, const std::string& below) {
        auto r = std::make_unique<PhotoRecord>();
        r->srcName = std::string(kWork) + "/" + below;
        r->dstName = std::string(paths::FileNamePart(below));
        r->origPath = "/card/" + below;
        r->specIndex = specIndex;
        r->productID = state.startup.catalogue.GetCode(specIndex);
        r->number = number;
        r->bBrowsed = 1;
        PhotoRecord& added = *r;
        state.photoList.Append(std::move(r));
        return added;
    }

    PlacementResult Run() { return Placement().Run(); }
    PlacementResult OnToxc() { return Placement().OnToxc(); }
    PlacementResult RunOver(FileSystem& files) {
        return Placement(WithFiles(services, files)).Run();
    }
    OrderPlacement Placement(const Services& with) {
        OrderPlacement placement(state, with, prompts, host, printers);
        placement.openedFolder = openedFolder;
        return placement;
    }
    OrderPlacement Placement() { return Placement(services); }

    // A key of the job's section of the day's order.ini; "<none>" when
    // missing.
    static std::string DayValue(FileSystem& files, const char* key) {
        return Profile(kOrderIni, files).GetString("7", key, "<none>");
    }
    std::string DayValue(const char* key) { return DayValue(memory, key); }

    std::string Read(const std::string& path) {
        std::string bytes;
        memory.ReadFile(path, &bytes);
        return bytes;
    }

    MemoryFileSystem memory;
    FakeServices fakes{memory, LocalTime{2015, 3, 7, 9, 5, 30}};
    Services& services = fakes.services;
    ProcessState state;
    ScriptedOrderPrompts prompts;
    RecordingHostLink host;
    RecordingPrinters printers;
    std::string openedFolder;
};

}  // namespace orelle::testing
