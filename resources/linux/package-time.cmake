# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it builds the package: every file and the archive
# itself get the time the sources last changed (cpack honours SOURCE_DATE_EPOCH),
# unless the caller gives a time of their own.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} AND CPACK_BELTWRIGHT_SOURCE_DATE_EPOCH)
    set(ENV{SOURCE_DATE_EPOCH} "${CPACK_BELTWRIGHT_SOURCE_DATE_EPOCH}")
endif()
