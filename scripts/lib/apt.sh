# Installing Debian packages so that a bad moment of the mirror does not
# stop set-up. Sourced by scripts/setup.

missing_packages() {  # package...
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q '^install ok installed$' || echo "$pkg"
  done
}

# Refreshes the package lists. One index that fails (a mirror in the middle
# of a sync) is reported and set-up goes on with the lists it has; an
# install that then truly fails names its package.
apt_update() {
  local log
  log=$(mktemp)
  if ! apt-get update -q >"$log" 2>&1; then
    say "apt-get update failed for some index; going on with the package lists there are:"
    grep -E '^(E|W):' "$log" | sed 's/^/setup:   /' >&2 || true
  fi
  rm -f "$log"
}

apt_get_install() {  # apt-get options and packages...
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$@" >/dev/null
}

# The release's own codename (bookworm, ...), read from the machine.
release_codename() {
  (. /etc/os-release && echo "${VERSION_CODENAME:-}")
}

# Installs packages (apt-get options may come first). When the install fails, as it does while the i386 and amd64 builds of a
# multi-arch library briefly differ in version between the release's
# updates, it is retried pinned to the release's own suites; a package that
# still cannot be installed is named and set-up stops.
apt_install() {  # [apt-get option...] package...
  if apt_get_install "$@" 2>/dev/null; then return 0; fi
  local codename
  codename=$(release_codename)
  say "install failed; retrying pinned to the release's own suites ($codename)"
  if [ -n "$codename" ] && apt_get_install -t "$codename" "$@" 2>/dev/null; then return 0; fi
  local arg options=() failed=()
  for arg in "$@"; do
    case $arg in -*) options+=("$arg"); continue ;; esac
    apt_get_install "${options[@]}" ${codename:+-t "$codename"} "$arg" 2>/dev/null || failed+=("$arg")
  done
  if [ ${#failed[@]} -gt 0 ]; then
    echo "setup: cannot install: ${failed[*]}" >&2
    return 1
  fi
}
