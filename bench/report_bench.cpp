// Speed of `vapro-cli report` for the default engine as a whole process,
// from start to the PDF on disk, next to `vapro-cli events` in the same run
// (the smallest command that builds the engine and searches its events).

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "bench/Zaehler.h"

extern char** environ;

namespace {

std::string Ablage() {
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp && *tmp ? tmp : "/tmp") + "/vapro-report-bench-" +
           std::to_string(getpid()) + ".pdf";
}

// Runs vapro-cli with `argumente`, its output to /dev/null; the exit code.
int Starte(std::vector<std::string> argumente) {
    argumente.insert(argumente.begin(), VAPRO_CLI_EXE);
    std::vector<char*> argv;
    for (auto& a : argumente)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addopen(&aktionen, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int fehler = posix_spawn(&pid, argv[0], &aktionen, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&aktionen);
    if (fehler != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_CliEvents(benchmark::State& state) {
    for (auto _ : state)
        if (Starte({"events"}) != 0) state.SkipWithError("vapro-cli events failed");
}
BENCHMARK(BM_CliEvents)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliReport(benchmark::State& state) {
    const std::string ziel = Ablage();
    for (auto _ : state)
        if (Starte({"report", "--out", ziel}) != 0) state.SkipWithError("vapro-cli report failed");
    std::remove(ziel.c_str());
}
BENCHMARK(BM_CliReport)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    vapro::bench::Verhältnisse reporter({});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // Both in milliseconds.
    const double bericht = reporter.Zeit("BM_CliReport/real_time") / 1000.0;
    const double ereignisse = reporter.Zeit("BM_CliEvents/real_time") / 1000.0;
    std::printf("events of the default engine: %.3f s\n", ereignisse);
    std::printf("report of the default engine: %.2f s (target below 1.5 s)\n", bericht);
    benchmark::Shutdown();
}
