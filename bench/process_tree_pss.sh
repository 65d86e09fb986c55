#!/usr/bin/env bash
# Prints the proportional set size, in MB, of a process and all its
# descendants (WebEngine's helper processes among them). Argument: the root
# process's id.
set -euo pipefail
bash "$(dirname "$0")/process_tree_split.sh" "$1" | cut -d' ' -f1
