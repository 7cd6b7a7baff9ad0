#!/usr/bin/env bash
# Fails when a file includes a header of a layer it may not see. The layers, lowest first:
#   platform  platform/                                   the Windows, MFC and COM stand-in
#   sdk       module/host/                                the host interfaces
#   hostlib   hostlib/                                    the host's libraries
#   plugin    module/ details/ pages/ export/ res/         the plug-in
#   view      view/                                       the Qt view of the window tree
#   client    client/                                     the reference host client
# Tests, benchmarks and fuzz targets may include any layer.
set -euo pipefail
cd "$(dirname "$0")/.."

layer_of() {
    case "$1" in
        platform/*) echo platform ;;
        module/host/*) echo sdk ;;
        hostlib/*) echo hostlib ;;
        module/* | details/* | pages/* | export/* | res/*) echo plugin ;;
        view/*) echo view ;;
        client/*) echo client ;;
        *) echo any ;;
    esac
}

declare -A may_see=(
    [platform]="platform"
    [sdk]="platform sdk"
    [hostlib]="platform sdk hostlib"
    [plugin]="platform sdk hostlib plugin"
    [view]="platform view"
    [client]="platform sdk hostlib view client"
)

status=0
while IFS= read -r file; do
    [ -f "$file" ] || continue
    layer=$(layer_of "$file")
    [ "$layer" = any ] && continue
    while IFS= read -r line; do
        number=${line%%:*}
        header=${line#*#include \"}
        header=${header%%\"*}
        # A header named without a folder is the file's neighbour.
        [[ "$header" == */* ]] || continue
        target=$(layer_of "$header")
        if [[ " ${may_see[$layer]} " != *" $target "* ]]; then
            echo "$file:$number: the $layer layer may not include \"$header\" ($target)"
            status=1
        fi
    done < <(grep -n '^#include "' "$file" || true)
done < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h')
exit $status
