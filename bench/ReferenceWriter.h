// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Generator.h"

#include <string>

// The straightforward catalogue writer: an ofstream at precision 19 that
// inserts every field on its own. The benchmark measures the core's writer
// against it and checks that both give the same bytes.
bool writeReference(Generator const &generator, std::string const &path);
