#pragma once

class QApplication;

// For the outside benchmark (bench/bench_open.sh), switched on by the environment variable
// VELINOR_IDLE_PROBE: prints to standard output when each key press arrives from the window system
// ("key <ms> <cpu ms>") and when the program next has nothing left to do
// ("idle <ms> <peak memory KiB> <cpu ms>"): wall-clock milliseconds since the epoch and the
// processor time the program has used so far. The first "idle" follows start-up.
// Idle means the event loop ran out of work: a zero timer fires only once the events that were
// waiting (input, posted events, repaints) have been handled, and a second one after it catches
// what the first round posted.
void installIdleProbe(QApplication &app);
