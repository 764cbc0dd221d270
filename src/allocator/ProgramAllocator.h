#pragma once

// Sets up the allocator for networks of large files, which are hundreds of
// thousands of small records: it backs memory with 2 MB pages where the
// system gives them, and keeps the memory freed for later allocations
// instead of handing it back to the system. Mapping fresh 4 KB pages, and
// mapping freed memory again, took about a fifth of a check of a 10 MB
// file. Programs call it first thing in main; the libraries never do.
// Without mimalloc (sanitized and fuzz builds, or a system without it) it
// does nothing.
void ConfigureProgramAllocator();
