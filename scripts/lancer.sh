#!/usr/bin/env bash
# Sets up a fresh machine, builds the program, lays out its folder with the demonstration data and
# starts it, with the catalogue disc image mounted read-only as a disc would be.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
"$racine/scripts/installer-dependances.sh"
"$racine/scripts/construire.sh"

programme="$racine/build/programme"
montage="$racine/build/disque-monte"
image="$programme/DisqueCatalogue.iso"

demonter() {
    if mountpoint -q "$montage" 2>/dev/null; then
        fusermount -u "$montage" 2>/dev/null || umount "$montage" 2>/dev/null || true
    fi
}

monte=0
demonter
mkdir -p "$montage"
if [ -e /dev/fuse ] && fuseiso "$image" "$montage" -o ro 2>/dev/null && mountpoint -q "$montage"; then
    monte=1
    trap demonter EXIT
    echo "Disque du catalogue monté en lecture seule sur $montage"
else
    echo "FUSE n'est pas disponible ici : le programme démarre sans le disque du catalogue, donc sans images."
fi

"$programme/orvalen" "$@"
