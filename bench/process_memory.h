#pragma once

#include <sys/types.h>

namespace hifz::bench {

struct Memory {
  double pssMegabytes = 0;
  int processes = 0;
};

/// The proportional set size of process `root` and every process under it
/// (WebEngine's helper processes among them), from /proc.
Memory treeMemory(pid_t root);

}  // namespace hifz::bench
