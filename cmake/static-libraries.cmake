# SPDX-License-Identifier: GPL-3.0-or-later
# For a static link, find_library must find archives, not shared objects.
# Included at the end of project(): CMake sets its own suffixes before that.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
