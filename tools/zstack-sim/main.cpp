// zstack-sim: the simulator as a program.
//   zstack-sim [--port N] [--lifetime SECONDS] [--mode normal|status500|silent|close|garbage|huge|slow]
//              [--vm-running true|false]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/zstack-sim/ZStackSimulator.h"

namespace {

constexpr long kMaxLifetimeSeconds = 3600;

int Usage() {
    fprintf(stderr,
            "usage: zstack-sim [--port N] [--lifetime SECONDS] "
            "[--mode normal|status500|silent|close|garbage|huge|slow] [--vm-running true|false]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    ZStackSimulator::Options options;
    options.port = 8080;
    long lifetime = 600;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return Usage();
        const std::string value = argv[++i];
        if (arg == "--port") {
            const long port = strtol(value.c_str(), nullptr, 10);
            if (port < 0 || port > 65535) return Usage();
            options.port = static_cast<uint16_t>(port);
        } else if (arg == "--lifetime") {
            lifetime = strtol(value.c_str(), nullptr, 10);
            if (lifetime <= 0 || lifetime > kMaxLifetimeSeconds) return Usage();
        } else if (arg == "--mode") {
            if (!ZStackSimulator::ParseMode(value, options.mode)) return Usage();
        } else if (arg == "--vm-running") {
            options.vmRunning = value == "true";
        } else {
            return Usage();
        }
    }
    options.lifetime = std::chrono::seconds(lifetime);

    ZStackSimulator simulator(options);
    if (!simulator.Listening()) {
        fprintf(stderr, "zstack-sim: cannot listen on 127.0.0.1:%u\n", unsigned{options.port});
        return 1;
    }
    printf("zstack-sim listening on 127.0.0.1:%u for %ld s\n", unsigned{simulator.Port()}, lifetime);
    fflush(stdout);
    simulator.Server().Wait();
    printf("zstack-sim: %u connection(s), stopping\n", unsigned(simulator.Server().ConnectionCount()));
    return 0;
}
