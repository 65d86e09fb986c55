#include "process_memory.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace hifz::bench {
namespace {

// The parent of every process, from the fourth field of /proc/<pid>/stat
// (after the command name, which may hold spaces but ends at the last ')').
std::multimap<pid_t, pid_t> childrenByParent() {
  std::multimap<pid_t, pid_t> children;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    std::istringstream rest(line.substr(line.rfind(')') + 1));
    char state = 0;
    pid_t parent = 0;
    if (rest >> state >> parent) children.emplace(parent, std::stoi(name));
  }
  return children;
}

double pssKilobytes(pid_t pid) {
  std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
  for (std::string line; std::getline(rollup, line);) {
    if (line.starts_with("Pss:")) return std::stod(line.substr(4));
  }
  return 0;
}

}  // namespace

Memory treeMemory(pid_t root) {
  const auto children = childrenByParent();
  Memory memory;
  std::vector<pid_t> pending{root};
  while (!pending.empty()) {
    const pid_t pid = pending.back();
    pending.pop_back();
    memory.pssMegabytes += pssKilobytes(pid) / 1024;
    std::fprintf(stderr, "  %d %.1f MB\n", pid, pssKilobytes(pid) / 1024);
    ++memory.processes;
    const auto [first, last] = children.equal_range(pid);
    for (auto it = first; it != last; ++it) pending.push_back(it->second);
  }
  return memory;
}

}  // namespace hifz::bench
