// SPDX-License-Identifier: GPL-3.0-or-later
// The player's language: the game's translation and Qt's own, chosen from the UI languages.
#pragma once

// Installs the game's translation that best matches the UI languages of QLocale(), and Qt's
// for the same language so that Qt's dialogs agree with the game. Replaces what an earlier
// call installed. English, the source language, and languages without a translation of the
// game install nothing: the window then never mixes two languages.
void installTranslations();
