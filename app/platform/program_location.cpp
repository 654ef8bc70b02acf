#include "app/platform/program_location.h"

#include <QCoreApplication>
#include <QFileInfo>

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

QString programName() {
    QString name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    if (name.endsWith(u".exe", Qt::CaseInsensitive)) name.chop(4);
    return name;
}
