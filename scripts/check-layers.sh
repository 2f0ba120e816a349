#!/usr/bin/env bash
# Fails on an include that runs back up the layers: app -> archives -> checks -> screens -> widgets ->
# platform, rules, storage; and on an archive including another archive's windows (Tfrm*), which it
# reaches by name through the window registry. Prints each offending line.
set -euo pipefail
cd "$(dirname "$0")/../src"
allowed() {
  case $1 in
    storage) echo "storage" ;;
    rules) echo "rules storage" ;;
    platform) echo "platform rules storage" ;;
    widgets) echo "widgets platform rules storage" ;;
    screens) echo "screens widgets platform rules storage" ;;
    checks) echo "checks screens widgets platform rules storage" ;;
    clients | operators | products | schedule | calls | sales | stats)
      echo "clients operators products schedule calls sales stats checks screens widgets platform rules storage" ;;
    demo) echo "demo clients operators products schedule calls sales stats checks screens platform rules storage" ;;
    *) echo "*" ;;
  esac
}
archives=" clients operators products schedule calls sales stats "
status=0
for dir in */; do
  dir=${dir%/}
  layers=$(allowed "$dir")
  [ "$layers" = "*" ] && continue
  while IFS= read -r line; do
    included=$(sed -E 's/.*#include "([a-z]+)\/.*/\1/' <<<"$line")
    header=$(sed -E 's/.*#include "[a-z]+\/([^"]*)".*/\1/' <<<"$line")
    if [[ " $layers " != *" $included "* ]] ||
      [[ $archives == *" $dir "* && $included != "$dir" && $archives == *" $included "* && $header == Tfrm* ]]; then
      echo "$line"
      status=1
    fi
  done < <(grep -Hn '^#include "[a-z]*/' "$dir"/* 2>/dev/null || true)
done
exit $status
