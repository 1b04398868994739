#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# Installs the Debian packages the build and the tests need, only those missing.
# Sourced by run.sh and test.sh; `apt-get update` runs at most once per call.
set -euo pipefail

# What the installed program needs to run (the README's install section
# lists them): Qt's libraries, the window-system plugins (xcb and offscreen
# come with libqt6gui6, the rest with qt6-qpa-plugins), the printing plugin
# (with libqt6printsupport6), the SVG icon engine and image plugin that draw
# the tool bar (libqt6svg6: without it the tool bar is empty), the graph
# (libqt6charts6), the spreadsheet writers, and xdg-email (xdg-utils), which
# hands a student's report to the user's mail program, Qt's own Spanish
# and French texts for the standard buttons and dialogs, and SQLite, which
# keeps the grade history. The families' mail is built with GMime, sent with
# libcurl, and the mail server's password kept in the desktop's keyring
# through QtKeychain.
markwell_runtime_packages=(
  libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6
  qt6-qpa-plugins libqt6svg6 libqt6charts6
  libgsf-1-114 libxlsxwriter4 libsodium23 xdg-utils qt6-translations-l10n libsqlite3-0
  libgmime-3.0-0 libcurl4 libqt6keychain1
)
markwell_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-charts-dev
  qt6-l10n-tools qt6-tools-dev  # lrelease and its CMake functions build the translations in
  libgsf-1-dev libxlsxwriter-dev libsodium-dev libsqlite3-dev
  libgmime-3.0-dev libcurl4-openssl-dev qtkeychain-qt6-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  "${markwell_runtime_packages[@]}"
)
# The package test builds the .deb (dpkg-dev: dpkg-shlibdeps finds the
# libraries it depends on), validates its desktop entry (desktop-file-utils)
# and metadata (appstream) and renders its manual pages (man-db).
markwell_test_packages=(
  clang libclang-rt-dev clang-format clang-tidy
  python3 python3-xlrd python3-openpyxl poppler-utils
  dpkg-dev desktop-file-utils appstream man-db
  reuse  # every file says its licence
  strace  # kills a save at each of its renames, links, unlinks and writes
  # The mail tests: a real mail server (aiosmtpd) with certificates made by
  # openssl, and a real keyring (gnome-keyring in its own D-Bus session).
  python3-aiosmtpd openssl gnome-keyring dbus
)

markwell_missing() {
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      printf '%s\n' "$p"
    fi
  done
}

markwell_install() {
  local missing
  mapfile -t missing < <(markwell_missing "$@")
  [ "${#missing[@]}" -eq 0 ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then sudo=(sudo); else
      echo "Missing packages: ${missing[*]} (run as root or install them)" >&2; return 1
    fi
  fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}
