// libFuzzer target for the FSCommands movies send (scripts/fuzz): the whole
// behaviour, wired on fakes, takes any commands and arguments on any slot
// without a crash, a leak or a hang.
//
// An input is lines of "slot<TAB>command<TAB>arguments"; a line naming no
// slot is passed over. A tenth of a second passes after each command.

#include <cstdint>
#include <string>
#include <string_view>

#include "test_program.h"

namespace {

constexpr int kStepMs = 100;

std::string_view nextField(std::string_view& line) {
  const size_t tab = line.find('\t');
  const std::string_view field = line.substr(0, tab);
  line.remove_prefix(tab == std::string_view::npos ? line.size() : tab + 1);
  return field;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  hifz::testing::TestProgram program;
  program.load();
  std::string_view input(reinterpret_cast<const char*>(data), size);
  while (!input.empty()) {
    const size_t end = input.find('\n');
    std::string_view line = input.substr(0, end);
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    const auto slot = program.slots.find(std::string(nextField(line)));
    if (slot == program.slots.end()) continue;
    const std::string command(nextField(line));
    slot->second->raiseFSCommand(command, std::string(line));
    program.clock.advance(kStepMs);
  }
  return 0;
}
