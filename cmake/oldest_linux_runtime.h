/* Forced into every file a Linux module is built from, so that the module
 * loads on the oldest Linux the host's builds run on (glibc 2.17).
 *
 * Newer glibc gave some maths functions a second version that only drops
 * the old error-reporting wrapper: hypot in 2.35; exp, exp2, log, log2 and
 * pow in 2.29; their float forms in 2.27. Both versions compute the same
 * values, and the old one is in every glibc, so every call binds to it. The
 * SDK's own sources call some of them (log, in its tools). */
#if defined(__x86_64__)
__asm__(".symver hypot,hypot@GLIBC_2.2.5");
__asm__(".symver exp,exp@GLIBC_2.2.5");
__asm__(".symver exp2,exp2@GLIBC_2.2.5");
__asm__(".symver log,log@GLIBC_2.2.5");
__asm__(".symver log2,log2@GLIBC_2.2.5");
__asm__(".symver pow,pow@GLIBC_2.2.5");
__asm__(".symver expf,expf@GLIBC_2.2.5");
__asm__(".symver exp2f,exp2f@GLIBC_2.2.5");
__asm__(".symver logf,logf@GLIBC_2.2.5");
__asm__(".symver log2f,log2f@GLIBC_2.2.5");
__asm__(".symver powf,powf@GLIBC_2.2.5");
#endif
