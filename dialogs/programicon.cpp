#include "dialogs/programicon.h"

namespace dialogs {

QIcon programicon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/numora-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace dialogs
