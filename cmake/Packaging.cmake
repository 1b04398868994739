# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# The Debian package: `cpack -G DEB` in the build folder writes
# markwell_<version>_amd64.deb with what `cmake --install` installs under /usr.

set(CPACK_PACKAGE_NAME markwell)
set(CPACK_PACKAGE_VENDOR Larkhaven)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Larkhaven <markwell@larkhaven.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "class record for teachers: grades, attendance and seating")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
# The build keeps its debugging information; the package does not.
set(CPACK_STRIP_FILES ON)
# Folders the package makes are 0755 whatever the umask of the one who builds it.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the programs link (Qt, libgsf, libxlsxwriter, libsodium...)
# are found by dpkg-shlibdeps. What Qt loads while running is not:
# the SVG icon engine that draws the tool bar, the window-system plugins,
# xdg-email for sending a student's report, and Qt's own Spanish and
# French texts for its standard buttons and dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-qpa-plugins, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# The summary above is the description's first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Computerized Markwell keeps a teacher's class record: the students with
their contact details, the assignments with every student's points, a
comment per student, the grade scale, the weight of each kind of assignment
and the rule for dropping the lowest scores. Totals, averages and letter
grades follow as the points are typed.
.
It keeps attendance a month at a time and a seating chart of the room,
prints and exports the grades (.xls, .xlsx, .csv, PDF), shows reports and
bar charts of a student, an assignment or the whole class, and e-mails
every family its report, one message each, through the school's mail server
or the user's mail program, keeping a record of what was sent. Every change can be undone,
earlier versions are kept at each save, and unsaved work is recovered after
a crash.
.
The package holds the desktop program (markwell) and markwell-cli, which
does the same work on the same files from scripts.")

include(CPack)
