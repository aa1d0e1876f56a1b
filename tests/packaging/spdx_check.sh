#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file states its licence on its first line (the second after a "#!"
# line), as "SPDX-License-Identifier: GPL-3.0-or-later" in the file's comment form.
#   spdx_check.sh <source root>
# Source files: C++ (.cpp, .h), CMake, shell and Python, manual pages, and every file
# in scripts/; data files (test inputs, pictures, fuzz corpora) carry none.
set -euo pipefail
root=$1
tag="SPDX-License-Identifier: GPL-3.0-or-later"
missing=()
is_source() {
  case $1 in
    scripts/*) return 0 ;;
    *.cpp | *.h | *.cmake | CMakeLists.txt | */CMakeLists.txt | Makefile | *.sh | *.py | *.[1-8]) return 0 ;;
  esac
  [[ $(head -c 2 "$root/$1") == "#!" ]]
}
while IFS= read -r file; do
  is_source "$file" || continue
  first=$(head -n 1 "$root/$file")
  [[ $first == "#!"* ]] && first=$(sed -n 2p "$root/$file")
  [[ $first == *"$tag" ]] || missing+=("$file")
done < <(cd "$root" && find src tests bench fuzz docs scripts cmake -type f 2>/dev/null | LC_ALL=C sort;
         cd "$root" && printf '%s\n' CMakeLists.txt Makefile .ci/run)
if ((${#missing[@]})); then
  printf 'no "%s" line at the top of:\n' "$tag" >&2
  printf '  %s\n' "${missing[@]}" >&2
  exit 1
fi
