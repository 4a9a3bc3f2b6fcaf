#pragma once

// For the start-up benchmark: when ZEITFANG_STARTUP_MARKS names a file, each call appends one
// line "<phase> <steady clock in microseconds>" to it. Without the variable it costs a getenv,
// once.
void markStartup(const char* phase);
