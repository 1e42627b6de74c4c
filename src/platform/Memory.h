#pragma once

// Large blocks (pictures, canvases) get memory of their own from the system,
// returned to it as soon as they are freed. Without this the allocator keeps
// blocks up to tens of megabytes in its heaps once one of that size has come
// and gone, and a picture decoded once would stay counted against the
// program. Called once, early.
void ReturnLargeBlocksWhenFreed();

// Hands the memory the program has freed back to the system; after a change,
// when the pictures it decoded are gone.
void ReturnFreedMemory();
