// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks an English text of the core that the window shows translated: lupdate
// finds it by this name, and the window looks it up in the context given. The
// core itself has no Qt; the definition is the toolkit's own, word for word.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
