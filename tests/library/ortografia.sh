#!/usr/bin/env bash
# Spelling of the default texts: hunspell (pt_BR) may flag fewer than 0.5 %
# of the words. Terms of the craft that the dictionary lacks go in
# data/textos/termos-do-oficio.dic, one per line.
set -euo pipefail
textos="$1"
command -v hunspell >/dev/null || { echo "hunspell ausente"; exit 77; }
[ -f /usr/share/hunspell/pt_BR.dic ] || { echo "dicionário pt_BR ausente"; exit 77; }
texto=$(grep -hvE '^(\[[0-9]|#)' "$textos"/*.txt)
total=$(printf '%s\n' "$texto" | wc -w)
marcadas=$(printf '%s\n' "$texto" | hunspell -d pt_BR -p "$textos/termos-do-oficio.dic" -l || true)
n=$(printf '%s' "$marcadas" | grep -c . || true)
echo "palavras: $total; marcadas pelo hunspell: $n"
[ "$n" -gt 0 ] && printf '%s\n' "$marcadas" | sort | uniq -c | sort -rn | head -20
# fewer than 0.5 %: n * 200 < total
[ $((n * 200)) -lt "$total" ]
