// The firmware page of the window: choosing a local firmware file and the update.
#include "AppFiles.h"
#include "CorvantaQT.h"
#include "FirmwareUpdate.h"
#include "Operation.h"
#include "Prompt.h"
#include "WebCatalogue.h"
#include "ui_CorvantaQT.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryFile>

#include <cmath>

void CorvantaQT::OnOpenFirmwareFile()
{
    if (Busy())
        return;
    CBusyGuard busy(*this);
    const QString path =
        Prompt().OpenFileName(tr("Open firmware file"), ReadSetting("/Config/FirmwareDir"), tr("DAT Files(*.dat)"));
    if (path.isEmpty())
        return;
    WriteSetting("/Config/FirmwareDir", FolderOf(path));
    ui->m_editPath->setText(path);
}

void CorvantaQT::OnUpdateFirmware()
{
    if (Busy())
        return;
    CBusyGuard busy(*this);
    // Shift is read when the button is clicked.
    const bool shiftHeld = Prompt().ShiftHeld();
    if (!ui->m_btnSelLocal->isChecked()) {
        const int i = ui->m_comNewSoftware->currentIndex();
        if (web_firmware_paths.empty() || i < 0 || size_t(i) >= web_firmware_paths.size())
            return;
        const QString name = ui->m_comNewSoftware->itemText(i);
        const uint32_t offered = ParseWebVersion(name);
        if (offered <= uint32_t(m_pUSBPort->device_info().version) &&
            !Prompt().AskYesNo(tr("Update"), tr("The selected firmware version less or equal to the connected device, "
                                                "still update ?")))
            return;
        BeginOperation(OpFirmware, tr("Download %1").arg(name));
        FinishUpdate(UpdateFromWeb(shiftHeld));
        return;
    }
    const QString path = ui->m_editPath->text();
    if (path.isEmpty()) {
        ShowMessage(tr("No update file selected !"));
        return;
    }
    if (m_pUSBPort->state() != UpdateMode) {
        ShowMessage(tr("Failed!"));
        return;
    }
    BeginOperation(OpFirmware, tr("Firmware update"));
    CFirmwareUpdate update(*m_pUSBPort, m_firmwareFile, UpdateViewOfWindow());
    FinishUpdate(update.UpdateFromFile(path, shiftHeld));
}

// The bar, the cancel row and the refusal of a cancel while the flash is rewritten.
UpdateView CorvantaQT::UpdateViewOfWindow()
{
    UpdateView view;
    view.progress = [this](int percent, const QString& text) {
        if (ui->progressBar->format() != text)
            ui->progressBar->setFormat(text);
        SetProgress(percent);
    };
    view.stretchChanged = [this] { UpdateCancelRow(); };
    view.cancelRefused = [this](const QString& text) { m_labelUnplug->setText(text); };
    return view;
}

// One message for the outcome; after a success the pedal, now running its
// new firmware, is read again as at a connection.
void CorvantaQT::FinishUpdate(UpdateResult result)
{
    SettleOperation();
    if (result == UpdateResult::Ok)
        RereadPedal();
    // A download ended by closing the window is not reported.
    if (!m_closePending) {
        if (result == UpdateResult::Ok)
            ShowMessage(tr("Successful!"));
        else if (result == UpdateResult::Failed)
            ShowMessage(tr("Failed!"));
        else
            ShowMessage(tr("Firmware update cancelled"));
    }
    EndOperation();
    if (result == UpdateResult::Ok && m_pUSBPort->state() == UpdateMode)
        LoadWebFirmwareList();
}

// A pedal that restarts with its new firmware leaves the bus for a while:
// the link is closed and the poll finds it when it is back.
void CorvantaQT::RereadPedal()
{
    if (!m_pUSBPort->read_identity()) {
        m_pUSBPort->close_link();
        m_bOutDevChanged.store(true);
    }
    UpdateTitle();
    UpdateButtons();
    if (m_pUSBPort->state() == Closed)
        ClearDeviceLists();
    else
        RefreshSongs();
}

// Downloads the chosen entry into a file of its own in the program folder,
// updates from it and removes it, whatever the outcome.
UpdateResult CorvantaQT::UpdateFromWeb(bool shiftHeld)
{
    QByteArray body;
    const QString url = UpdateServerBase() + web_firmware_paths[size_t(ui->m_comNewSoftware->currentIndex())];
    if (!CMyHttp::Instance().Get(url, body, kFirmwareLimits)) {
        if (CancelRequested())
            return UpdateResult::Cancelled;
        if (!m_closePending)
            ShowMessage(tr("Download firmware failed !"));
        return UpdateResult::Failed;
    }
    QTemporaryFile file(AppDir() + QStringLiteral("~webfirmware-XXXXXX.dat"));
    if (!file.open() || file.write(body) != body.size() || !file.flush()) {
        ShowMessage(tr("Open file '%1' failed, it may be occupied by other process")
                        .arg(QFileInfo(file.fileName()).fileName()));
        return UpdateResult::Failed;
    }
    file.close();
    CFirmwareUpdate update(*m_pUSBPort, m_firmwareFile, UpdateViewOfWindow());
    return update.UpdateFromFile(file.fileName(), shiftHeld);
}

void CorvantaQT::LoadWebFirmwareList()
{
    QByteArray body;
    if (!CMyHttp::Instance().Get(UpdateServerBase() + "/velmo_update/Firmware/path.xml", body, kCatalogueLimits))
        return;
    const DeviceModel* model = find_model(m_pUSBPort->device_info().model_id);
    if (!model) {
        ui->m_btnSelLocal->setChecked(true);
        ApplySourceChoice();
        return;
    }
    bool ok = false;
    const std::vector<CatalogueEntry> entries = ParseCatalogue(body, model->id, ok);
    if (!ok) {
        ShowMessage(tr("Open web firmware info failed !"));
        return;
    }
    // The names and their paths are rebuilt together, index for index.
    ui->m_comNewSoftware->clear();
    web_firmware_paths.clear();
    for (const CatalogueEntry& entry : entries) {
        ui->m_comNewSoftware->addItem(entry.display);
        web_firmware_paths.push_back(entry.path);
    }
    if (ui->m_comNewSoftware->count() > 0)
        ui->m_comNewSoftware->setCurrentIndex(0);
}

void CorvantaQT::StartVersionCheck()
{
    m_pNetManager = new QNetworkAccessManager(this);
    connect(m_pNetManager, &QNetworkAccessManager::finished, this, &CorvantaQT::OnDownloadFinished);
    QNetworkRequest request{QUrl(UpdateServerBase() + "/Corvanta/ExeInfo.txt")};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    ApplyLimits(m_pNetManager->get(request), kVersionFileLimits);
}

void CorvantaQT::OnDownloadFinished(QNetworkReply* reply)
{
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError ||
        reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != 200)
        return;
    // A reply that finished before its cap could end it is refused here.
    if (reply->bytesAvailable() > kVersionFileLimits.max_bytes)
        return;
    const QString text = QString::fromUtf8(reply->readAll());
    const int at = text.indexOf(QLatin1String("version="));
    if (at < 0)
        return;
    float server = text.mid(at + 8).trimmed().toFloat();
    // "nan" and "inf" read as numbers; only a finite one counts.
    if (!std::isfinite(server))
        server = 0;
    const QString title = QString::fromLatin1(kProgramTitle);
    const float own = title.mid(title.indexOf('V') + 1).toFloat();
    if (server > own)
        OfferNewVersion(server);
}
