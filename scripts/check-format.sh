#!/usr/bin/env bash
# Checks that every C++ source under src/, tests/ and bench/ is formatted as
# .clang-format says, and names the files that are not. With --fix, formats
# them in place instead. CLANG_FORMAT picks the formatter (default: version 14,
# the one Debian 12 ships, since other versions format some code differently).
set -euo pipefail
cd "$(dirname "$0")/.."
fix=false
[ "${1:-}" = --fix ] && fix=true

formatter=${CLANG_FORMAT:-}
if [ -z "$formatter" ]; then
  for f in clang-format-14 clang-format; do
    command -v "$f" >/dev/null 2>&1 && { formatter=$f; break; }
  done
fi
if [ -z "$formatter" ]; then
  echo "check-format: clang-format is not installed (make test-deps installs it)" >&2
  exit 1
fi

mapfile -d '' files < <(find src tests bench -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)

if $fix; then
  "$formatter" -i "${files[@]}"
  exit 0
fi

bad=()
for f in "${files[@]}"; do
  "$formatter" --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -gt 0 ]; then
  echo "These files are not formatted (make format formats them):" >&2
  printf '  %s\n' "${bad[@]}" >&2
  exit 1
fi
echo "All ${#files[@]} C++ files are formatted."
