#!/usr/bin/env bash
# Fails when a source file outside platform/ (and tests/, bench/, tools/, fuzz/, which look at the
# program from outside) includes a Qt or SQLite header: everything else goes through the platform.
# Usage: scripts/check-layering.sh [source root]
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"
breaches=$(grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z0-9_]*|Qt[A-Za-z0-9_]*/[^>"]*|sqlite3\.h)[>"]' \
    --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.cc' . |
    grep -vE '^\./(platform|tests|bench|tools|fuzz|build[^/]*)/' || true)
if [ -n "$breaches" ]; then
    echo "Only platform/ may include Qt or SQLite headers; use or extend the platform instead:"
    echo "$breaches"
    exit 1
fi
echo "layering: no Qt or SQLite header outside platform/"
