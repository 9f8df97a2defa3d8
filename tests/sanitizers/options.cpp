// Run-time settings of AddressSanitizer, LeakSanitizer and
// UndefinedBehaviorSanitizer, built into every program of the sanitized
// build (`make test-sanitized`), so that a test run by hand behaves as in
// CI. Settings in ASAN_OPTIONS, LSAN_OPTIONS or UBSAN_OPTIONS still win.

extern "C" const char *__asan_default_options()
{
    return "detect_leaks=1:detect_stack_use_after_return=1";
}

// The leaks of Qt's and the desktop's own libraries, never the game's, are
// listed with their reasons in the suppression file.
extern "C" const char *__lsan_default_options()
{
    return "suppressions=" ZHOP_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

extern "C" const char *__ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}
