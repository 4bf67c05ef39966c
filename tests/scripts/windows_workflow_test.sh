#!/usr/bin/env bash
# Every command of the Windows workflow is one that the README's "Building on Windows" gives, so
# that the two cannot drift apart (a workflow expression stands for the README's <folder>).
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
readme_commands="$(sed -n '/^## Building on Windows/,/^## /p' "$root/README.md" | sed -n 's/^    //p')"
checked=0 failures=0
while IFS= read -r command; do
  checked=$((checked + 1))
  if ! grep -qxF -- "$command" <<<"$readme_commands"; then
    echo "FAIL: the workflow runs a command the README does not give: $command"
    failures=$((failures + 1))
  fi
done < <(sed -n 's/^ *run: //p' "$root/.github/workflows/windows.yml" |
         sed 's/\${{[^}]*}}[^ ]*/<folder>/g')
[ $checked -ge 9 ] || { echo "FAIL: only $checked commands found in the workflow"; failures=$((failures + 1)); }
echo "$((checked - failures)) passed, $failures failed"
[ $failures -eq 0 ]
