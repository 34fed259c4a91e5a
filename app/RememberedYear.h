#pragma once
// The year a user works in stays chosen from one start of the program to the next: the year last
// chosen in the window is kept in the user's configuration (~/.config/platomer/platomer.conf,
// the key "rok") and the window starts with it.

namespace platomer {

// The year the window starts with when no year is asked for: the one last chosen, or the
// window's own when none was chosen or what is kept is no year the calculator knows (or cannot
// be read at all).
int rememberedYear();
// Keeps a year chosen in the window for the next start. A configuration that cannot be written
// keeps nothing; the program works on.
void rememberYear(int rok);

}  // namespace platomer
