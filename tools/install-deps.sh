#!/bin/sh
# Installs what a bare Debian machine lacks to build and test kmdconvert.
set -e
missing=""
for p in g++ make cmake libgtest-dev; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
$sudo apt-get update -q
$sudo apt-get install -y -q $missing
