#!/usr/bin/env bash
# Writes the COMMANDS section of laundrycard's man page (a help2man include)
# from the program's own help: the groups its --help lists, the commands each
# group's --help lists, and every command's --help as usage, description and
# options. The page so follows the program whatever command is added.
#   man_commands.sh LAUNDRYCARD OUTPUT
set -euo pipefail
bin=$1
out=$2

# The indented names under a "Title:" heading of a help text.
listed() {
  awk -v title="$1" '$0 == title {f = 1; next} f && /^$/ {exit} f && /^  [a-z]/ {print $1}'
}

# One command's help as roff: a subsection, its usage in bold, the
# description as a paragraph and every option or argument as a tagged item.
to_roff() {
  awk -v name="$1" '
    function esc(s) { gsub(/\\/, "\\e", s); gsub(/-/, "\\-", s); sub(/^[.'\'']/, "\\\\\\&&", s); return s }
    function flush() { if (tag != "") { print ".TP"; print "\\fB" esc(tag) "\\fR"; print esc(text) } tag = ""; text = "" }
    NR == 1 { sub(/^Usage: /, ""); print ".SS \"" name "\""; print ".B " esc($0); next }
    /^[A-Z][a-z]*:$/ { flush(); print ".PP"; print $0; next }
    /^$/ { flush(); next }
    /^  [^ ]/ {
      flush(); line = substr($0, 3)
      if (match(line, /   */)) { tag = substr(line, 1, RSTART - 1); text = substr(line, RSTART + RLENGTH) }
      else { tag = line; text = "" }
      next
    }
    /^   / { sub(/^ +/, ""); text = text " " $0; next }
    { print ".PP"; print esc($0) }
    END { flush() }'
}

{
  echo "[COMMANDS]"
  echo "Every group and every command prints its own help with \\fB\\-\\-help\\fR."
  for group in $("$bin" --help | listed "Groups:"); do
    for command in $("$bin" "$group" --help | listed "Commands:"); do
      "$bin" "$group" "$command" --help | to_roff "$group $command"
    done
  done
} >"$out.tmp"
mv "$out.tmp" "$out"
