// MainWindow: loading and saving data files, the file commands and the
// question about edits that were not saved.

#include "app/mainwindow.h"

#include "app/app_paths.h"
#include "app/shell_blocks.h"
#include "image/data_file_read_write.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

const char Program_File_Filter[] = "Program File (*.PF)";

MainWindow::Question_Sink& Question()
{
    static MainWindow::Question_Sink question;
    return question;
}

QString Absolute(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

void MainWindow::Set_Question_Sink(Question_Sink sink)
{
    Question() = std::move(sink);
}

// ---- loading and saving -----------------------------------------------------

bool MainWindow::Decode_All_From_File(const QString& path)
{
    qDebug() << "Set_Windows_Data_From_SP_Read:" << path;
    QString text;
    QString error;
    QVector<Image_Line_Info> lines;
    if (!DATA_FILE_READ_WRITE::Read_Image_File(path, &text, &error, &lines)) {
        Report(tr("无法载入文件 %1：\n%2").arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    if (text.isEmpty()) {
        Report(tr("无法载入文件 %1：\n%2").arg(QDir::toNativeSeparators(path), tr("文件中没有数据")));
        return false;
    }
    if (Absolute(path) != Absolute(m_image->Working_File_Path())
        && !DATA_FILE_READ_WRITE::Save_Image_Text(m_image->Working_File_Path(), text, &error)) {
        Report(tr("无法写入临时文件：\n%1").arg(error));
        return false;
    }
    // The text was checked as it was read: once per Open.
    m_image->Load_Checked_Image_Text(text, std::move(lines));
    Decode_All_Pages();
    Take_Saved_Snapshot();
    Report_Pages_Without_Data(path);
    return true;
}

bool MainWindow::Encode_All_To_File(const QString& path)
{
    Finish_Pending_Edit();
    Encode_All_Pages();
    Write_Shell_Fixed_Blocks(m_image.get());
    if (!m_image->Write_All_Ram_Data_to_File(path)) {
        Report(tr("保存失败：\n%1").arg(m_image->Last_Error()));
        return false;
    }
    return true;
}

void MainWindow::Set_Windows_Data_From_SP_Read(const QString& path)
{
    Decode_All_From_File(path);
}

void MainWindow::Get_Windows_Data_To_SP_Write(const QString& path)
{
    Encode_All_To_File(path);
}

// ---- file commands ----------------------------------------------------------

bool MainWindow::Is_Default_File(const QString& path) const
{
    const QString abs = Absolute(path);
    return abs == Absolute(Default_File_For(QStringLiteral("CHINESE")))
        || abs == Absolute(Default_File_For(QStringLiteral("ENGLISH")));
}

bool MainWindow::New_File()
{
    return Open_File(Default_File_For(m_language));
}

bool MainWindow::Open_File(const QString& path)
{
    if (!Decode_All_From_File(path))
        return false;
    m_currentFile = path;
    Retranslate_Shell();
    return true;
}

bool MainWindow::Save_File_To(const QString& path)
{
    if (m_image->Is_Empty()) {
        Report(tr("没有可保存的数据。"));
        return false;
    }
    if (!Encode_All_To_File(path))
        return false;
    // What was written is what a save would write now.
    m_savedSnapshot = std::make_unique<DATA_FILE_READ_WRITE>(*m_image);
    m_currentFile = path;
    Retranslate_Shell();
    Report(tr("保存成功：%1").arg(QDir::toNativeSeparators(path)));
    return true;
}

QString MainWindow::Ask_Save_Path()
{
    QDir().mkpath(App_Paths::Data_Folder());
    const QString suggested = App_Paths::Data_Folder()
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_hhmmss")) + QStringLiteral(".PF");
    QFileDialog dialog(this, tr("另存为"), suggested, QString::fromLatin1(Program_File_Filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without a suffix gets the one the Open dialog lists; the
    // dialog adds it before it asks whether to replace an existing file.
    dialog.setDefaultSuffix(QStringLiteral("PF"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool MainWindow::Save_Current_File()
{
    if (m_currentFile.isEmpty() || Is_Default_File(m_currentFile))
        return Save_As();
    return Save_File_To(m_currentFile);
}

bool MainWindow::Save_As()
{
    const QString path = Ask_Save_Path();
    return !path.isEmpty() && Save_File_To(path);
}

void MainWindow::on_action_New_triggered()
{
    if (May_Discard_Edits())
        New_File();
}

void MainWindow::on_action_Open_triggered()
{
    if (!May_Discard_Edits())
        return;
    QDir().mkpath(App_Paths::Data_Folder());
    const QString path = QFileDialog::getOpenFileName(this, tr("打开"), App_Paths::Data_Folder(),
                                                      QString::fromLatin1(Program_File_Filter));
    if (!path.isEmpty())
        Open_File(path);
}

void MainWindow::on_action_Save_triggered()
{
    Save_Current_File();
}

void MainWindow::on_action_Save_As_triggered()
{
    Save_As();
}

void MainWindow::on_action_Exit_triggered()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (May_Discard_Edits())
        event->accept();
    else
        event->ignore();
}

// ---- edits not saved ----------------------------------------------------------

void MainWindow::Take_Saved_Snapshot()
{
    if (m_image->Is_Empty())
        m_savedSnapshot.reset();
    else
        m_savedSnapshot = Encoded_Copy();
}

bool MainWindow::Has_Unsaved_Edits()
{
    if (!m_savedSnapshot)
        return false;
    Finish_Pending_Edit();
    // Bytes, not digits: an encoder may write in upper case what was read in lower.
    return Encoded_Copy()->Image_Text().compare(m_savedSnapshot->Image_Text(), Qt::CaseInsensitive) != 0;
}

// Asks when edits were not saved; true when the caller may go on and discard
// them: nothing to save, saved, or the user chose to discard them.
bool MainWindow::May_Discard_Edits()
{
    if (!Has_Unsaved_Edits())
        return true;
    switch (Ask_About_Unsaved_Edits()) {
    case Unsaved_Answer::Save:
        return Save_Current_File();
    case Unsaved_Answer::Discard:
        return true;
    case Unsaved_Answer::Cancel:
        break;
    }
    return false;
}

MainWindow::Unsaved_Answer MainWindow::Ask_About_Unsaved_Edits()
{
    const QString title = tr("未保存的修改");
    const QString text = tr("当前数据有尚未保存的修改。是否先保存？");
    if (Question())
        return Question()(title, text);
    QMessageBox box(QMessageBox::Warning, title, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Unsaved_Answer::Save;
    case QMessageBox::Discard:
        return Unsaved_Answer::Discard;
    default:
        return Unsaved_Answer::Cancel;
    }
}
