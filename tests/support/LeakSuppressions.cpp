// LeakSanitizer's suppressions for the tests, built into them so that every
// way of running them (ctest, a filter by hand) has them. They only name
// outside libraries: PostgreSQL's ODBC driver keeps an error record of a
// failed statement for good (a few hundred bytes inside SQLExecute), which
// the tests of failing statements meet.

#if defined(__GNUC__)
// The sanitizer's runtime finds it by name, so it must be visible.
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
    return "leak:psqlodbcw.so\n";
}
#endif
