// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRect>

#include <cmath>

// Places and sizes are stated in twips: 15 twips to a pixel at 100 % scale.
namespace platform {

constexpr int pixels(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

inline QRect twips(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

// The colour words of the game's windows.
namespace colour {
inline const QColor lightred {255, 192, 192};
inline const QColor red {255, 128, 128};
inline const QColor lightblue {192, 192, 255};
inline const QColor blue {128, 128, 255};
inline const QColor grey {192, 192, 192};
inline const QColor lightgrey {224, 224, 224};
inline const QColor maroon {128, 0, 0};
inline const QColor navy {0, 0, 128};
inline const QColor darkred {192, 0, 0};
inline const QColor peach {255, 224, 192};
inline const QColor black {0, 0, 0};
inline const QColor white {255, 255, 255};
inline const QColor brightred {255, 0, 0};
inline const QColor green {0, 192, 0};
inline const QColor olive {192, 192, 0};
inline const QColor lightcyan {192, 255, 255};
} // namespace colour

} // namespace platform
