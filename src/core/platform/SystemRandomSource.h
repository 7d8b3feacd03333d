// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RandomSource.h"

// The operating system's cryptographic random source. Each platform has a unit
// of its own (SystemRandomSourcePosix.cpp, SystemRandomSourceWindows.cpp).
RandomSource &systemRandomSource();
