# Sourced by the end-to-end scripts: counting failures, and the checks every
# console program of the project must pass at the edges of its input and
# output.

failures=0

# How long "at once" may take on a loaded machine: well below the 3 s for
# which a waiting program would wait, and the 5 s after which it is killed.
prompt_ms=2500

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Exits with the number of failures, after saying so when there were none.
finish() {
  [ "$failures" -eq 0 ] && echo "all $1 checks passed"
  exit "$failures"
}

# ends_quietly_on_empty_input PROGRAM PROMPT: with no input at all, PROGRAM
# ends its menu PROMPT with a line break and exits with 0.
ends_quietly_on_empty_input() {
  local program=$1 prompt=$2 out
  out=$("$program" </dev/null | tail -n 1)
  [ "${PIPESTATUS[0]}" -eq 0 ] ||
    fail "empty input: $(basename "$program") did not exit with 0"
  [ "$out" = "$prompt" ] ||
    fail "empty input: unexpected output of $(basename "$program")"
}

# reports_read_errors PROGRAM PROMPT: standard input that cannot be read (a
# directory, a closed descriptor) ends the dialogue as the end of input
# would, then PROGRAM names the error on standard error and exits with 1.
reports_read_errors() {
  local program=$1 prompt=$2 name out err status
  name=$(basename "$program")
  err=$(mktemp)
  for input in directory closed; do
    if [ "$input" = directory ]; then
      out=$("$program" </ 2>"$err")
    else
      out=$("$program" <&- 2>"$err")
    fi
    status=$?
    [ "$status" -eq 1 ] || fail "$input input: $name exited with $status"
    [ "$(tail -n 1 <<<"$out")" = "$prompt" ] ||
      fail "$input input: unexpected output of $name"
    grep -qx "$name: cannot read standard input: .*" "$err" &&
      [ "$(wc -l <"$err")" -eq 1 ] ||
      fail "$input input: $name wrote '$(cat "$err")' on standard error"
  done
  grep -qx "$name: cannot read standard input: Bad file descriptor" "$err" ||
    fail "closed input: $name did not name the error"
  rm -f "$err"
}

# stops_at_once_on_dead_output PROGRAM: when even the menu cannot be
# written, PROGRAM exits with 1 without waiting for the menu line.
stops_at_once_on_dead_output() {
  local program=$1 start elapsed_ms status
  start=$(date +%s%N)
  timeout 5 "$program" < <(exec 2>/dev/null; sleep 3; echo 1) >/dev/full
  status=$?
  elapsed_ms=$((($(date +%s%N) - start) / 1000000))
  [ "$status" -eq 1 ] || fail "dead output: $(basename "$program") exited with $status"
  [ "$elapsed_ms" -lt "$prompt_ms" ] ||
    fail "dead output: $(basename "$program") waited ${elapsed_ms} ms for input"
}

# ends_promptly_on_closed_output PROGRAM: a reader that stops early must not
# keep PROGRAM running on endless empty lines, whether SIGPIPE kills it or it
# is ignored and writes fail instead.
ends_promptly_on_closed_output() {
  local program=$1 sigpipe start elapsed_ms
  for sigpipe in default ignored; do
    start=$(date +%s%N)
    (
      [ "$sigpipe" = ignored ] && trap '' PIPE
      yes '' 2>/dev/null | timeout 5 "$program" | head -n 40 >/dev/null
    )
    elapsed_ms=$((($(date +%s%N) - start) / 1000000))
    [ "$elapsed_ms" -lt "$prompt_ms" ] ||
      fail "with SIGPIPE $sigpipe $(basename "$program") ran on for ${elapsed_ms} ms"
  done
}

# refused PROGRAM ARG...: this command line is refused with one line on
# standard error and status 2, and nothing on standard output.
refused() {
  local program=$1 name out err status
  name=$(basename "$program")
  shift
  err=$(mktemp)
  out=$("$program" "$@" </dev/null 2>"$err")
  status=$?
  [ "$status" -eq 2 ] || fail "$name $*: exited with $status"
  [ -z "$out" ] || fail "$name $*: wrote to standard output"
  [ "$(wc -l <"$err")" -eq 1 ] &&
    grep -qx "$name: .* (try '$name --help')" "$err" ||
    fail "$name $*: wrote '$(cat "$err")' on standard error"
  rm -f "$err"
}

# rejects_bad_arguments PROGRAM ARG...: each ARG alone is refused.
rejects_bad_arguments() {
  local program=$1 arg
  shift
  for arg in "$@"; do refused "$program" "$arg"; done
}

# answers_help_and_version PROGRAM OPTION...: -h and --help show a usage
# that names every OPTION, -V and --version the version; both exit with 0.
answers_help_and_version() {
  local program=$1 name out option
  name=$(basename "$program")
  shift
  for out in "$("$program" -h)" "$("$program" --help)"; do
    for option in --help --version "$@"; do
      grep -q -- "$option" <<<"$out" || fail "$name --help: no $option"
    done
  done
  "$program" --help >/dev/null || fail "$name --help: status $?"
  for option in -V --version; do
    out=$("$program" "$option") || fail "$name $option: status $?"
    grep -qx "$name [0-9]*\.[0-9]*\.[0-9]*" <<<"$out" ||
      fail "$name $option: printed '$out'"
  done
}
