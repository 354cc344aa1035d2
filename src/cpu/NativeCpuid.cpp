// The real CPUID instruction and the EFLAGS toggle test, in GCC inline assembly.
#include "cpu/NativeCpuid.h"

// Flips the mask bits of EFLAGS, reads EFLAGS back and restores the original
// before returning, so a set AC flag never outlives the test. On x86-64 the
// pushes would clobber the red zone below the stack pointer, so the stack
// pointer is moved past it first.
bool NativeCpuid::CanToggleFlag(uint32_t mask) {
#if defined(__i386__)
    uint32_t original;
    uint32_t readBack;
    __asm__ __volatile__(
        "pushfl\n\t"
        "popl %0\n\t"
        "movl %0, %1\n\t"
        "xorl %2, %1\n\t"
        "pushl %1\n\t"
        "popfl\n\t"
        "pushfl\n\t"
        "popl %1\n\t"
        "pushl %0\n\t"
        "popfl\n\t"
        : "=&r"(original), "=&r"(readBack)
        : "ri"(mask)
        : "cc");
    return ((original ^ readBack) & mask) == mask;
#elif defined(__x86_64__)
    uint64_t original;
    uint64_t readBack;
    uint64_t wideMask = mask;
    __asm__ __volatile__(
        "leaq -128(%%rsp), %%rsp\n\t"
        "pushfq\n\t"
        "popq %0\n\t"
        "movq %0, %1\n\t"
        "xorq %2, %1\n\t"
        "pushq %1\n\t"
        "popfq\n\t"
        "pushfq\n\t"
        "popq %1\n\t"
        "pushq %0\n\t"
        "popfq\n\t"
        "leaq 128(%%rsp), %%rsp\n\t"
        : "=&r"(original), "=&r"(readBack)
        : "r"(wideMask)
        : "cc");
    return ((original ^ readBack) & wideMask) == wideMask;
#else
    (void)mask;
    return false;
#endif
}

// Every CPUID processor ignores ECX for leaves without sub-leaves, so it is always loaded; the
// 386 and early 486 never get here (the probe checks the ID flag first).
CpuidRegisters NativeCpuid::Execute(uint32_t leaf, uint32_t subLeaf) {
    CpuidRegisters regs{0, 0, 0, 0};
#if defined(__i386__) || defined(__x86_64__)
    __asm__ __volatile__("cpuid"
                         : "=a"(regs.eax), "=b"(regs.ebx), "=c"(regs.ecx), "=d"(regs.edx)
                         : "a"(leaf), "c"(subLeaf));
#else
    (void)leaf;
    (void)subLeaf;
#endif
    return regs;
}
