// Joins the lines of a log into one text: every non-empty line, oldest first,
// each followed by the separator. The log is held for the whole read, so the
// text shows it as it stood at one moment.
#pragma once

#include "core/focus_data.h"

Text JoinLines(const LineLog& lines, const char* separator);
