#!/usr/bin/env bash
# Formats every C++ file of the tree (tracked, or new and not ignored) with
# clang-format 14 and the repository's .clang-format.
#
#   tools/format.sh           rewrites the files in place
#   tools/format.sh --check   changes nothing; fails naming every file that
#                             is not formatted (tools/test.sh runs this)
set -euo pipefail
cd "$(dirname "$0")/.."

check=false
case "${1:-}" in
  --check) check=true ;;
  "") ;;
  *) echo "usage: tools/format.sh [--check]" >&2; exit 2 ;;
esac

# Another major version lays code out differently: the tree is formatted
# with exactly this one.
format=clang-format-14
if ! command -v "$format" >/dev/null; then
  echo "tools/format.sh: $format is missing; tools/install-deps.sh installs it" >&2
  exit 2
fi

mapfile -t files < <(git ls-files --cached --others --exclude-standard -- \
  '*.cpp' '*.cc' '*.c' '*.h' '*.hpp' | sort -u)

if ! $check; then
  # Existing files only: a file deleted but not yet staged is still listed.
  for file in "${files[@]}"; do [[ -f $file ]] && printf '%s\0' "$file"; done |
    xargs -0 -r "$format" -i --style=file
  exit 0
fi

unformatted=()
for file in "${files[@]}"; do
  [[ -f $file ]] || continue
  "$format" --style=file "$file" | cmp -s "$file" - || unformatted+=("$file")
done
if ((${#unformatted[@]})); then
  echo "not formatted (tools/format.sh formats them):"
  printf '  %s\n' "${unformatted[@]}"
  exit 1
fi
echo "all ${#files[@]} C++ files are formatted"
