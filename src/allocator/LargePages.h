#pragma once

// Asks the allocator to back what the program allocates with 2 MB pages
// where the system gives them. A network of a large file is hundreds of
// thousands of small records: in 4 KB pages, the kernel's mapping of fresh
// pages took about a fifth of a check. Programs call it first thing in main;
// the libraries never do. Without the allocator (sanitized and fuzz builds,
// or a system without it) it does nothing.
void UseLargeMemoryPages();
