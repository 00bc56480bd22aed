// The song page of the window: the song list and its export, import and
// delete commands.
#include "AppFiles.h"
#include "CorvantaQT.h"
#include "Prompt.h"
#include "SongResult.h"
#include "SongTransfer.h"
#include "SoundFile.h"
#include "ui_CorvantaQT.h"

#include <QDebug>
#include <QSaveFile>

namespace {
const char* const kWavCaption = QT_TRANSLATE_NOOP("CorvantaQT", "Open wav file");
const char* const kWavFilter = QT_TRANSLATE_NOOP("CorvantaQT", "Wav Files(*.wav)");
// The save dialog's second choice: FLAC at full resolution.
const char* const kSaveFilter = QT_TRANSLATE_NOOP("CorvantaQT", "Wav Files(*.wav);;FLAC Files(*.flac)");
const char* const kSaveDirKey = "/Config/WavSaveDir";
const char* const kLoadDirKey = "/Config/WavLoadDir";
// WAV first, then every file libsndfile reads.
QString OpenFilter()
{
    return CorvantaQT::tr(kWavFilter) + QStringLiteral(";;") +
           CorvantaQT::tr("Audio Files(%1)").arg(ReadableAudioPatterns());
}
}  // namespace

void CorvantaQT::InitTreeFromMicData()
{
    qDebug("InitTreeFromMicData\n");
    FillSongList(0);
}

void CorvantaQT::FillSongList(int row)
{
    ui->m_lstSong->clear();
    for (uint32_t i = 0; i < m_songList.size(); ++i)
        ui->m_lstSong->addItem(
            new QListWidgetItem(RowUsed(int(i)) ? m_iconSong : m_iconEmpty, SongListText(m_songList, i)));
    if (row != -1 && row < ui->m_lstSong->count()) {
        ui->m_lstSong->setCurrentRow(row);
        m_nCurSong = row;
        UpdateSelection();
    }
    UpdateSpaceLabel();
}

bool CorvantaQT::RowUsed(int row) const
{
    return uint32_t(row) < m_songList.size() && const_cast<CLooperSongList&>(m_songList).song(size_t(row))->is_used();
}

bool CorvantaQT::RowDamaged(int row) const
{
    return uint32_t(row) < m_songList.size() &&
           const_cast<CLooperSongList&>(m_songList).song(size_t(row))->is_damaged();
}

void CorvantaQT::UpdateSelection()
{
    const bool active = m_pUSBPort->state() == UpdateMode && m_nCurSong != -1;
    // A damaged slot can be deleted; its export says why it cannot be read.
    const bool used = active && (RowUsed(m_nCurSong) || RowDamaged(m_nCurSong));
    ui->m_btnDelete->setEnabled(used);
    ui->m_btnUpload->setEnabled(used);
    // Import needs a row too, into an empty or a used slot.
    ui->m_btnDownload->setEnabled(active && CanHoldSongs(m_pUSBPort->state(), m_pUSBPort->device_info()));
}

void CorvantaQT::ShowResult(int code) { ShowMessage(SongResultText(code)); }

// ---- Export ----

void CorvantaQT::OnUploadSong()
{
    if (Busy())
        return;
    if (RowDamaged(m_nCurSong)) {
        ShowMessage(DamagedSongText(m_songList, uint32_t(m_nCurSong)));
        return;
    }
    if (!RowUsed(m_nCurSong))
        return;
    CBusyGuard busy(*this);
    const QString number = "./" + tr("Song %1").arg(m_nCurSong + 1, 3, 10, QLatin1Char('0'));
    const QString proposed = ReadSetting(kSaveDirKey) + number;
    const QString path = Prompt().SaveFileName(tr(kWavCaption), proposed, tr(kSaveFilter));
    if (path.isEmpty())
        return;
    if (const std::optional<int> code = ExportTo(path, uint32_t(m_nCurSong))) {
        SettleOperation();
        ShowMessage(*code == SongCancelled ? QCoreApplication::translate("SongTransfer", kExportCancelled)
                                           : SongResultText(*code));
    }
    EndOperation();
}

// Reads the song, converts it to 48,000 Hz and writes the file whole or not
// at all: a file the user chose to overwrite keeps its content on failure.
// A ".flac" name is written as FLAC, converted from the full 24 bits.
std::optional<int> CorvantaQT::ExportTo(const QString& path, uint32_t row)
{
    QSaveFile file;
    if (!OpenFileOrWarn(file, path))
        return std::nullopt;
    WriteSetting(kSaveDirKey, FolderOf(path));
    BeginOperation(OpExport, tr("Export Song %1").arg(row + 1, 3, 10, QLatin1Char('0')));
    return ExportSongTo(file, m_songList, *find_model(m_pUSBPort->device_info().model_id)->song_area, row,
                        ExportFormatForName(path), this);
}

// ---- Import ----

void CorvantaQT::OnDownloadSong()
{
    if (Busy())
        return;
    CBusyGuard busy(*this);
    if (!ConfirmOverwrite(m_nCurSong))
        return;
    const QString path = Prompt().OpenFileName(tr(kWavCaption), ReadSetting(kLoadDirKey), OpenFilter());
    if (path.isEmpty())
        return;
    ImportIntoRow(path, m_nCurSong);
}

bool CorvantaQT::ConfirmOverwrite(int row)
{
    if (!RowUsed(row) && !RowDamaged(row))
        return true;
    const QString text =
        tr("'%1' already exist, continue to overwrite the song?").arg(ui->m_lstSong->item(row)->text());
    return Prompt().AskYesNo(tr("Overwrite warning"), text);
}

void CorvantaQT::ImportIntoRow(const QString& path, int row)
{
    WriteSetting(kLoadDirKey, FolderOf(path));
    BeginOperation(OpImport, tr("Import Song %1").arg(row + 1, 3, 10, QLatin1Char('0')));
    // A file that was refused has shown its message; nothing was written.
    if (const std::optional<int> code = ImportFrom(path, uint32_t(row))) {
        SettleOperation();
        ShowMessage(*code == SongCancelled ? QCoreApplication::translate("SongTransfer", kImportCancelled)
                                           : SongResultText(*code));
        // A song too large or converted to nothing never reached the pedal;
        // a cancelled one left the slot and the catalogue as they were.
        if (*code != SongTooLarge && *code != kCommandFailed && *code != SongCancelled) {
            m_songList.load_songs(true);
            FillSongList(row);
        }
    }
    EndOperation();
}

std::optional<int> CorvantaQT::ImportFrom(const QString& path, uint32_t row)
{
    return ImportSongFrom(path, m_wave, m_songList, *find_model(m_pUSBPort->device_info().model_id)->song_area, row,
                          this);
}

// ---- Delete ----

void CorvantaQT::OnDeleteSong()
{
    if (Busy() || !(RowUsed(m_nCurSong) || RowDamaged(m_nCurSong)))
        return;
    CBusyGuard busy(*this);
    const QString text =
        tr("Continue to delete song '%1' ?").arg(ui->m_lstSong->item(m_nCurSong)->text());
    if (!Prompt().AskYesNo(tr("Delete"), text))
        return;
    const int code = m_songList.song(size_t(m_nCurSong))->delete_song();
    if (code != SongOk)
        ShowResult(code);
    // Reloaded after a failed delete too: the catalogue then reads what the
    // flash holds instead of refusing every later command.
    const int loaded = m_songList.load_songs();
    if (loaded != SongOk) {
        if (code == SongOk)
            ShowResult(loaded);
        return;
    }
    FillSongList(m_nCurSong);
}
