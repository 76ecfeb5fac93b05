# Installs the Debian packages listed in scripts/packages.txt that are missing.
# Sourced by ./run and ./test; as non-root it prints the apt-get line and stops.
ensure_packages() {
  local list missing=()
  list=$(grep -v '^#' "$(dirname "${BASH_SOURCE[0]}")/packages.txt")
  for pkg in $list; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run: sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
}

configure_and_build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j "$(nproc)"
}
