#!/usr/bin/env bash
# hifz --export-progress and --import-progress, as a learner types them: the
# progress of one machine moves whole to another, once; a file of another
# kind is refused with its reason and the log is left as it was; the option
# without its file is a usage error. No display is needed. Argument: the program.
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "progress_command: $*" >&2
  exit 1
}
# The program on the practice log of machine $1 ("here" or "there").
on() {
  local machine=$1
  shift
  XDG_DATA_HOME="$work/$machine" "$program" "$@"
}
# Runs SQL on machine $1's log (Python's sqlite3: no other tool is needed).
sql() {
  python3 -c 'import sqlite3, sys
with sqlite3.connect(sys.argv[1]) as db:
    for row in db.executescript(sys.argv[2]) if ";" in sys.argv[2] else db.execute(sys.argv[2]):
        print(*row)' "$work/$1/hifz/progress.sqlite" "$2"
}
count() { sql "$1" "SELECT count(*) FROM $2"; }

# Machine "here" has practised: its log, made by the program, holds two readings and a grade.
on here --export-progress "$work/empty.hifz" >/dev/null
sql here \
  "INSERT INTO readings (chapter, first_verse, last_verse, way, plays_heard, turns_given,
     started_at, length_ms) VALUES (114, 1, 3, 'range once', 3, 0, 1709280000000, 60000),
     (114, 4, 6, 'step by step', 6, 2, 1709290000000, 90000);
   INSERT INTO cards VALUES (114, 1, 3, 'review', 1709539200000, 1709280000000, 3.2, 5.1, 3, 0,
     1, 0, 0);
   INSERT INTO reviews (chapter, first_verse, last_verse, grade, reviewed_at, state, due)
     VALUES (114, 1, 3, 'good', 1709280000000, 'review', 1709539200000);"

said=$(on here --export-progress "$work/moved.hifz")
echo "$said"
[[ $said == *"exported to $work/moved.hifz"* ]] || fail "the export did not say where"
if on here --export-progress "$work/moved.hifz" 2>"$work/err"; then fail "an export wrote over a file"; fi
grep -q "exists already" "$work/err" || fail "the export over a file gave no reason: $(cat "$work/err")"

said=$(on there --import-progress "$work/moved.hifz")
echo "$said"
[[ $said == *"readings 2, grades 1, passage schedules 1"* ]] || fail "the import added: $said"
[ "$(count there readings)" = 2 ] && [ "$(count there cards)" = 1 ] || fail "the log there lacks what was moved"
said=$(on there --import-progress "$work/moved.hifz")
[[ $said == *"readings 0, grades 0, passage schedules 0"* ]] || fail "a second import added: $said"

echo "114,1,3,good" >"$work/notes.hifz"
if on there --import-progress "$work/notes.hifz" 2>"$work/err"; then fail "a text file was imported"; fi
cat "$work/err"
grep -q "not a progress file exported by hifz; the practice log is as it was" "$work/err" ||
  fail "the refusal gave no reason"
[ "$(count there readings)" = 2 ] || fail "a refused import changed the log"

status=0
on there --import-progress 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "the option without its file ended with status $status, not 2"
echo "progress moves between machines from the command line"
