// The defaults of the sanitizer runtimes for the programs of an Asan build.
// The environment (ASAN_OPTIONS, LSAN_OPTIONS, UBSAN_OPTIONS) still adds to
// or overrides them.
extern "C" {

const char* __asan_default_options() { return "detect_leaks=1:check_initialization_order=1:strict_init_order=1"; }

// Leaks are only suppressed in system libraries: see lsan.supp.
const char* __lsan_default_options() { return "suppressions=" GLOSSAMO_LSAN_SUPPRESSIONS ":print_suppressions=0"; }

const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }
}
