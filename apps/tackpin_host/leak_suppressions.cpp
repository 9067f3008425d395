// LeakSanitizer's suppressions, built into the sanitized tackpin-host so
// that the program itself ends with the status its session earned, however
// it is run. Fontconfig, under cairo's text, keeps its caches for the life
// of the process and frees none of them at exit; those blocks are the
// library's own, not leaks of this program or of the plug-in.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

// The suppressed blocks are not worth a table at every exit.
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
