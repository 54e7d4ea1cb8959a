#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# Brings the Chinese translation up to date with the sentences in the
# sources: new ones join src/words/tolvera_zh_CN.ts unfinished, gone ones
# leave it; then says how many still want their Chinese.
#   scripts/translations.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build
bin=/usr/lib/qt6/bin
"$bin/lupdate" -silent -no-obsolete -locations none src/words src/app src/ui -ts src/words/tolvera_zh_CN.ts
"$bin/lrelease" src/words/tolvera_zh_CN.ts -qm /dev/null
