#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
# Every sentence the program says has its Chinese: the translation holds
# exactly the sentences in the sources, none unfinished, and each keeps
# the numbers (%1, %2…) its English has.
#   tests/test_translations.sh SOURCE_DIR
set -euo pipefail
src=$1
bin=/usr/lib/qt6/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$src/src/words/tolvera_zh_CN.ts" "$work/committed.ts"
cp "$work/committed.ts" "$work/fresh.ts"
(cd "$src" && "$bin/lupdate" -silent -no-obsolete -locations none src/words src/app src/ui -ts "$work/fresh.ts")
cmp -s "$work/committed.ts" "$work/fresh.ts" ||
    { echo "FAIL: the sentences changed: run scripts/translations.sh and translate them"; diff "$work/committed.ts" "$work/fresh.ts" | head -20; exit 1; }
said=$("$bin/lrelease" "$work/fresh.ts" -qm "$work/zh.qm")
grep -q ' 0 unfinished' <<<"$said" || { echo "FAIL: $said"; exit 1; }
/usr/bin/python3 - "$work/fresh.ts" <<'PY'
import re, sys, xml.etree.ElementTree as ET
bad = []
for m in ET.parse(sys.argv[1]).iter('message'):
    source, translation = m.find('source').text, m.find('translation').text or ''
    if sorted(set(re.findall(r'%\d', source))) != sorted(set(re.findall(r'%\d', translation))):
        bad.append(source)
if bad:
    sys.exit("FAIL: the numbers differ in: " + "; ".join(bad))
PY
echo "PASS: every sentence translated"
