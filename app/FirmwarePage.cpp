// The firmware page of the window: choosing a local firmware file and the update.
#include "AppFiles.h"
#include "CorvantaQT.h"
#include "FirmwareUpdate.h"
#include "Prompt.h"
#include "ui_CorvantaQT.h"

void CorvantaQT::OnOpenFirmwareFile()
{
    if (Busy())
        return;
    CBusyGuard busy(*this);
    const QString path = Prompt().OpenFileName(QStringLiteral("Open firmware file"),
                                               ReadSetting("/Config/FirmwareDir"), QStringLiteral("DAT Files(*.dat)"));
    if (path.isEmpty())
        return;
    WriteSetting("/Config/FirmwareDir", FolderOf(path));
    ui->m_editPath->setText(path);
}

void CorvantaQT::OnUpdateFirmware()
{
    if (m_nOperation != OpIdle || Busy())
        return;
    CBusyGuard busy(*this);
    // Shift is read when the button is clicked.
    const bool shiftHeld = Prompt().ShiftHeld();
    if (!ui->m_btnSelLocal->isChecked())
        return;  // the web list is not offered yet
    const QString path = ui->m_editPath->text();
    if (path.isEmpty()) {
        ShowMessage("No update file selected !");
        return;
    }
    if (m_pUSBPort->state() != UpdateMode) {
        ShowMessage("Failed!");
        return;
    }
    BeginOperation(OpFirmware);
    CFirmwareUpdate update(*m_pUSBPort, m_firmwareFile, this, [this](int value) { ui->progressBar->setValue(value); });
    ShowMessage(update.UpdateFromFile(path, shiftHeld) ? "Successful!" : "Failed!");
    EndOperation();
}
