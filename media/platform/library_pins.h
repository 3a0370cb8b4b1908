// Keeping the system's libraries loaded for the leak checker of the sanitizer builds.
//
// Mesa's OpenGL drivers are loaded with each context and unloaded again when SDL lets them
// go. What they allocated and still point to from their own memory is no leak while they are
// loaded, but once they are gone, the leak checker finds thousands of blocks nobody points
// to, from libraries no longer there: nameless, and impossible to tell from ours. Kept
// loaded, they hold on to what they own, and what the checker reports is ours.
#pragma once

// In a sanitizer build, keeps every library loaded so far in memory until the program ends.
// Does nothing in other builds.
void KeepLoadedLibraries();
