#pragma once
// The program's one window: two pages ("Song Edit", "Firmware Update"), the
// connection poll, the progress bar and the title with the link status.
#include "DeviceWatcher.h"
#include "FirmwareFile.h"
#include "FirmwareUpdate.h"
#include "LooperSongList.h"
#include "Wave.h"
#include "MidiService.h"
#include "ProgressMeter.h"
#include "USBPort.h"

#include <QIcon>
#include <QMainWindow>

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QPushButton;

namespace Ui {
class CorvantaQTClass;
}

enum Operation : int32_t { OpExport = 0, OpImport = 1, OpFirmware = 2, OpIdle = 3 };

class CorvantaQT : public QMainWindow {
    Q_OBJECT

public:
    explicit CorvantaQT(IMidiService& midi = SystemMidi(), QWidget* parent = nullptr);
    ~CorvantaQT() override;  // stops the watcher thread before the device link goes

    void UpdateTitle();
    void UpdateButtons();
    // Loads the song catalogue when the pedal can hold songs.
    void RefreshSongs();
    // Fills the web firmware list from the update server's catalogue.
    void LoadWebFirmwareList();
    // Start of a long operation: only when none runs; shows the bar at 0
    // with the phase's name (e.g. "Export Song 003") and the cancel button,
    // disables the other page's tab and keeps the window busy until its end.
    bool BeginOperation(Operation operation, const QString& phase = {});
    void EndOperation();
    // Shows Cancel while the running operation can stop, and "Do not unplug
    // the pedal" while it cannot (a firmware update's erase and write).
    void UpdateCancelRow();
    // The operation's outcome is decided (its message comes next): Cancel
    // goes, and a late click or Esc changes nothing.
    void SettleOperation();
    Operation CurrentOperation() const { return Operation(m_nOperation); }
    // The one-second poll's work; the timer calls it.
    void PollConnection();

    CUSBPort& USBPort() { return *m_pUSBPort; }
    CLooperSongList& SongList() { return m_songList; }

protected:
    void timerEvent(QTimerEvent* event) override;
    void customEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Drops of audio files on the song list's rows.
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The song page.
    void InitTreeFromMicData();
    void FillSongList(int row);
    void UpdateSelection();
    void ShowResult(int code);

public slots:
    void OnUploadSong();
    void OnDownloadSong();
    void OnDeleteSong();
    void OnOpenFirmwareFile();
    void OnUpdateFirmware();
    void OnDownloadFinished(QNetworkReply* reply);
    // The Cancel button and Esc: the running operation stops at its next
    // chunk boundary, when it can.
    void OnCancelOperation();

private slots:
    void OnSelectLocalFile(bool boSel);
    // The firmware page's line with the pedal's model and firmware and the chosen file's version.
    void UpdateVersionLine();
    void currentRowChanged(int currentRow);

private:
    // The window's one busy state: held while a command, an operation, the
    // poll or the port search runs. Their dialogs run nested event loops in
    // which no other command, no poll and no close may start.
    class CBusyGuard {
    public:
        explicit CBusyGuard(CorvantaQT& window) : m_window(window) { m_window.EnterBusy(); }
        ~CBusyGuard() { m_window.LeaveBusy(); }

    private:
        CorvantaQT& m_window;
    };
    bool Busy() const { return m_busy > 0; }
    void EnterBusy() { ++m_busy; }
    // The last holder lets a close that waited for it go through.
    void LeaveBusy();

    void InitConnection();
    void NameButtons();
    void BuildCancelRow();
    void ShowProgressText(int64_t current, int64_t total);
    void ApplySourceChoice();
    void ClearDeviceLists();
    void SetProgress(int value);
    void StartVersionCheck();
    UpdateResult UpdateFromWeb(bool shiftHeld);
    void SetUpFirmwareExtras();
    QString OfferedFirmwareLine() const;
    bool ConfirmUpdate(std::optional<uint32_t> offered);
    UpdateView UpdateViewOfWindow();
    void FinishUpdate(UpdateResult result);
    void RereadPedal();
    // The program update question waits until the window is idle and is
    // then asked once; a close of the window drops it.
    void OfferNewVersion(float server);
    void AskPendingVersionQuestion();
    bool RowUsed(int row) const;
    bool RowDamaged(int row) const;
    // The result code to show, or none when the file could not be opened (its message was shown).
    std::optional<int> ExportTo(const QString& path, uint32_t row);
    // The result code to show, or none when the WAV file was refused with its message.
    // mix: to one channel the mean of all channels instead of the first.
    std::optional<int> ImportFrom(const QString& path, uint32_t row, bool mix);
    // Whether an import of path mixes its channels; none when the user cancelled.
    std::optional<bool> ChooseMix(const QString& path);
    // The import's overwrite question for a used or damaged row; true to go on.
    bool ConfirmOverwrite(int row);
    // Shows why the pedal's flash cannot be changed through its path, and
    // says so; false when the path carries every frame.
    bool WritesRefused();
    // The port search; ports it could not open are named once in a box.
    void SearchPedal();
    // The import of a chosen file into row, with its progress and result.
    void ImportIntoRow(const QString& path, int row);

    // The song list's extras (SongListActions.cpp): the space line under the
    // song commands, drops of audio files on a row and the context menu.
    void SetUpSongListExtras();
    void UpdateSpaceLabel();
    void UpdateSongInfoLine();
    // A pedal in update mode whose catalogue is loaded.
    bool SongsUsable() const;
    bool SongRowUsable(int row) const;
    // The row of the song list at a point of its viewport that can take a
    // song, or -1.
    int SongRowAt(const QPoint& pos) const;
    void ImportDropped(int row, const QList<QUrl>& urls);
    void ShowSongListMenu(const QPoint& pos);
    // A key pressed on the song list; true when it was taken.
    bool SongListKey(int key);
    void OnBackupSongs();
    void OnRestoreBackup();

    std::unique_ptr<Ui::CorvantaQTClass> ui;
    std::unique_ptr<CUSBPort> m_pUSBPort;
    IMidiService& m_midi;
    QStringList m_shownObstacles;
    QNetworkAccessManager* m_pNetManager = nullptr;
    std::vector<QString> web_firmware_paths;
    CFirmwareFile m_firmwareFile;
    CWave m_wave;
    CLooperSongList m_songList;
    int32_t m_nOperation = OpIdle;
    int32_t m_nCurSong = -1;
    QIcon m_iconSong;
    QIcon m_iconEmpty;
    std::unique_ptr<CDeviceWatcher> m_pWatchThread;
    std::atomic<bool> m_bOutDevChanged{false};
    int m_nTimerId = 0;
    QPushButton* m_btnCancel = nullptr;
    QLabel* m_labelUnplug = nullptr;
    CProgressMeter m_meter;
    bool m_settled = false;
    int m_busy = 0;
    // Closing was asked for while a download ran: the download was ended and
    // the window closes once the command is over.
    bool m_closePending = false;
    QLabel* m_labelSpace = nullptr;
    QLabel* m_labelVersions = nullptr;
    QLabel* m_labelSongInfo = nullptr;
    // The running operation reached a stretch that must not be cut short:
    // "Do not unplug the pedal" stays until its result has been shown.
    bool m_unplugWarned = false;
    // A newer program version the update check found, not asked about yet.
    std::optional<float> m_pendingVersion;
};
