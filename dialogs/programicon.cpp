// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/programicon.h"

namespace dialogs {

QIcon programicon()
{
    // One shared icon: every window drawn with it reuses the same cached pixmaps
    // instead of leaving a set behind per window.
    static const QIcon icon = [] {
        QIcon made;
        for (int size : {16, 32, 48, 64, 128, 256})
            made.addFile(QStringLiteral(":/icons/numora-%1.png").arg(size), QSize(size, size));
        return made;
    }();
    return icon;
}

} // namespace dialogs
