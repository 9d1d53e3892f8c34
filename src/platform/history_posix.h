// The lasting history of entries: one entry a line, oldest first, in
// $XDG_STATE_HOME/rezonans/history (by default ~/.local/state/rezonans/).
// Sessions append their entries to it, so sessions running at once lose
// none of each other's; each recalls its own entries and those the file
// held when it started.
#pragma once

#include <histedit.h>

#include <string_view>

constexpr int HISTORY_SIZE = 500;

// Loads the newest entries of the history file into `past`. When there is
// no home, or the file cannot be read or is not a history, the history
// lives in memory only and the file is left alone.
void HistoryLoad(History* past);

// Adds a line the user entered, unless it is blank, a bare command, too long
// to keep, or the entry just before it; then appends it to the file.
void HistoryAdd(History* past, std::string_view line);
