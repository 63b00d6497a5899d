# Sourced by the end-to-end scripts: counting failures, and the checks every
# console program of the project must pass at the edges of its input and
# output.

failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Exits with the number of failures, after saying so when there were none.
finish() {
  [ "$failures" -eq 0 ] && echo "all $1 checks passed"
  exit "$failures"
}

# ends_quietly_on_closed_input PROGRAM PROMPT: with standard input closed
# outright, PROGRAM ends its menu PROMPT with a line break and exits with 0.
ends_quietly_on_closed_input() {
  local program=$1 prompt=$2 out
  out=$("$program" <&- | tail -n 1)
  [ "${PIPESTATUS[0]}" -eq 0 ] ||
    fail "closed input: $(basename "$program") did not exit with 0"
  [ "$out" = "$prompt" ] ||
    fail "closed input: unexpected output of $(basename "$program")"
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
    [ "$elapsed_ms" -lt 1000 ] ||
      fail "with SIGPIPE $sigpipe $(basename "$program") ran on for ${elapsed_ms} ms"
  done
}
