#!/usr/bin/env bash
# Fails while a translation is behind the sources or unfinished, or a Japanese text in the
# sources does not go through tr().  complete.sh CMAKE GENERATOR PROJECT LUPDATE SOURCE_DIR OPTIONS...
set -uo pipefail
scratch=$(mktemp -d) && trap 'rm -rf "$scratch"' EXIT
# The project and command of the update_translations target, on copies.
"$1" -DIN_FILE="$3" -DOUT_FILE="$scratch/project.json" -P "$2" || exit 1
status=0
for ts in "$5"/translations/*.ts; do
  copy=$scratch/${ts##*/}
  cp "$ts" "$copy" && "$4" -silent -project "$scratch/project.json" "${@:6}" -ts "$copy" || exit 1
  diff -u "$ts" "$copy" || { echo "${ts##*/} is behind the sources: build update_translations"; status=1; }
  grep -B1 -E '<translation( type=|/>|></translation>)|<numerusform(/>|></numerusform>)' "$copy" && { echo "unfinished in ${ts##*/}"; status=1; }
done
# The font names are no shown texts.
grep -rnP --include='*.cpp' --include='*.h' '^(?!\s*//).*"[^"]*[^\x00-\x7F]' "$5/src" |
  grep -vP '\b(tr|translate|QT_TR_NOOP|QT_TRANSLATE_NOOP)\(|/fonts\.h:' && { echo "not through tr()"; status=1; }
exit $status
