# The Windows architectures: which trees are built, which of them this
# machine can run, and the Wine environment of each. Sourced.
#
# Both trees are always built: win32 (i686, the shipped program) and win64
# (x86_64). 64-bit Wine runs on every machine of this project's kind; 32-bit
# x86 code runs on some only, so it is tested by running a tiny 32-bit
# program, never guessed from the kernel's name.

WINDOWS_TREES=(win32 win64)

# The processor name of a tree, as the toolchain files and libjpeg use it.
tree_processor() {
  case $1 in
    win32) echo i686 ;;
    win64) echo x86_64 ;;
  esac
}

# Writes a 96-byte static i386 Linux program that exits with status 42:
# mov eax,1; mov ebx,42; int 0x80 behind an ELF header and one load segment.
write_i386_probe() {
  local elf_header='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'
  elf_header+='\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'
  elf_header+='\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'
  local program_header='\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'
  program_header+='\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'
  local code='\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80'
  printf "$elf_header$program_header$code" > "$1"
  chmod +x "$1"
}

# True when this machine executes 32-bit x86 code. LANVERO_NO_32BIT=1 makes
# the answer no, to try on such a machine what a machine without 32-bit
# support does.
machine_runs_32bit() {
  if [ -n "${LANVERO_32BIT_ANSWER:-}" ]; then
    [ "$LANVERO_32BIT_ANSWER" = yes ]
    return
  fi
  LANVERO_32BIT_ANSWER=no
  if [ "${LANVERO_NO_32BIT:-}" != 1 ]; then
    local probe
    probe=$(mktemp "${TMPDIR:-/tmp}/lanvero-i386-probe.XXXXXX")
    write_i386_probe "$probe"
    local status=0
    "$probe" 2>/dev/null || status=$?
    rm -f "$probe"
    [ "$status" = 42 ] && LANVERO_32BIT_ANSWER=yes
  fi
  export LANVERO_32BIT_ANSWER
  [ "$LANVERO_32BIT_ANSWER" = yes ]
}

# The trees whose programs this machine can run under Wine.
runnable_trees() {
  if machine_runs_32bit; then echo win32 win64; else echo win64; fi
}

# One sentence for summaries: which Windows architectures ran, and why not
# both.
runnable_trees_summary() {
  if machine_runs_32bit; then
    echo "i686 and x86_64"
  elif [ "${LANVERO_NO_32BIT:-}" = 1 ]; then
    echo "x86_64 (32-bit runs switched off by LANVERO_NO_32BIT)"
  else
    echo "x86_64 (32-bit code does not run on this machine)"
  fi
}

# Sets the Wine environment for one tree: its own prefix and Debian's
# loader of that architecture, named directly so that a machine with both
# installed never starts a program with the other one.
use_wine_for() {
  case $1 in
    win32) export WINEARCH=win32 WINEPREFIX="$CACHE/wine-prefix-win32" WINELOADER=/usr/lib/wine/wine ;;
    win64) export WINEARCH=win64 WINEPREFIX="$CACHE/wine-prefix-win64" WINELOADER=/usr/lib/wine/wine64 ;;
  esac
  WINE_LOADER=$WINELOADER
}

# The tree a Windows program belongs to, read from its PE header (machine
# 0x8664 is x86-64; anything else runs as 32-bit).
tree_of_program() {
  local file=$1 pe_offset machine
  pe_offset=$(od -An -tu4 -j60 -N4 "$file" 2>/dev/null | tr -d ' ')
  machine=$(od -An -tx2 -j$((${pe_offset:-0} + 4)) -N2 "$file" 2>/dev/null | tr -d ' ')
  if [ "$machine" = 8664 ]; then echo win64; else echo win32; fi
}
