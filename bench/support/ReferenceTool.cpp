#include "support/ReferenceTool.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <sstream>

extern char** environ;

namespace orelle::bench {
namespace {

bool RunOnce(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int started = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

bool HaveProgram(const char* name) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        if (!folder.empty() && ::access((folder + "/" + name).c_str(), X_OK) == 0) return true;
    }
    return false;
}

double TimeCommand(const std::vector<std::string>& argv, int repeats) {
    if (argv.empty()) return -1;
    double best = -1;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (!RunOnce(argv)) return -1;
        const double t =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        best = best < 0 ? t : std::min(best, t);
    }
    return best;
}

double TimeDurableCopy(const std::string& from, const std::string& to) {
    return TimeCommand({"sh", "-c", "cp -r \"$0\" \"$1\" && sync", from, to}, 1);
}

}  // namespace orelle::bench
