/* Calls a native function with a list of 32-bit argument words and reports how far
   the stack pointer moved: the program logic compares that with what the function's
   declared convention expects (callee pops: 0; caller pops: -4 per word).

   A function declared with fewer words than it takes reads and writes parameter
   slots beyond the words pushed. A zeroed scratch area between our saved state and
   the arguments takes those accesses (the missing parameters read as 0), so the
   mismatch shows up as a stack depth to report instead of a wrecked frame.

   u64 trivane_native_call(void* function, const u32* words, i32 count, i32* stack_delta) */
    .set SCRATCH_WORDS, 64     /* 256 bytes */
    .set SCRATCH_BYTES, SCRATCH_WORDS * 4

    .text
    .globl _trivane_native_call
    .def _trivane_native_call; .scl 2; .type 32; .endef
_trivane_native_call:
    pushl %ebp
    movl %esp, %ebp
    pushl %esi
    pushl %edi
    pushl %ebx
    subl $SCRATCH_BYTES, %esp
    movl %esp, %edi
    movl $SCRATCH_WORDS, %ecx
    xorl %eax, %eax
    cld
    rep stosl                  /* the scratch area, all zero */
    movl 12(%ebp), %esi        /* words */
    movl 16(%ebp), %ecx        /* count */
    movl %esp, %edi            /* depth before the arguments (callee-saved) */
    leal (%esi,%ecx,4), %eax
1:  testl %ecx, %ecx
    jle 2f
    subl $4, %eax
    pushl (%eax)               /* last word first, so the first ends on top */
    decl %ecx
    jmp 1b
2:  call *8(%ebp)
    movl %esp, %ecx
    subl %edi, %ecx            /* after minus before */
    movl 20(%ebp), %ebx
    movl %ecx, (%ebx)
    leal -12(%ebp), %esp       /* whatever the callee did, our frame is intact */
    popl %ebx
    popl %edi
    popl %esi
    popl %ebp
    ret
