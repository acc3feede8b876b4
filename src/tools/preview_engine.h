#pragma once

// Readies the browser engine once in the program, before its first page: the sandbox switch for
// the root user, the program-wide OpenGL context the engine shares, and the preview's own scheme.
// The engine is loaded long after start-up, so none of this can be done the usual way, before the
// application exists.
void preparePreviewEngine();
