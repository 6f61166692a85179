// Starts two programs in turn on the current X display and times each from
// launch until its first top-level window is mapped; reads its peak resident
// memory at that moment. Prints medians and the median of the pairwise ratios.
//
// Usage: startup_bench RUNS PROGRAM_UNDER_TEST FLOOR_PROGRAM
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Sample {
    double milliseconds = 0;
    double peakMiB = 0;
};

double peakResidentMiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
        }
    }
    return 0;
}

Sample launch(xcb_connection_t* x, const char* program) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        freopen("/dev/null", "w", stderr);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    Sample sample;
    while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
        const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
        std::free(event);
        if (mapped) {
            sample.milliseconds =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            break;
        }
    }
    sample.peakMiB = peakResidentMiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return sample;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM FLOOR_PROGRAM\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "startup_bench: no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    std::vector<double> times[2], peaks[2], timeRatios, peakRatios;
    for (int run = 0; run < runs; ++run) {
        // Interleaved, so that a slow moment of the machine hits both alike.
        const Sample program = launch(x, argv[2]);
        const Sample floor = launch(x, argv[3]);
        times[0].push_back(program.milliseconds);
        times[1].push_back(floor.milliseconds);
        peaks[0].push_back(program.peakMiB);
        peaks[1].push_back(floor.peakMiB);
        timeRatios.push_back(program.milliseconds / floor.milliseconds);
        peakRatios.push_back(program.peakMiB / floor.peakMiB);
    }
    xcb_disconnect(x);

    std::printf("start-up until mapped (%d runs each, interleaved)\n", runs);
    std::printf("  program      median %7.1f ms   peak memory %6.1f MiB\n", median(times[0]),
                median(peaks[0]));
    std::printf("  bare window  median %7.1f ms   peak memory %6.1f MiB\n", median(times[1]),
                median(peaks[1]));
    std::printf("  median of pairwise ratios: start-up %.2f, peak memory %.2f\n",
                median(timeRatios), median(peakRatios));
    std::printf("  peak memory over the bare window: %+.1f MiB\n",
                median(peaks[0]) - median(peaks[1]));
    return 0;
}
