# Shared settings of the project scripts: paths, the Wine environment and
# small helpers. Sourced, never run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
CACHE="$ROOT/.cache"
BUILD="$ROOT/build"
OUT="$ROOT/out"

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# With this locale Wine's ANSI code page is 936, as on a Chinese Windows.
export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8

say() { printf 'setup: %s\n' "$*"; }

source "$ROOT/scripts/lib/arch.sh"
