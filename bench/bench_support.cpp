#include "bench_support.h"

#include "app/mainwindow.h"

#include <QDir>
#include <QFile>

void Prefer_Offscreen_Platform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}

void Enter_Runtime_Copy(const QString& folder)
{
    const QString runtime = QStringLiteral(KESTREL_RUNTIME_DIR);
    QDir dir(folder);
    dir.mkpath(QStringLiteral("Config"));
    dir.mkpath(QStringLiteral("Default"));
    for (const char* f : {"Config/English.qm", "Config/Chinese.qm", "Default/Default_CN.PF", "Default/Default_EN.PF"})
        QFile::copy(runtime + QLatin1Char('/') + QLatin1String(f), dir.filePath(QLatin1String(f)));
    QDir::setCurrent(folder);
    MainWindow::Set_Message_Sink([](const QString&, const QString&) {});
}
