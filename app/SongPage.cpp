// The song page of the window: the song list and its export, import and
// delete commands.
#include "AppFiles.h"
#include "CorvantaQT.h"
#include "Prompt.h"
#include "SongResult.h"
#include "ui_CorvantaQT.h"

#include <QDebug>
#include <QSaveFile>

namespace {
const char* const kWavCaption = "Open wav file";
const char* const kWavFilter = "Wav Files(*.wav)";
const char* const kSaveDirKey = "/Config/WavSaveDir";
const char* const kLoadDirKey = "/Config/WavLoadDir";
constexpr uint32_t kExportRate = 48000;
// Failures of the window's own steps (a WAV that converts to nothing, an
// export that could not be written); shown as "Failed !".
constexpr int kCommandFailed = -1;
}  // namespace

void CorvantaQT::InitTreeFromMicData()
{
    qDebug("InitTreeFromMicData\n");
    FillSongList(0);
}

void CorvantaQT::FillSongList(int row)
{
    ui->m_lstSong->clear();
    for (size_t i = 0; i < m_songList.size(); ++i) {
        if (m_songList.song(i)->is_used())
            ui->m_lstSong->addItem(new QListWidgetItem(m_iconSong, m_songList.song_label(int(i))));
        else
            ui->m_lstSong->addItem(new QListWidgetItem(
                m_iconEmpty, QString::asprintf("Song %.3d -- %s", int(i) + 1, "(Empty)")));
    }
    if (row != -1 && row < ui->m_lstSong->count()) {
        ui->m_lstSong->setCurrentRow(row);
        m_nCurSong = row;
        UpdateSelection();
    }
}

bool CorvantaQT::RowUsed(int row) const
{
    return uint32_t(row) < m_songList.size() && const_cast<CLooperSongList&>(m_songList).song(size_t(row))->is_used();
}

void CorvantaQT::UpdateSelection()
{
    const bool active = m_pUSBPort->state() == UpdateMode && m_nCurSong != -1;
    const bool used = active && RowUsed(m_nCurSong);
    ui->m_btnDelete->setEnabled(used);
    ui->m_btnUpload->setEnabled(used);
    // Import needs a row too, into an empty or a used slot.
    ui->m_btnDownload->setEnabled(active && CanHoldSongs(m_pUSBPort->state(), m_pUSBPort->device_info()));
}

void CorvantaQT::ShowResult(int code) { ShowMessage(SongResultText(code)); }

bool CorvantaQT::SongPageStillValid(bool rowMustBeUsed) const
{
    const DeviceInfo& info = m_pUSBPort->device_info();
    const DeviceModel* model = find_model(info.model_id);
    if (!CanHoldSongs(m_pUSBPort->state(), info) || !model || !model->song_area)
        return false;
    return !rowMustBeUsed || RowUsed(m_nCurSong);
}

// ---- Export ----

void CorvantaQT::OnUploadSong()
{
    if (m_nOperation != OpIdle || Busy() || !RowUsed(m_nCurSong))
        return;
    CBusyGuard busy(*this);
    const QString number = QString::asprintf("./Song %.3d", m_nCurSong + 1);
    const QString proposed = ReadSetting(kSaveDirKey) + number;
    const QString path = Prompt().SaveFileName(kWavCaption, proposed, kWavFilter);
    if (path.isEmpty())
        return;
    if (!SongPageStillValid(true)) {
        ShowResult(SongSlotOutOfRange);
        return;
    }
    if (const std::optional<int> code = ExportTo(path, uint32_t(m_nCurSong)))
        ShowResult(*code);
    EndOperation();
}

// Reads the song, converts it to 48,000 Hz and writes the file whole or not
// at all: a file the user chose to overwrite keeps its content on failure.
std::optional<int> CorvantaQT::ExportTo(const QString& path, uint32_t row)
{
    QSaveFile file;
    if (!OpenFileOrWarn(file, path))
        return std::nullopt;
    WriteSetting(kSaveDirKey, FolderOf(path));
    const uint32_t size = m_songList.song(row)->get_song_size();
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[size]);
    BeginOperation(OpExport);
    const int code = m_songList.read_song(row, buffer.get(), size, this);
    if (code != SongOk)
        return code;
    const SongAreaParams& area = *find_model(m_pUSBPort->device_info().model_id)->song_area;
    CWave wave;
    wave.set_format(uint16_t(area.channels), area.sample_rate, uint16_t(area.bits_per_sample));
    wave.set_samples(std::move(buffer), size / (area.bits_per_sample / 8 * area.channels));
    wave.convert(uint16_t(area.channels), kExportRate);
    return wave.write_to(file) && file.commit() ? SongOk : kCommandFailed;
}

// ---- Import ----

void CorvantaQT::OnDownloadSong()
{
    if (m_nOperation != OpIdle || Busy())
        return;
    CBusyGuard busy(*this);
    if (RowUsed(m_nCurSong)) {
        const QString text = QStringLiteral("'%1' already exist, continue to overwrite the song?")
                                 .arg(ui->m_lstSong->item(m_nCurSong)->text());
        if (!Prompt().AskYesNo(QStringLiteral("Overwrite warning"), text))
            return;
    }
    const QString path = Prompt().OpenFileName(kWavCaption, ReadSetting(kLoadDirKey), kWavFilter);
    if (path.isEmpty())
        return;
    if (!SongPageStillValid(false)) {
        ShowResult(SongSlotOutOfRange);
        return;
    }
    WriteSetting(kLoadDirKey, FolderOf(path));
    const int row = m_nCurSong;
    BeginOperation(OpImport);
    // A WAV file that was refused has shown its message; nothing was written.
    if (const std::optional<int> code = ImportFrom(path, uint32_t(row))) {
        ShowResult(*code);
        // A song too large or converted to nothing never reached the pedal.
        if (*code != SongTooLarge && *code != kCommandFailed) {
            m_songList.load_songs();
            FillSongList(row);
        }
    }
    EndOperation();
}

std::optional<int> CorvantaQT::ImportFrom(const QString& path, uint32_t row)
{
    if (!m_wave.load(path))
        return std::nullopt;
    const WaveFormat& f = m_wave.format();
    if (m_wave.frame_count() > 0 && !m_wave.IsConvertible()) {
        ShowMessage("Wave file '%s' format not supported: %u channels of %u bits, format tag 0x%04X",
                    path.toLocal8Bit().constData(), f.nChannels, f.wBitsPerSample, m_wave.effective_tag());
        return std::nullopt;
    }
    const SongAreaParams& area = *find_model(m_pUSBPort->device_info().model_id)->song_area;
    // The converted size, worked out before converting anything.
    const uint64_t frames = (uint64_t(m_wave.frame_count()) * area.sample_rate + f.nSamplesPerSec - 1) /
                            f.nSamplesPerSec;
    if (BlocksFor(area, frames * 3 * area.channels) > area.max_song_blocks)
        return SongTooLarge;
    const bool hadFrames = m_wave.frame_count() > 0;
    m_wave.convert(uint16_t(area.channels), area.sample_rate);
    if (hadFrames && m_wave.frame_count() == 0)
        return kCommandFailed;  // nothing came out of the conversion: keep the song
    return m_songList.write_song(row, m_wave.samples(), uint32_t(m_wave.data_size()), this);
}

// ---- Delete ----

void CorvantaQT::OnDeleteSong()
{
    if (m_nOperation != OpIdle || Busy() || !RowUsed(m_nCurSong))
        return;
    CBusyGuard busy(*this);
    const QString text =
        QStringLiteral("Continue to delete song '%1' ?").arg(ui->m_lstSong->item(m_nCurSong)->text());
    if (!Prompt().AskYesNo(QStringLiteral("Delete"), text))
        return;
    if (!SongPageStillValid(true)) {
        ShowResult(SongSlotOutOfRange);
        return;
    }
    int code = m_songList.song(size_t(m_nCurSong))->delete_song();
    if (code == SongOk)
        code = m_songList.load_songs();
    if (code != SongOk) {
        ShowResult(code);
        return;
    }
    FillSongList(m_nCurSong);
}
