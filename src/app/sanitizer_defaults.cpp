// The settings of the address and undefined-behaviour sanitizers, built into
// every program of a sanitized build (-DOLM_SANITIZE=ON) so that a test run
// by CTest, a test binary started by hand and each program a test starts (the
// converter, the program itself, the crash test's child) behave alike. The
// variables ASAN_OPTIONS and UBSAN_OPTIONS still override them.
//
// A report ends the process by abort(): whoever started it sees a crash, never
// an ordinary exit status (the converter's status 1 means "faults listed in
// ferr.txt", and 1 is also the sanitizers' own status). Besides the defaults,
// views into the locals of a function that has returned are caught, strings
// handed to the C library are checked whole, a static object read before it
// is made is caught, and leaks are reported at exit.
//
// The runtimes call these before anything is set up: they are not
// instrumented themselves.

#define OLM_NOT_SANITIZED __attribute__((no_sanitize("address", "undefined"), used, visibility("default")))

extern "C" OLM_NOT_SANITIZED const char* __asan_default_options() {
    return "abort_on_error=1:halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:"
           "strict_string_checks=1:check_initialization_order=1:strict_init_order=1";
}

extern "C" OLM_NOT_SANITIZED const char* __ubsan_default_options() {
    return "abort_on_error=1:halt_on_error=1:print_stacktrace=1";
}
