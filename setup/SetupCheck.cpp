#include "setup/SetupCheck.h"

#include <algorithm>
#include <cstdio>

#include "orderdata/FeatureFlags.h"
#include "orderdata/PaperSettings.h"
#include "orderdata/ParamConfig.h"
#include "orderdata/PrintCatalogue.h"
#include "orderdata/WorkFolderSweep.h"
#include "phone/PhoneSettings.h"
#include "platform/Services.h"
#include "platform/files/FileSystem.h"
#include "platform/paths/BackupDisk.h"
#include "platform/paths/Paths.h"
#include "platform/uploader/Uploader.h"
#include "setup/BackOfficeCheck.h"
#include "setup/SetupProbes.h"

namespace orelle {
namespace {

CheckLine Ok(const char* topic, std::string text) { return {topic, true, std::move(text)}; }
CheckLine Wrong(const char* topic, std::string text) { return {topic, false, std::move(text)}; }

void CheckSettingsFiles(const std::string& folder, FileSystem& fs, std::vector<CheckLine>& out) {
    bool all = true;
    for (const char* name : {"param.ini", "ver_ctrl.ini"}) {
        if (fs.FileExists(folder + name)) continue;
        all = false;
        out.push_back(Wrong("settings", std::string(name) + " is missing in " + folder +
                                            ": copy the shipped one there (or reinstall)"));
    }
    if (all) out.push_back(Ok("settings", folder + " (param.ini, ver_ctrl.ini)"));
}

void CheckCatalogue(const std::string& folder, FileSystem& fs, std::vector<CheckLine>& out) {
    PrintCatalogue catalogue;
    catalogue.LoadCatalogue(folder, fs);
    const std::size_t before = out.size();
    if (catalogue.GetCount() == 0)
        out.push_back(Wrong("catalogue", "no print sizes in " + PrintsIniPath(folder) +
                                             ": set printsnumb and one section per size"));
    for (std::int32_t i = 0; i < catalogue.GetCount(); ++i) {
        const PrintSpec& spec = *catalogue.At(i);
        const std::string which = "print size " + std::to_string(i + 1) + " (" +
                                  (spec.name.empty() ? "no name" : spec.name) + ")";
        if (spec.pcode.empty()) {
            out.push_back(Wrong("catalogue", which + " has no product code: add pcode= to [" +
                                                 std::to_string(i + 1) + "] of " +
                                                 PrintsIniPath(folder)));
            continue;
        }
        const Prices p = catalogue.GetPrices(spec.pcode);
        if (p.price <= 0.0 && p.price1 <= 0.0)
            out.push_back(Wrong("catalogue", which + " has no price: add price= and price1= to [" +
                                                 spec.pcode + "] of " + PricesIniPath(folder)));
    }
    const PaperSettings paper = LoadPaperSettings(folder, fs);
    std::string papers;
    for (const std::string& name : paper.papernames)
        if (name.find_first_not_of(' ') != std::string::npos)
            papers += (papers.empty() ? "" : ", ") + name;
    if (papers.empty())
        out.push_back(Wrong("catalogue",
                            "no paper kinds in ver_ctrl.ini [paper]: set count= "
                            "and papername= in [p1], [p2]"));
    if (out.size() == before)
        out.push_back(Ok("catalogue", std::to_string(catalogue.GetCount()) +
                                          " print sizes, each with a product code and a price; "
                                          "paper " +
                                          papers));
}

void CheckBackupRoot(const std::string& root, Services& services, std::vector<CheckLine>& out) {
    DiskFacts facts;
    if (!services.disks.Query(root, &facts)) {
        out.push_back(Wrong("backup root", root + " cannot be examined: set [Lumora-backup] dir= "
                                                  "in param.ini to a folder on a fixed disk"));
        return;
    }
    const bool exists = services.files.DirectoryExists(root);
    const std::uint64_t freeMb = facts.freeBytes >> 20;
    const std::size_t before = out.size();
    if (!facts.fixed)
        out.push_back(Wrong("backup root", root + " is on a removable or network disk: set "
                                                  "[Lumora-backup] dir= to a fixed disk"));
    if (!facts.writable)
        out.push_back(
            Wrong("backup root", root + (exists ? " cannot be written" : " cannot be made") +
                                     " (read-only disk or no permission): give the station's user "
                                     "write access, or set [Lumora-backup] dir= elsewhere"));
    if (freeMb < kBackupMinFreeMb)
        out.push_back(Wrong("backup root", root + " has " + std::to_string(freeMb) +
                                               " MB free, at least " +
                                               std::to_string(kBackupMinFreeMb) +
                                               " MB are needed: free space on that disk"));
    if (out.size() == before)
        out.push_back(Ok("backup root", root + (exists ? "" : " (made at the first order)") +
                                            ", fixed disk, writable, " + std::to_string(freeMb) +
                                            " MB free"));
}

CheckLine CheckUploader(const std::string& programFolder, Services& services, SetupProbes& probes) {
    const std::string program = paths::Join(programFolder, kUploaderProgram);
    if (probes.UploaderListening())
        return Ok("uploader", std::string("running (") + kUploaderWindowTitle + ")");
    if (services.files.FileExists(program)) return Ok("uploader", program);
    return Wrong("uploader", std::string("not running and ") + program +
                                 " is missing: install the shop's uploader there or start it");
}

CheckLine CheckFonts(SetupProbes& probes) {
    std::string used;
    for (const char* face : {"宋体", "隶书"}) {
        const std::string family = probes.ChineseFamily(face);
        if (family.empty())
            return Wrong("fonts", std::string("no font with Chinese for ") + face +
                                      ": install fonts-noto-cjk (or fonts-wqy-zenhei)");
        used += (used.empty() ? "" : ", ") + std::string(face) + " as " + family;
    }
    return Ok("fonts", used);
}

// The address a phone is sent to must be this machine's on the shop's
// network: a loopback or foreign one gives a QR code that no phone opens.
CheckLine CheckPhoneUpload(const std::string& folder, FileSystem& fs, SetupProbes& probes) {
    const char* topic = "phone upload";
    PhoneSettings phone = ReadPhoneSettings(folder, fs);
    if (!phone.enabled) return Ok(topic, "not enabled");
    const std::vector<std::string> own = probes.OwnAddresses();
    std::string ownList;
    for (const std::string& a : own) ownList += (ownList.empty() ? "" : ", ") + a;
    if (phone.address.empty()) {
        if (own.empty())
            return Wrong(topic,
                         "this machine has no network address but loopback: connect it to "
                         "the shop's network, which the phones use");
        phone.address = own.front();
    } else if (std::find(own.begin(), own.end(), phone.address) == own.end()) {
        return Wrong(topic, "[phone] address=" + phone.address +
                                " goes into the QR code but is not this machine's own address "
                                "on the network (" +
                                (ownList.empty() ? std::string("none") : ownList) +
                                "): set one of those or leave it empty");
    }
    const std::string qr = "QR code http://" + phone.address + ":";
    if (phone.port == 0) return Ok(topic, qr + "<any free port>/");
    const std::string port = "port " + std::to_string(phone.port);
    const std::string shown = qr + std::to_string(phone.port) + "/, ";
    switch (probes.PortUse(phone.address, phone.port)) {
        case PortHolder::kNobody:
            return Ok(topic, shown + port + " free");
        case PortHolder::kStation:
            return Ok(topic, shown + port + " in use by this station's phone page");
        case PortHolder::kOther:
            break;
    }
    return Wrong(topic, port +
                            " is taken by another program: stop it or set [phone] port= to a "
                            "free one");
}

// What the customers' photos take below the root; a finding, never a fault.
CheckLine CheckKeptPhotos(const ParamConfig& config, FileSystem& fs) {
    const RootUsage usage = MeasureBackupRoot(config.dir, fs);
    const std::uint64_t mb = (usage.bytes + (1u << 20) - 1) >> 20;
    std::string text = std::to_string(usage.days) + " days' folders, " + std::to_string(mb) +
                       " MB; placed orders' photos kept ";
    text += config.keepdays > 0 ? std::to_string(config.keepdays) + " days" : "for ever";
    text += ", photos of jobs never placed ";
    text += config.keepunplaced > 0 ? std::to_string(config.keepunplaced) + " hours" : "for ever";
    text += " ([privacy] keepdays=, keepunplaced=)";
    return Ok("kept photos", std::move(text));
}

}  // namespace

std::vector<CheckLine> CheckSetup(const std::string& settingsFolder,
                                  const std::string& programFolder, Services& services,
                                  SetupProbes& probes) {
    std::vector<CheckLine> out;
    FileSystem& fs = services.files;
    CheckSettingsFiles(settingsFolder, fs, out);
    ParamConfig config = LoadParamConfig(settingsFolder, fs);
    const FeatureFlags flags = LoadFeatureFlags(settingsFolder, config, fs);
    CheckCatalogue(settingsFolder, fs, out);
    CheckBackupRoot(config.dir, services, out);
    out.push_back(CheckKeptPhotos(config, fs));
    CheckBackOffice(settingsFolder, config, flags, services, out);
    out.push_back(CheckReceiptPrinter(config, flags, probes));
    out.push_back(CheckUploader(programFolder, services, probes));
    out.push_back(CheckFonts(probes));
    out.push_back(CheckPhoneUpload(settingsFolder, fs, probes));
    return out;
}

bool AllHold(const std::vector<CheckLine>& lines) {
    for (const CheckLine& line : lines)
        if (!line.ok) return false;
    return true;
}

std::string CheckReport(const std::vector<CheckLine>& lines) {
    std::string out;
    for (const CheckLine& line : lines) {
        char topic[32];
        std::snprintf(topic, sizeof topic, "%-13s ", line.topic.c_str());
        out += topic + std::string(line.ok ? "ok: " : "FAILED: ") + line.text + "\n";
    }
    return out;
}

}  // namespace orelle
