# Shared by the install checks, which take BUILD_DIR VERSION: a temporary
# folder removed at the end, and failures counted so that one run shows all.
set -euo pipefail
build=$1
version=$2
here=$(dirname "${BASH_SOURCE[0]}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
# Ends the check: status 1 if anything failed.
finish() {
  [ "$failures" -eq 0 ] && echo "$1"
  exit $((failures > 0))
}
