#pragma once

#include <QString>

#include <functional>

// Where the editor's files are. The program folder holds Config/ (the
// translations) and Default/ (the default data files); where it can be
// written it also holds what the editor writes: the working file, the
// language setting (Config/SYS_CONFIG.ini) and "Data Files/". Where it cannot,
// those live in the user's own application folder, made on first use.
namespace App_Paths {

// The program folder; main() hands it the folder of the program file. Unset
// (or empty) it is the current folder at each call, and nothing moves.
void Set_Program_Folder(const QString& folder);
// Replaces the test of whether a folder can be written; an empty function
// restores the file system's answer.
void Set_Writable_Test(std::function<bool(const QString& folder)> test);

QString Program_Folder();
// The program folder where it can be written, else the user's application folder.
QString Writable_Folder();

QString Translation_File(const QString& language); // "CHINESE" or another language: English
QString Default_File(const QString& language);
QString Config_File();
QString Data_Folder(); // ends with "/"
QString Working_File(); // absolute

} // namespace App_Paths
