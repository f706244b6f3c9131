#!/usr/bin/env bash
# Installs, from Debian 12's packages, whatever the build, the tests or the program still lack.
set -euo pipefail

PAQUETS=(
    g++ cmake ninja-build
    qt6-base-dev qt6-translations-l10n libsqlite3-dev sqlite3 libjpeg-dev libpng-dev
    fonts-dejavu-core fonts-liberation
    poppler-utils
    genisoimage fuseiso fuse
    xvfb xauth
)

manquants=()
for p in "${PAQUETS[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        manquants+=("$p")
    fi
done
if [ ${#manquants[@]} -eq 0 ]; then
    exit 0
fi

echo "Installation de : ${manquants[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo_cmd=()
else
    sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}"
