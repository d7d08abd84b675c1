// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

namespace dialogs {

// The program's own icon, a thinker's portrait, at every size it is drawn in
// (16 to 256 pixels): the icon of the program file and of the secondary windows.
QIcon programicon();

} // namespace dialogs
