/* Calls a native function with a list of 32-bit argument words and reports how far
   the stack pointer moved: the program logic compares that with what the function's
   declared convention expects (callee pops: 0; caller pops: -4 per word).

   u64 trivane_native_call(void* function, const u32* words, i32 count, i32* stack_delta) */
    .text
    .globl _trivane_native_call
    .def _trivane_native_call; .scl 2; .type 32; .endef
_trivane_native_call:
    pushl %ebp
    movl %esp, %ebp
    pushl %esi
    pushl %edi
    pushl %ebx
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
    movl %edi, %esp            /* whatever the callee did, our frame is intact */
    popl %ebx
    popl %edi
    popl %esi
    popl %ebp
    ret
