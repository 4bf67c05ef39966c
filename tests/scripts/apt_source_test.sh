#!/usr/bin/env bash
# A source for another suite (the backports, another release) is derived from the machine's own
# apt sources, in both of their forms, and nothing is made up when no source serves the main suite.
set -uo pipefail
script="$(dirname "$0")/../../scripts/apt-source"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
failures=0

# expect NAME EXPECTED [SUITE]: the script's output for the files now under $root, asked for
# SUITE (bookworm-backports by default) from the archive that serves bookworm, is EXPECTED.
expect() {
  local actual
  actual="$("$script" bookworm "${3:-bookworm-backports}" "$root" 2>&1)" || actual="failed: $actual"
  if [ "$actual" != "$2" ]; then
    printf 'FAIL %s\n--- expected\n%s\n--- got\n%s\n' "$1" "$2" "$actual"
    failures=$((failures + 1))
  fi
}
reset() { rm -rf "$root/etc"; mkdir -p "$root/etc/apt/sources.list.d"; }

reset
cat >"$root/etc/apt/sources.list.d/debian.sources" <<'S'
Types: deb
# a comment: http://other.invalid/debian
URIs: http://mirror.example/debian-security
Suites: bookworm-security
Components: main

Types: deb-src deb
URIs: http://mirror.example/debian http://second.example/debian
Suites: bookworm bookworm-updates
Components: main contrib
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
S
expect "deb822 stanza for the main suite, first URI, its key" "Types: deb
URIs: http://mirror.example/debian
Suites: bookworm-backports
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg"

reset
cat >"$root/etc/apt/sources.list.d/off.sources" <<'S'
Enabled: no
Types: deb
URIs: http://disabled.example/debian
Suites: bookworm
S
cat >"$root/etc/apt/sources.list" <<'S'
# deb http://commented.example/debian bookworm main
deb cdrom:[Debian GNU/Linux 12]/ bookworm main
deb-src http://source.example/debian bookworm main
deb http://mirror.example/debian bookworm-updates main
deb [arch=amd64,i386 signed-by=/etc/keys/archive.gpg] http://mirror.example/debian bookworm main non-free
S
expect "one-line entry with options, after a disabled stanza, a CD and other suites" "Types: deb
URIs: http://mirror.example/debian
Suites: bookworm-backports
Components: main
Architectures: amd64 i386
Signed-By: /etc/keys/archive.gpg"

reset
echo "deb http://mirror.example/debian bookworm main" >"$root/etc/apt/sources.list.d/plain.list"
expect "one-line entry in sources.list.d, another release asked for" "Types: deb
URIs: http://mirror.example/debian
Suites: trixie
Components: main" trixie

reset
echo "deb http://mirror.example/debian trixie main" >"$root/etc/apt/sources.list"
expect "no source for the suite" "failed: apt-source: no apt source under $root/etc/apt serves the suite bookworm"

echo "$((4 - failures)) passed, $failures failed"
[ $failures -eq 0 ]
