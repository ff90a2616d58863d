#pragma once

// Keeps freed heap memory in the process instead of handing it back to the system at once.
// Writing a PDF page allocates and frees buffers of a few hundred kilobytes per page; with the C
// library's default thresholds each of them is a fresh mapping or a heap trim, and the page faults
// that follow cost more than the drawing. Call once at start, before the first allocation of note.
void keepHeapWarm();
