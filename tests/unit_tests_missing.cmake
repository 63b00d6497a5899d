# Stands in for the unit tests where GoogleTest was not found, so that the
# test command can never pass without them.
message(FATAL_ERROR "the unit tests were not built: GoogleTest (libgtest-dev) "
  "is missing; run scripts/install-deps, then configure and build again")
