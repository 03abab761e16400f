#pragma once

#include <QString>

#include <functional>

// Where the editor's files are. The program folder holds Config/ (the
// translations) and Default/ (the default data files); where it can be
// written it also holds what the editor writes: the working file, the
// language setting (Config/SYS_CONFIG.ini) and "Data Files/". Where it cannot,
// those live in the user's own application folder, made on first use; where
// that cannot be written either, in a folder of the editor's own under the
// system's temporary folder, private to the user and new for each run.
namespace App_Paths {

// The program folder; main() hands it the folder of the program file. Unset
// (or empty) it is the current folder at each call, and nothing moves.
void Set_Program_Folder(const QString& folder);
// Replaces the test of whether a folder or file can be written; an empty
// function restores the file system's answer.
void Set_Writable_Test(std::function<bool(const QString& path)> test);

QString Program_Folder();
// The first that can be written, with every file and folder the editor
// writes there that exists already: the program folder, the user's
// application folder, the editor's temporary folder.
QString Writable_Folder();
// Whether Writable_Folder() is the temporary folder, whose working file and
// language setting go when the editor exits.
bool In_Temporary_Folder();

QString Translation_File(const QString& language); // "CHINESE" or another language: English
QString Default_File(const QString& language);
QString Config_File();
QString Data_Folder(); // ends with "/"
QString Working_File(); // absolute

} // namespace App_Paths
