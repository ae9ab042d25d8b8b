#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop menu
# needs: the program, its entry and its icon, and that the entry's command
# starts the program (it must still be running after a few seconds).
set -euo pipefail
build=$1
raiz=$(mktemp -d)
trap 'rm -rf "$raiz"' EXIT
cmake --install "$build" --prefix "$raiz/usr" >/dev/null

falha() { echo "FALHA: $*" >&2; exit 1; }
[ -x "$raiz/usr/bin/cifralumina" ] || falha "programa não instalado"
entrada="$raiz/usr/share/applications/cifralumina.desktop"
[ -f "$entrada" ] || falha "entrada do menu não instalada"
grep -qx 'Type=Application' "$entrada" || falha "entrada sem Type=Application"
grep -qx 'Terminal=false' "$entrada" || falha "entrada abriria um terminal"
icone=$(sed -n 's/^Icon=//p' "$entrada")
[ -f "$raiz/usr/share/icons/hicolor/scalable/apps/$icone.svg" ] || falha "ícone $icone ausente"
comando=$(sed -n 's/^Exec=//p' "$entrada")
[ -n "$comando" ] || falha "entrada sem Exec"

export QT_QPA_PLATFORM=offscreen HOME="$raiz" CIFRALUMINA_PASTA="$raiz/dados"
set +e
PATH="$raiz/usr/bin:$PATH" timeout 5 $comando >/dev/null 2>&1
estado=$?
set -e
[ "$estado" -eq 124 ] || falha "o comando do menu terminou com $estado em vez de continuar aberto"
[ -f "$raiz/dados/cifralumina.dat" ] || falha "o programa não criou a pasta de dados"
echo "ok: $comando"
