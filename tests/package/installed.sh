#!/usr/bin/env bash
# A package built elsewhere (on an older Debian, say) installs here with apt, and its installed
# game plays a whole game.  installed.sh PACKAGE.deb   (as the superuser)
set -euo pipefail
deb=$(realpath "$1")
cd "$(dirname "$0")/../.."
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive apt-get purge -y -q velquan >/dev/null' EXIT
echo "installed $(dpkg-query -W velquan)"
VELQUAN_E2E_INSTALLED=1 bash tests/e2e/play_a_game.sh /usr/games/velquan
