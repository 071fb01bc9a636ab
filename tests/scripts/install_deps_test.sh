#!/usr/bin/env bash
# install-deps.sh: touches nothing when every package is there, asks apt only for what is missing,
# and stops with a clear message when it would need sudo and there is none.
set -uo pipefail
script=$(cd "$(dirname "$0")/../../scripts" && pwd)/install-deps.sh
fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT
log=$fake/calls
fails=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; fails=$((fails + 1)); fi; }

# Stand-ins that record every call instead of installing anything.
for tool in apt-get sudo; do
  printf '#!/bin/sh\necho "%s $*" >>"%s"\n' "$tool" "$log" >"$fake/$tool"
done
chmod +x "$fake/apt-get" "$fake/sudo"

# 1. Everything installed (the real dpkg answers): no apt-get, no sudo, exit 0. A virtual package
#    name in the lists would never show as installed and fail this.
if "$script" --check >/dev/null; then
  : >"$log"
  PATH="$fake:$PATH" "$script"
  rc=$?
  check "nothing to do exits 0" "[ $rc -eq 0 ]"
  check "nothing to do calls neither apt-get nor sudo" "[ ! -s '$log' ]"
else
  # Then each missing name must at least be a real package: a virtual one would never show installed.
  for p in $("$script" --check | sed 's/^not installed: //'); do
    check "$p is a real package apt can install" "apt-cache show '$p' 2>/dev/null | grep -q '^Package:'"
  done
fi

# One package missing, as a user without root.
cat >"$fake/dpkg-query" <<'DQ'
#!/bin/sh
for last; do :; done
[ "$last" = fonts-urw-base35 ] && { echo 'unknown ok not-installed'; exit 0; }
echo 'install ok installed'
DQ
printf '#!/bin/sh\n[ "$1" = -u ] && echo 1000 || /usr/bin/id "$@"\n' >"$fake/id"
chmod +x "$fake/dpkg-query" "$fake/id"

# 2. With sudo: only the missing package is installed, through sudo.
: >"$log"
PATH="$fake:$PATH" "$script" >/dev/null
rc=$?
check "missing package installs and exits 0" "[ $rc -eq 0 ]"
check "only the missing package is asked for, through sudo" \
  "grep -q '^sudo apt-get install .*fonts-urw-base35\$' '$log' && ! grep -q 'install .*libexpat' '$log'"

# 3. Without sudo: a message naming the package, exit 1, nothing run.
rm "$fake/sudo"
: >"$log"
mkdir "$fake/bin"
for t in bash dirname grep cat; do ln -s "$(command -v $t)" "$fake/bin/$t"; done
out=$(PATH="$fake:$fake/bin" "$script" 2>&1)
rc=$?
check "no sudo exits 1" "[ $rc -eq 1 ]"
check "no sudo names the missing package" "grep -q fonts-urw-base35 <<<'$out'"
check "no sudo runs no apt-get" "[ ! -s '$log' ]"

# 4. Everything installed, as a user without root and without sudo (the real dpkg answers): exit 0,
#    nothing run.
if "$script" --check >/dev/null; then
  rm "$fake/dpkg-query"
  ln -s "$(command -v dpkg-query)" "$fake/bin/dpkg-query"
  : >"$log"
  PATH="$fake:$fake/bin" "$script" >/dev/null 2>&1
  rc=$?
  check "a user without sudo, everything installed, exits 0" "[ $rc -eq 0 ]"
  check "a user without sudo, everything installed, runs nothing" "[ ! -s '$log' ]"
else
  echo "skipped case 4: not every package is installed on this machine"
fi

[ $fails -eq 0 ]
