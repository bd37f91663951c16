#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every tracked source carries its licence line, and every C++ file is formatted as
# .clang-format says. Usage: scripts/check-sources.sh
set -euo pipefail
cd "$(dirname "$0")/.."
status=0

unlicensed=$(git ls-files -- '*.cpp' '*.h' '*.h.in' '*.py' '*.sh' '*.cmake' '*CMakeLists.txt' \
  .ci/run | xargs grep -L 'SPDX-License-Identifier' || true)
if [ -n "$unlicensed" ]; then
  echo "no SPDX-License-Identifier line in:" >&2
  echo "$unlicensed" >&2
  status=1
fi

if ! git ls-files -- '*.cpp' '*.h' '*.h.in' | xargs clang-format --dry-run --Werror 2>/tmp/format.$$; then
  grep -E '^[^ ].*: (error|warning):' /tmp/format.$$ | cut -d: -f1 | sort -u | sed 's/^/not formatted: /' >&2
  status=1
fi
rm -f /tmp/format.$$
[ $status -eq 0 ] && echo "check-sources: every source is licensed and formatted"
exit $status
