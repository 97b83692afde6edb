#!/usr/bin/env bash
# Lays out a release for the product web server from a build: OUTDIR/soft/lane_desk/upgrade/ with
# lane_desk_version.txt (the project version), update.exe and lane_desk.exe (the Linux programs
# under the names the server paths use) and their .minisig signatures, made with the minisign
# secret key named on the command line. The programs refuse any file that is not signed with the
# key their build trusts (PRESSLANE_UPDATE_KEY), so the signatures are checked against that key
# before anything is laid out.
#
#   scripts/publish-release.sh OUTDIR SECRET_KEY [BUILD_DIR]     (BUILD_DIR defaults to build)
set -euo pipefail
if [ $# -lt 2 ]; then
    echo "usage: $0 OUTDIR SECRET_KEY [BUILD_DIR]" >&2
    exit 2
fi
out="$1"
secret_key="$2"
build="${3:-build}"
cache="$build/CMakeCache.txt"
[ -f "$cache" ] || { echo "no build in $build" >&2; exit 1; }
[ -f "$secret_key" ] || { echo "no secret key at $secret_key" >&2; exit 1; }
cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$cache" | head -1; }
version=$(cache_value CMAKE_PROJECT_VERSION)
public_key=$(cache_value PRESSLANE_UPDATE_KEY)

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --build "$build" --target lane_desk update Grabkit >/dev/null
cmake --install "$build" --prefix "$stage/app" >/dev/null
strip -o "$stage/lane_desk.exe" "$stage/app/lane_desk"
strip -o "$stage/update.exe" "$stage/app/update"
printf '%s' "$version" >"$stage/lane_desk_version.txt"
minisign -S -s "$secret_key" -m "$stage/update.exe" "$stage/lane_desk.exe"
for name in update.exe lane_desk.exe; do
    if ! minisign -V -q -P "$public_key" -m "$stage/$name" >/dev/null; then
        echo "the build trusts another key (PRESSLANE_UPDATE_KEY=$public_key): nothing published" >&2
        exit 1
    fi
done

upgrade="$out/soft/lane_desk/upgrade"
mkdir -p "$upgrade"
# Signatures first, programs next, the version last: a client that sees the new version finds
# everything it needs already in place.
for f in update.exe.minisig lane_desk.exe.minisig update.exe lane_desk.exe lane_desk_version.txt; do
    cp "$stage/$f" "$upgrade/$f.part"
    mv "$upgrade/$f.part" "$upgrade/$f"
done
echo "published version $version in $upgrade"
