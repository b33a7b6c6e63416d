#!/usr/bin/env bash
# Each program folder is one layer and includes only itself and the layers below it; only the
# Qt window and the program include the window toolkit. Beside them, the tests include neither
# the benchmarks nor the fuzz targets, which both build on the tests' support.
# Usage: layering_test.sh <source folder>
set -uo pipefail
cd "$1"
layers=(solver sources events headless window app)
failures=0
for ((i = 0; i < ${#layers[@]}; i++)); do
    folder=${layers[i]}
    for ((j = i + 1; j < ${#layers[@]}; j++)); do
        if grep -rnE "#include *\"${layers[j]}/" "$folder"; then
            echo "FAIL: $folder/ includes ${layers[j]}/, a layer above it"
            failures=$((failures + 1))
        fi
    done
    for other in tests bench fuzz; do
        if grep -rnE "#include *\"$other/" "$folder"; then
            echo "FAIL: $folder/ includes $other/"
            failures=$((failures + 1))
        fi
    done
    if [ "$i" -lt 4 ] && grep -rnE '#include *[<"](Q|qt)' "$folder"; then
        echo "FAIL: $folder/ includes the window toolkit"
        failures=$((failures + 1))
    fi
done
for pair in tests:bench tests:fuzz fuzz:bench; do
    if grep -rnE "#include *\"${pair#*:}/" "${pair%%:*}"; then
        echo "FAIL: ${pair%%:*}/ includes ${pair#*:}/"
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] && echo "layers ${layers[*]}: each includes only those before it"
exit $((failures > 0))
