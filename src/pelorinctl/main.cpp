// pelorinctl: the command-line front end of Pelorin, for scripting and diagnosis.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "common/utf8_arguments.h"
#include "common/utf8_path.h"
#include "pelorinctl/commands.h"
#include "pelorinctl/ctl_profile.h"
#include "profile/data_folder.h"

namespace pelorin::ctl {
namespace {

struct Command {
  const char* name;
  int (*run)(const Options&, const Args&);
};

constexpr Command kCommands[] = {
    {"devices", runDevices},
    {"status", runStatus},
    {"profile", runProfile},
    {"config", runConfig},
    {"macro", runMacro},
    {"apply", runApply},
    {"reset-device", runResetDevice},
    {"watch", runWatch},
    {"set", runSet},
    {"autoswitch", runAutoswitch},
};

int usage() {
  std::fprintf(
      stderr,
      "usage: pelorinctl [--simulate] [--trace] [--data-dir DIR] [--profile N] COMMAND [ARGS]\n"
      "commands:");
  for (const auto& command : kCommands) std::fprintf(stderr, " %s", command.name);
  std::fprintf(stderr, "\n");
  return kExitUsage;
}

}  // namespace

std::filesystem::path dataFolder(const Options& options) {
  return options.dataDir ? *options.dataDir : userDataFolder();
}

const char* chargeStateName(int state) {
  return state == 1 ? "charging" : state == 2 ? "full" : "discharging";
}

int main(int argc, char** argv) {
  Options options;
  int i = 1;
  for (; i < argc && argv[i][0] == '-'; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--simulate") {
      options.simulate = true;
    } else if (arg == "--trace") {
      options.trace = true;
    } else if (arg == "--data-dir" && i + 1 < argc) {
      options.dataDir = pathFromUtf8(argv[++i]);
    } else if (arg == "--profile" && i + 1 < argc) {
      const std::string_view number = argv[++i];
      if (number.size() != 1 || number[0] < '1' || number[0] > '5') {
        std::fprintf(stderr, "pelorinctl: --profile takes a profile number 1..5\n");
        return kExitUsage;
      }
      options.profile = static_cast<std::size_t>(number[0] - '1');
    } else {
      return usage();
    }
  }
  if (i >= argc) return usage();
  const std::string_view name = argv[i];
  const Args args(argv + i + 1, argv + argc);
  for (const auto& command : kCommands) {
    if (name == command.name) return command.run(options, args);
  }
  return usage();
}

}  // namespace pelorin::ctl

int main(int argc, char** argv) {
  pelorin::Utf8Arguments arguments(argc, argv);
  return pelorin::ctl::main(arguments.count(), arguments.values());
}
