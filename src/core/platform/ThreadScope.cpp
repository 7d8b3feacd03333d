// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThreadScope.h"

#include "BodyArena.h"
#include "TextScratch.h"

ThreadScope::~ThreadScope()
{
    BodyArena::releaseThread();
    TextScratch::releaseThread();
}
