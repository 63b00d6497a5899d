# Sourced by the end-to-end scripts; expects their fail function.

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
