#!/usr/bin/env bash
# Checks that the folders' includes follow their CMake links: a library folder's .cpp and .h files
# include ("folder/...") only their own folder and the targets it links, and it links only
# folders added before it in the top CMakeLists.txt, so the includes point down the layers.
# Prints each folder's included folders; exits 1 naming each include that breaks this.
set -euo pipefail
ROOT=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$ROOT"

# The folders in the order the top CMakeLists.txt adds them.
mapfile -t order < <(sed -n 's/^add_subdirectory(\([a-z_]*\)).*/\1/p' CMakeLists.txt)
# What a folder's target links: the words of its etiquetas_library(...) or
# target_link_libraries(...) calls, the calls joined onto one line first.
links() {
  tr '\n' ' ' <"$1/CMakeLists.txt" |
    grep -oE "(etiquetas_library|target_link_libraries)\($1 [^)]*\)" | tr -s '() ' '\n' | sort -u
}

failed=0
below=()  # the folders added before the one being checked
for dir in "${order[@]}"; do
  if grep -qE "(etiquetas_library|add_library)\($dir " "$dir/CMakeLists.txt"; then
    mapfile -t linked < <(links "$dir")
    for dep in "${linked[@]}"; do
      if [ -d "$dep" ] && [ "$dep" != "$dir" ] && [[ " ${below[*]} " != *" $dep "* ]]; then
        echo "$dir/CMakeLists.txt: links $dep, which is not below it in CMakeLists.txt"
        failed=1
      fi
    done
    used=()
    while IFS=: read -r file _ include; do
      target=${include#*\"}
      target=${target%%/*}
      [ -d "$target" ] || continue
      used+=("$target")
      if [ "$target" != "$dir" ] && [[ " ${linked[*]} " != *" $target "* ]]; then
        echo "$file: $include (target $dir does not link $target)"
        failed=1
      fi
    done < <(grep -rnE '^#include "[A-Za-z_]+/' "$dir" --include='*.cpp' --include='*.h')
    echo "$dir includes: $(printf '%s\n' "${used[@]}" | sort -u | tr '\n' ' ')"
  fi
  below+=("$dir")
done
exit "$failed"
