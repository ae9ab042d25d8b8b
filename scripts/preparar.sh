#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the program and the
# tests need and this machine lacks. Safe to run again: it installs nothing
# when everything is there.
set -euo pipefail

pacotes=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev libgl-dev qt6-translations-l10n
  help2man locales  # the manual pages, written in the pt_BR locale
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fontconfig
  hunspell hunspell-pt-br
  poppler-utils odt2txt  # reading the PDFs and the editable documents back in the tests
  clang ccache  # ccache: a rebuild or a second clone reuses what was compiled
)

faltando=()
for p in "${pacotes[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    faltando+=("$p")
  fi
done
[ ${#faltando[@]} -eq 0 ] && exit 0

sudo_se_preciso=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_se_preciso=(sudo)
fi
echo "Instalando: ${faltando[*]}"
"${sudo_se_preciso[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_se_preciso[@]}" apt-get install -y -qq --no-install-recommends "${faltando[@]}"
