# Sourced by the scripts and tests that call programs of other packages.
# require_tools PROGRAM:PACKAGE...: for the first program that is not on the PATH, says in one
# line which package brings it and exits with 2. scripts/install-deps.sh installs them all.

require_tools() {
    local pair
    for pair in "$@"; do
        if ! command -v "${pair%%:*}" >/dev/null 2>&1; then
            echo "${pair%%:*} is missing: apt-get install ${pair#*:} (bash scripts/install-deps.sh installs it)." >&2
            exit 2
        fi
    done
}
