#!/bin/sh
# Every text marked in the code is in po/cantos.pot, and every language of po/LINGUAS
# translates all of them, with the same printf fields as the source.
# Usage: traducoes_test.sh SOURCE_FOLDER
set -eu
fontes=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$fontes/po/junta-textos" "$fontes" "$tmp/cantos.pot"
msgcmp --use-untranslated "$fontes/po/cantos.pot" "$tmp/cantos.pot" ||
  { echo "po/cantos.pot is stale: cmake --build build --target cantos-pot"; exit 1; }
for lingua in $(grep -v '^#' "$fontes/po/LINGUAS"); do
  msgcmp "$fontes/po/$lingua.po" "$tmp/cantos.pot" ||
    { echo "po/$lingua.po lacks translations: msgmerge -U po/$lingua.po po/cantos.pot"; exit 1; }
  msgfmt --check -o /dev/null "$fontes/po/$lingua.po"
done
