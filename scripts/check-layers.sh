#!/usr/bin/env bash
# The house rules the build checks: each folder of src/ includes only from the folders below it,
# only qt/ folders include Qt, and no header includes the Windows headers (only the sources of the
# Windows adapters and of the platform files do). Prints every breach and fails when there is one.
# Usage: check-layers.sh SOURCE_DIR
set -u
src="$1/src"

# Each folder and the folders it may include from (its own is always allowed).
declare -A below=(
    [common]=""
    [filedown]="common"
    [update_client]="common filedown"
    [updater]="common filedown update_client"
    [browse]="common"
    [media]="common browse filedown"
    [scrap]="common browse"
    [bookmarks]="common browse"
    [mail]="common browse"
    [search]="common browse"
    [settings]="common browse"
    [shell]="common browse media"
    [server]="common browse"
)

breaches=0
for dir in "$src"/*/; do
    folder=$(basename "$dir")
    if [[ ! -v below[$folder] ]]; then
        echo "src/$folder: a folder without a place in the layers (add it to $0)"
        breaches=$((breaches + 1))
        continue
    fi
    allowed=" $folder ${below[$folder]} "
    while IFS=: read -r file line include; do
        used=$(sed -E 's/#include "([a-z_]+)\/.*/\1/' <<<"$include")
        if [[ "$allowed" != *" $used "* ]]; then
            echo "${file#"$1"/}:$line: src/$folder may not include from src/$used"
            breaches=$((breaches + 1))
        fi
    done < <(grep -rnE '^#include "[a-z_]+/' "$dir" --include='*.h' --include='*.cpp')
done

while IFS=: read -r file line _; do
    echo "${file#"$1"/}:$line: Qt is included outside a qt/ folder"
    breaches=$((breaches + 1))
done < <(grep -rnE '^#include <Q' "$src" --include='*.h' --include='*.cpp' | grep -v '/qt/')

while IFS=: read -r file line _; do
    echo "${file#"$1"/}:$line: a header includes windows.h"
    breaches=$((breaches + 1))
done < <(grep -rniE '^#include <windows\.h>' "$src" --include='*.h')

if ((breaches > 0)); then
    echo "$breaches breach(es) of the layers"
    exit 1
fi
