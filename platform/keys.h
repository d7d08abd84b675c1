// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QKeyEvent;

namespace platform {

// Virtual key codes of the numeric keypad, as the key handler expects them.
namespace key {
constexpr int keypad0 = 96; // keypad 1 to 9 are 97 to 105
constexpr int keypadplus = 107;
constexpr int keypadminus = 109;
constexpr int keypaddecimal = 110;
constexpr int enter = 13;
constexpr int other = 0;
} // namespace key

// The code of a key press: the keypad's digits, plus, minus and decimal point
// (whatever character the layout gives it) map to the codes above; Enter to 13;
// anything else to a code outside the keypad's range.
int keycode(const QKeyEvent &event);

} // namespace platform
