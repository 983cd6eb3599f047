#include "support/KioskRun.h"

#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <future>
#include <regex>
#include <thread>

#include "platform/ini/Profile.h"

namespace orelle::testing {
namespace {

constexpr int kRunTimeoutMs = 30000;

}  // namespace

KioskOutcome RunKiosk(const KioskRun& run) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    if (!run.killAtStep.empty()) {
        env.insert("ORELLE_KILL_AT", QString::fromStdString(run.killAtStep));
        env.insert("LD_PRELOAD", ORELLE_KILL_LIBRARY);
        // In a sanitizer build the preloaded library comes before the
        // sanitizer's runtime, which is harmless here.
        const QString asan = env.value("ASAN_OPTIONS");
        env.insert("ASAN_OPTIONS", asan.isEmpty() ? "verify_asan_link_order=0"
                                                  : asan + ":verify_asan_link_order=0");
    }
    for (const auto& [name, value] : run.env)
        env.insert(QString::fromStdString(name), QString::fromStdString(value));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(QString::fromStdString(run.workingDirectory));  // empty: ours
    std::this_thread::sleep_for(std::chrono::milliseconds(run.startDelayMs));
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QStringList args;
    for (const std::string& a : run.args) args << QString::fromStdString(a);

    KioskOutcome outcome;
    QElapsedTimer clock;
    clock.start();
    process.start(
        run.program.empty() ? QString(ORELLE_KIOSK_PATH) : QString::fromStdString(run.program),
        args);
    if (!process.waitForStarted(kRunTimeoutMs)) return outcome;
    const int wait = run.killAfterMs.value_or(kRunTimeoutMs);
    if (!process.waitForFinished(wait)) {
        process.kill();
        process.waitForFinished(kRunTimeoutMs);
    }
    outcome.elapsedMs = static_cast<int>(clock.elapsed());
    outcome.killed = process.exitStatus() == QProcess::CrashExit;
    outcome.exitCode = outcome.killed ? -1 : process.exitCode();
    outcome.output = process.readAllStandardOutput().toStdString();
    outcome.errors = process.readAllStandardError().toStdString();
    return outcome;
}

void MakeKioskSettings(const std::string& configDir, const std::string& backupRoot,
                       bool withPackage) {
    namespace fs = std::filesystem;
    const fs::path shipped(ORELLE_RES_DIR);
    fs::create_directories(fs::path(configDir) / "sysini");
    fs::create_directories(backupRoot);
    for (const char* file : {"param.ini", "ver_ctrl.ini", "sysini/prints.ini", "sysini/prices.ini"})
        fs::copy_file(shipped / file, fs::path(configDir) / file,
                      fs::copy_options::overwrite_existing);
    Profile(configDir + "/param.ini").WriteString("Lumora-backup", "dir", backupRoot);
    Profile(configDir + "/ver_ctrl.ini")
        .WriteString("version_control", "verison_origdirfile", withPackage ? "1" : "0");
}

std::vector<KioskOutcome> RunKiosks(const std::vector<KioskRun>& runs) {
    // Enough side by side to be quick, few enough for a small machine.
    constexpr std::size_t kAtOnce = 8;
    std::vector<KioskOutcome> outcomes;
    for (std::size_t first = 0; first < runs.size(); first += kAtOnce) {
        std::vector<std::future<KioskOutcome>> running;
        for (std::size_t i = first; i < std::min(runs.size(), first + kAtOnce); ++i)
            running.push_back(
                std::async(std::launch::async, [&runs, i] { return RunKiosk(runs[i]); }));
        for (auto& r : running) outcomes.push_back(r.get());
    }
    return outcomes;
}

KioskRun MemberOrder(const std::string& configDir, const std::string& card) {
    return {.args = {"--config", configDir, "--folder", card, "--place-order", "--member", "M01"}};
}

std::string PlacedOrderNumber(const KioskOutcome& outcome) {
    static const std::regex placed("order (\\S+) placed");
    std::smatch match;
    return std::regex_search(outcome.output, match, placed) ? match[1].str() : std::string();
}

}  // namespace orelle::testing
