#include "support/test_workdir.h"

#include "app/mainwindow.h"

#include <QDir>
#include <QFile>
#include <QSettings>

QStringList& Test_Messages()
{
    static QStringList messages;
    return messages;
}

Test_Workdir::Test_Workdir(bool withDefaults, const QString& language)
    : m_previous(QDir::currentPath())
{
    Test_Messages().clear();
    MainWindow::Set_Message_Sink([](const QString&, const QString& text) { Test_Messages().append(text); });
    const QString runtime = QStringLiteral(KESTREL_RUNTIME_DIR);
    QDir dir(m_dir.path());
    dir.mkpath(QStringLiteral("Config"));
    dir.mkpath(QStringLiteral("Default"));
    dir.mkpath(QStringLiteral("Data Files"));
    for (const char* qm : {"English.qm", "Chinese.qm"})
        QFile::copy(runtime + QStringLiteral("/Config/") + QLatin1String(qm),
                    dir.filePath(QStringLiteral("Config/") + QLatin1String(qm)));
    if (withDefaults) {
        for (const char* pf : {"Default_CN.PF", "Default_EN.PF"})
            QFile::copy(runtime + QStringLiteral("/Default/") + QLatin1String(pf),
                        dir.filePath(QStringLiteral("Default/") + QLatin1String(pf)));
    }
    if (!language.isEmpty()) {
        QSettings config(dir.filePath(QStringLiteral("Config/SYS_CONFIG.ini")), QSettings::IniFormat);
        config.setValue(QStringLiteral("/SYSTEM_SETTING/LANGUAGE"), language);
    }
    QDir::setCurrent(m_dir.path());
}

Test_Workdir::~Test_Workdir()
{
    QDir::setCurrent(m_previous);
}
