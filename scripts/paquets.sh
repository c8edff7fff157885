#!/bin/sh
# Installs the Debian packages Dralen needs to build, run and test, skipping
# those already present.
set -e
PAQUETS="cmake g++ make libfltk1.3-dev fluid libdds-dev libgtest-dev libbenchmark-dev \
xvfb xauth fonts-dejavu-core texlive-latex-base texlive-fonts-recommended poppler-utils"
manquants=""
for p in $PAQUETS; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    manquants="$manquants $p"
  fi
done
[ -z "$manquants" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get -o DPkg::Lock::Timeout=300 update
$SUDO apt-get -o DPkg::Lock::Timeout=300 install -y --no-install-recommends $manquants
