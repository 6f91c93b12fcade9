/* Preloaded into 32-bit Wine processes run under qemu-user emulation.
 *
 * Wine reserves its address space with mmap(MAP_FIXED_NOREPLACE). The qemu-user of
 * Debian 12 ignores that flag and maps the range elsewhere instead of failing with
 * EEXIST. Wine then keeps each such misplaced range above 2 GB as reserved, which fills
 * the upper half of the address space, and goes on to split its reservation of that
 * half down to 64 KB pieces, some 65,000 calls that qemu answers by scanning its page
 * table: about a minute of CPU for every process start.
 *
 * Here the flag means what it does on Linux: a range not free at the address asked
 * for is refused. Freestanding, with raw system calls, so that it builds with the host
 * compiler's -m32 alone. */

#define MAP_FIXED 0x10
#define MAP_FIXED_NOREPLACE 0x100000
#define EEXIST 17
#define SYS_munmap 91
#define SYS_mmap2 192
#define PAGE_SHIFT 12

typedef unsigned long size_t;

int *__errno_location(void);

static long syscall6(long number, long a, long b, long c, long d, long e, long f) {
    /* The sixth argument goes in ebp, which cannot be named as an operand: it comes
       through memory that eax points to, and ebp is saved around the call. */
    long block[2] = {number, f};
    long result;
    __asm__ volatile("push %%ebp\n\tmovl 4(%%eax), %%ebp\n\tmovl (%%eax), %%eax\n\tint $0x80\n\tpop %%ebp"
                     : "=a"(result)
                     : "a"(block), "b"(a), "c"(b), "d"(c), "S"(d), "D"(e)
                     : "memory");
    return result;
}

static void *map(void *addr, size_t length, int prot, int flags, int fd, unsigned long long offset) {
    long result;
    if (offset & ((1u << PAGE_SHIFT) - 1)) {
        *__errno_location() = 22; /* EINVAL */
        return (void *)-1;
    }
    const int noreplace = (flags & MAP_FIXED_NOREPLACE) && !(flags & MAP_FIXED);
    if (noreplace) flags &= ~MAP_FIXED_NOREPLACE; /* a plain hint, checked below */
    result = syscall6(SYS_mmap2, (long)addr, (long)length, prot, flags, fd, (long)(offset >> PAGE_SHIFT));
    if ((unsigned long)result >= (unsigned long)-4095) {
        *__errno_location() = (int)-result;
        return (void *)-1;
    }
    if (noreplace && (void *)result != addr) {
        syscall6(SYS_munmap, result, (long)length, 0, 0, 0, 0);
        *__errno_location() = EEXIST;
        return (void *)-1;
    }
    return (void *)result;
}

void *mmap(void *addr, size_t length, int prot, int flags, int fd, long offset) {
    return map(addr, length, prot, flags, fd, (unsigned long long)(unsigned long)offset);
}

void *mmap64(void *addr, size_t length, int prot, int flags, int fd, long long offset) {
    return map(addr, length, prot, flags, fd, (unsigned long long)offset);
}
