# Sourced by ./run and ./test.

# Installs the Debian packages listed in the given files (in scripts/) that
# are missing. Installing needs root; anyone else gets the apt-get line to
# run and the script stops.
ensure_packages() {
  local folder pkg missing=()
  folder=$(dirname "${BASH_SOURCE[0]}")
  for pkg in $(for list in "$@"; do sed 's/#.*//' "$folder/$list"; done); do
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

# Configures the one build folder of ./run, ./test and the README's install
# commands (the same build type everywhere, so that none rebuilds what
# another built) and builds the given targets, or everything.
configure_and_build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build -j "$(nproc)" "$@"
}
