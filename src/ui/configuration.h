// The "Configuration" form of "D&ralen/&configurer".
#pragma once

class Fl_Widget;
class Fl_Window;
struct Config;

// The largest thread count the form takes.
inline constexpr int nb_threads_max = 1024;

// Opens one more configuration form editing cfg and returns it (shown).
Fl_Window* formconfig(Config& cfg);

// Field callbacks; data is the Config the form edits. Each change takes
// effect in memory at once and is written into "dralen.ini"; a thread count
// outside 1..nb_threads_max, or with anything but digits, is refused and the
// field shows the count in force again.
void cb_cmdpdf(Fl_Widget* input, void* data);
void cb_nbthr(Fl_Widget* input, void* data);
