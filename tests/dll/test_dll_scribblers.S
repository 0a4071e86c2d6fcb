/* Functions that write -1 into each of their n parameter slots and return n, as a
   function declared with fewer words than it takes writes over its caller's stack.
   In assembly, because a compiler may drop stores into parameters it never reads
   again. scribbleN takes the standard convention, scribble_cdeclN the caller-cleanup
   one. */
    .text
.macro SCRIBBLER name, count, pop
    .globl \name
\name:
    movl $\count, %ecx
1:  movl $-1, (%esp,%ecx,4)    /* parameter slot ecx, above the return address */
    loop 1b
    movl $\count, %eax
    ret $\pop
.endm

    SCRIBBLER _scribble1@4, 1, 4
    SCRIBBLER _scribble2@8, 2, 8
    SCRIBBLER _scribble3@12, 3, 12
    SCRIBBLER _scribble4@16, 4, 16
    SCRIBBLER _scribble5@20, 5, 20
    SCRIBBLER _scribble6@24, 6, 24
    SCRIBBLER _scribble7@28, 7, 28
    SCRIBBLER _scribble8@32, 8, 32
    SCRIBBLER _scribble_cdecl1, 1, 0
    SCRIBBLER _scribble_cdecl2, 2, 0
    SCRIBBLER _scribble_cdecl3, 3, 0
    SCRIBBLER _scribble_cdecl4, 4, 0
    SCRIBBLER _scribble_cdecl5, 5, 0
    SCRIBBLER _scribble_cdecl6, 6, 0
    SCRIBBLER _scribble_cdecl7, 7, 0
    SCRIBBLER _scribble_cdecl8, 8, 0
