// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Ratings are the same bits on every processor. Where doubles are worked out
// on the x87 unit (i386 builds without SSE2 arithmetic, or -mfpmath=387), each
// intermediate keeps 64 bits of mantissa and is rounded to 53 only when it is
// stored, and which ones are stored is the compiler's choice: sums and
// quotients then differ from one build to the next, and ties break otherwise.
// While a DoubleRounding lives, the unit rounds every result to 53 bits, which
// gives exactly IEEE double's sums, products and quotients for the values
// rated here (far from double's smallest and largest exponents, where the
// unit's wider exponent would still tell). Long double work done meanwhile is
// rounded so too. Elsewhere it does nothing.

#if (defined(__i386__) || defined(__x86_64__)) && !defined(__SSE2_MATH__)
#define NUMORA_X87_DOUBLES 1
#endif

namespace numora {

class [[maybe_unused]] DoubleRounding
{
public:
#ifdef NUMORA_X87_DOUBLES
    DoubleRounding()
    {
        asm volatile("fnstcw %0" : "=m"(saved) : : "memory");
        // Precision control, bits 8 and 9: 10 is double's 53 bits.
        const unsigned short todouble = static_cast<unsigned short>((saved & ~0x300u) | 0x200u);
        asm volatile("fldcw %0" : : "m"(todouble) : "memory");
    }
    ~DoubleRounding()
    {
        asm volatile("fldcw %0" : : "m"(saved) : "memory");
    }
#else
    DoubleRounding() = default;
#endif
    DoubleRounding(const DoubleRounding &) = delete;
    DoubleRounding &operator=(const DoubleRounding &) = delete;

#ifdef NUMORA_X87_DOUBLES
private:
    unsigned short saved = 0;
#endif
};

} // namespace numora
