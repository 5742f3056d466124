#!/usr/bin/env bash
# Fails while a translation is behind the sources or unfinished, or a Japanese text in the
# sources does not go through tr().  complete.sh LUPDATE SOURCE_DIR OPTIONS...
set -uo pipefail
scratch=$(mktemp -d) && trap 'rm -rf "$scratch"' EXIT
status=0
# lupdate over the sources that update_translations reads, on copies.
for ts in "$2"/translations/*.ts; do
  copy=$scratch/${ts##*/}
  cp "$ts" "$copy" && "$1" -silent "${@:3}" -extensions cpp,h -I "$2/src" "$2/src" -ts "$copy" || exit 1
  diff -u "$ts" "$copy" || { echo "${ts##*/} is behind the sources: build update_translations"; status=1; }
  grep -B1 -E '<translation( type=|/>|></translation>)|<numerusform(/>|></numerusform>)' "$copy" && { echo "unfinished in ${ts##*/}"; status=1; }
done
# The font names are no shown texts.
grep -rnP --include='*.cpp' --include='*.h' '^(?!\s*//).*"[^"]*[^\x00-\x7F]' "$2/src" |
  grep -vP '\b(tr|translate|QT_TR_NOOP|QT_TRANSLATE_NOOP)\(|/fonts\.h:' && { echo "not through tr()"; status=1; }
exit $status
