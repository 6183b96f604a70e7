#include "ui/qt/sys_info.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace vm {

bool StartSysInfo() {
    const QStringList tools = {QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
                               QStringLiteral("gnome-system-monitor")};
    for (const QString& tool : tools) {
        const QString path = QStandardPaths::findExecutable(tool);
        if (!path.isEmpty())
            return QProcess::startDetached(path, {});
    }
    return false;
}

}  // namespace vm
