// Whether this build can compile functions for wider x86 vector units than
// the whole build targets (chosen at run time by the processor's features).
#pragma once

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#define QRV_X86_VECTOR_TARGETS 1
#define QRV_TARGET_AVX2 __attribute__((target("avx2")))
#define QRV_TARGET_AVX512 __attribute__((target("avx2,avx512f,avx512bw,avx512cd,avx512vbmi,avx512vbmi2")))
// For the steps of a bulk loop: inlined, so that the loop's cursor stays in
// registers.
#define QRV_STEP_AVX2 inline __attribute__((always_inline, target("avx2")))
#define QRV_STEP_AVX512 \
    inline __attribute__((always_inline, target("avx2,avx512f,avx512bw,avx512cd,avx512vbmi,avx512vbmi2")))
#else
#define QRV_X86_VECTOR_TARGETS 0
#endif
