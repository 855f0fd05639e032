#!/bin/sh
# Installs, from Debian's packages, whatever the build, the tests and the
# program need and the machine does not have yet. Does nothing when all are there.
set -eu

PACKAGES="build-essential cmake pkg-config
qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools
qt6-l10n-tools libgl-dev libxkbcommon-dev
libgtest-dev libgmock-dev libbenchmark-dev
clang libclang-rt-dev
fonts-liberation2 fonts-comic-neue fontconfig
xvfb xauth poppler-utils shared-mime-info desktop-file-utils
libqpdf-dev qpdf icc-profiles-free
default-jre-headless libsaxonhe-java libxml2-utils"

missing=""
for package in $PACKAGES; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $package" ;;
    esac
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
