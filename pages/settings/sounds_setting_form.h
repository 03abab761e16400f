#pragma once

#include "widgets/page_build.h"
#include "widgets/page_frame.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class DATA_FILE_READ_WRITE;
class Ui_SOUNDS_SETTING_FORM;

namespace Ui {
class SOUNDS_SETTING_FORM;
}

// The audio settings page: voice announcements, tones, microphone gain, AI
// voice control and AI noise reduction, fifteen bytes of the settings block.
// Some rows are hidden for good, yet their widgets still carry their bytes
// through every decode and encode.
class SOUNDS_SETTING_FORM : public QWidget
{
    Q_OBJECT
public:
    explicit SOUNDS_SETTING_FORM(QWidget* parent = nullptr, Page_Build build = Page_Build::Now);
    ~SOUNDS_SETTING_FORM() override;
    // Makes the page's widgets, once; a page made with Page_Build::Later has
    // none before.
    void Build_Page();
    bool Is_Built() const { return m_frame.Is_Built(); }
    // Where the page's bytes lie, from its field map; known before the page is built.
    static const Field_Layout& Layout();
    // The page's byte rows in map order; empty until the page is built.
    const QVector<Byte_Row>& Byte_Rows() const { return m_frame.Rows(); }

    void Set_Windows_Data_From_SP_Read(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void Get_Windows_Data_To_SP_Write(DATA_FILE_READ_WRITE* Read_Wirte_Temp_File);
    void RetranslatePage();
    void FillComboLists();

private:
    static const Field_Map<SOUNDS_SETTING_FORM, Ui_SOUNDS_SETTING_FORM>& Fields();
    void Hide_Rows();

    std::unique_ptr<Ui::SOUNDS_SETTING_FORM> ui;
    Page_Frame m_frame;
    QStringList VOICE_TYPE_StringList;
    QStringList AI_SENSITIVITY_StringList;
    QStringList AI_DELAY_StringList;
    QStringList VOICE_VOLUME_StringList;
    QStringList TONE_VOLUME_StringList;
    QStringList CALL_TONE_StringList;
    QStringList MIC_GAIN_StringList;
    QStringList OFF_ON_StringList;
};
