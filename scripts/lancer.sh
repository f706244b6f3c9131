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

# Ended by a signal (Ctrl+C, kill, the terminal closed), the script ends the program, which reads the disc
# while it runs, unmounts the disc, then ends by that same signal so that its caller sees the usual status.
monte=0
enfant=
interrompu() {
    trap - EXIT INT TERM HUP
    if [ -n "$enfant" ]; then
        kill -TERM "$enfant" 2>/dev/null || true
        wait "$enfant" 2>/dev/null || true
    fi
    demonter
    kill -s "$1" $$
}
for signal in INT TERM HUP; do
    trap "interrompu $signal" "$signal"
done

demonter
mkdir -p "$montage"
if [ -e /dev/fuse ] && fuseiso "$image" "$montage" -o ro 2>/dev/null && mountpoint -q "$montage"; then
    monte=1
    trap demonter EXIT
    echo "Disque du catalogue monté en lecture seule sur $montage"
else
    echo "FUSE n'est pas disponible ici : le programme démarre sans le disque du catalogue, donc sans images."
fi

# Started in the background and waited for, so that a signal is handled at once, not when the program ends.
"$programme/orvalen" "$@" &
enfant=$!
wait "$enfant"
