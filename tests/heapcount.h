// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Counts the program's live heap blocks, to show that matches in a row do not
// grow memory. Include in exactly one file of a test program.

#include <atomic>
#include <cstdlib>
#include <new>

inline std::atomic<long> liveblocks {0};

void *operator new(std::size_t size)
{
    if (void *p = std::malloc(size ? size : 1)) {
        ++liveblocks;
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void *p) noexcept
{
    if (p) {
        --liveblocks;
        std::free(p);
    }
}
void operator delete(void *p, std::size_t) noexcept
{
    operator delete(p);
}
