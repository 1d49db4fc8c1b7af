/* Forced into every file a Linux module is built from, so that the module
 * loads on the oldest Linux the host's builds run on (glibc 2.17).
 *
 * glibc 2.35 gave hypot a second version that only drops the old
 * error-reporting wrapper; both compute the same values, and the old one is
 * in every glibc. */
#if defined(__x86_64__)
__asm__(".symver hypot,hypot@GLIBC_2.2.5");
#endif
