#!/usr/bin/env bash
# The application-menu entry passes desktop-file-validate without an error or a warning.
# CI installs the tool (scripts/install-deps.sh); only on a machine without it is the test
# skipped.
set -euo pipefail
entry=$1
if ! command -v desktop-file-validate >/dev/null; then
    if [[ -n ${CI:-} ]]; then
        echo "FAIL: desktop-file-validate is missing (package desktop-file-utils)" >&2
        exit 1
    fi
    echo "SKIP: desktop-file-validate is not installed (package desktop-file-utils)"
    exit 77
fi
report=$(desktop-file-validate "$entry" 2>&1) || { echo "$report" >&2; exit 1; }
[[ -z $report ]] || { echo "$report" >&2; exit 1; }
echo "PASS: $entry"
