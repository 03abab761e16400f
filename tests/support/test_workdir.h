#pragma once

#include <QString>
#include <QTemporaryDir>

#include <QStringList>

// Every message the main window reported while a Test_Workdir was alive
// (no modal box is shown in tests).
QStringList& Test_Messages();

// A temporary working directory laid out like the program's runtime folder
// (Config/ with the translations, Default/ with the default data files, an
// empty "Data Files/"), made current for the object's life.
class Test_Workdir
{
public:
    // `withDefaults` false leaves Default/ empty; `language` is written to the
    // configuration file when not empty.
    explicit Test_Workdir(bool withDefaults = true, const QString& language = QStringLiteral("CHINESE"));
    ~Test_Workdir();

    QString Path() const { return m_dir.path(); }
    QString File(const QString& relative) const { return m_dir.filePath(relative); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
