# Shared helpers of scripts/run and scripts/test.
set -euo pipefail
VAPRO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=deps
source "$VAPRO_ROOT/scripts/deps"

# Installs every listed package that is not installed yet.
vapro_install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Fails when a C++ file differs from what the project's .clang-format makes of it.
vapro_check_format() {
  local files
  mapfile -t files < <(cd "$VAPRO_ROOT" && git ls-files -co --exclude-standard -- '*.h' '*.cpp')
  if ! (cd "$VAPRO_ROOT" && clang-format --dry-run -Werror "${files[@]}"); then
    echo "Unformatted files: run clang-format -i on them (see .clang-format)." >&2
    return 1
  fi
}

vapro_jobs() { nproc 2>/dev/null || echo 2; }

# Configures and builds into the given folder with extra cmake arguments.
vapro_build() {
  local dir="$1"; shift
  cmake -S "$VAPRO_ROOT" -B "$VAPRO_ROOT/$dir" "$@" >/dev/null
  cmake --build "$VAPRO_ROOT/$dir" -j "$(vapro_jobs)"
}
