// The song list's extras, set up in code beside the form: the line telling
// how much of the song area is used, audio files dropped on a row, and the
// context menu with the song commands, backup and restore.
#include "AppFiles.h"
#include "AudioImport.h"
#include "CorvantaQT.h"
#include "Prompt.h"
#include "SongBackup.h"
#include "SongResult.h"
#include "SongSpace.h"
#include "SongTransfer.h"
#include "ui_CorvantaQT.h"

#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>

namespace {
const char* const kBackupDirKey = "/Config/BackupDir";
}  // namespace

void CorvantaQT::SetUpSongListExtras()
{
    // Under the "Edit Song" group box.
    m_labelSpace = new QLabel(ui->song);
    m_labelSpace->setObjectName(QStringLiteral("m_labelSpace"));
    m_labelSpace->setGeometry(310, 370, 341, 20);
    m_labelSpace->hide();
    ui->m_lstSong->viewport()->setAcceptDrops(true);
    ui->m_lstSong->viewport()->installEventFilter(this);
    ui->m_lstSong->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->m_lstSong, &QWidget::customContextMenuRequested, this, &CorvantaQT::ShowSongListMenu);
}

void CorvantaQT::UpdateSpaceLabel()
{
    const QString text =
        SongsUsable() && ui->m_lstSong->count() > 0 ? SongSpaceText(SpaceOf(m_songList, *find_model(m_pUSBPort->device_info().model_id)->song_area))
               : QString();
    m_labelSpace->setText(text);
    m_labelSpace->setVisible(!text.isEmpty());
}

bool CorvantaQT::SongsUsable() const
{
    return m_pUSBPort->state() == UpdateMode && CanHoldSongs(m_pUSBPort->state(), m_pUSBPort->device_info()) &&
           m_songList.size() > 0 && m_songList.load_required() == 0;
}

bool CorvantaQT::SongRowUsable(int row) const
{
    return SongsUsable() && row >= 0 && size_t(row) < m_songList.size() && row < ui->m_lstSong->count();
}

int CorvantaQT::SongRowAt(const QPoint& pos) const
{
    const int row = ui->m_lstSong->indexAt(pos).row();
    return SongRowUsable(row) ? row : -1;
}

// ---- Drops ----

bool CorvantaQT::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != ui->m_lstSong->viewport())
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // Entering anywhere is taken, so that the moves follow; a drop is
        // offered over a row only.
        auto* drag = static_cast<QDragMoveEvent*>(event);
        const bool files = !Busy() && drag->mimeData()->hasUrls();
        if (files && (event->type() == QEvent::DragEnter || SongRowAt(drag->pos()) >= 0))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const int row = SongRowAt(drop->pos());
        if (Busy() || !drop->mimeData()->hasUrls() || row < 0) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        // The drag's source is answered at once; the import runs after it.
        const QList<QUrl> urls = drop->mimeData()->urls();
        QMetaObject::invokeMethod(this, [this, row, urls] { ImportDropped(row, urls); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return QMainWindow::eventFilter(watched, event);
    }
}

// As the Import button after its open dialog, for the row the file was dropped on.
void CorvantaQT::ImportDropped(int row, const QList<QUrl>& urls)
{
    // The pedal may have gone before this runs.
    if (Busy() || !SongRowUsable(row))
        return;
    CBusyGuard busy(*this);
    if (urls.size() != 1) {
        ShowMessage(tr("Drop one audio file at a time: %1 were dropped").arg(urls.size()));
        return;
    }
    if (!urls[0].isLocalFile()) {
        ShowMessage(tr("'%1' is not a file on this computer: only local files can be imported")
                        .arg(urls[0].toDisplayString()));
        return;
    }
    const QString path = urls[0].toLocalFile();
    if (!CanReadAudioFile(path))
        return;
    ui->m_lstSong->setCurrentRow(row);
    if (ConfirmOverwrite(row))
        ImportIntoRow(path, row);
}

// ---- Context menu ----

void CorvantaQT::ShowSongListMenu(const QPoint& pos)
{
    if (Busy())
        return;
    const int row = SongRowAt(pos);
    if (row >= 0)
        ui->m_lstSong->setCurrentRow(row);
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("songListMenu"));
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    // Each command runs once the menu is gone, on the row clicked, unless
    // the poll found the pedal gone while the menu was open.
    auto add = [this, menu, row](const QString& text, bool enabled, void (CorvantaQT::*command)()) {
        QAction* action = menu->addAction(text);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, [this, row, command] {
            auto run = [this, row, command] {
                if (row < 0 ? !SongsUsable() : !SongRowUsable(row))
                    return;
                if (row >= 0)
                    ui->m_lstSong->setCurrentRow(row);
                (this->*command)();
            };
            QMetaObject::invokeMethod(this, run, Qt::QueuedConnection);
        });
    };
    add(tr("Export"), row >= 0 && ui->m_btnUpload->isEnabled(), &CorvantaQT::OnUploadSong);
    add(tr("Import"), row >= 0 && ui->m_btnDownload->isEnabled(), &CorvantaQT::OnDownloadSong);
    add(tr("Delete"), row >= 0 && ui->m_btnDelete->isEnabled(), &CorvantaQT::OnDeleteSong);
    menu->addSeparator();
    add(tr("Backup all songs…"), SongsUsable(), &CorvantaQT::OnBackupSongs);
    add(tr("Restore backup…"), SongsUsable(), &CorvantaQT::OnRestoreBackup);
    menu->popup(ui->m_lstSong->viewport()->mapToGlobal(pos));
}

// ---- Backup and restore ----

void CorvantaQT::OnBackupSongs()
{
    if (Busy())
        return;
    CBusyGuard busy(*this);
    const QString folder = Prompt().FolderName(tr("Backup all songs"), ReadSetting(kBackupDirKey));
    if (folder.isEmpty())
        return;
    WriteSetting(kBackupDirKey, folder);
    BeginOperation(OpExport, tr("Backup"));
    // A failure or a cancel has shown its own message.
    const bool written = BackupSongs(*m_pUSBPort, m_songList, folder, this);
    SettleOperation();
    if (written)
        ShowResult(SongOk);
    EndOperation();
}

void CorvantaQT::OnRestoreBackup()
{
    if (Busy())
        return;
    CBusyGuard busy(*this);
    const QString folder = Prompt().FolderName(tr("Restore backup"), ReadSetting(kBackupDirKey));
    if (folder.isEmpty())
        return;
    WriteSetting(kBackupDirKey, folder);
    BackupManifest manifest;
    if (!ReadBackup(folder, *m_pUSBPort, m_songList, manifest) ||
        !Prompt().AskYesNo(tr("Restore"), RestoreQuestion(folder, manifest, m_songList)))
        return;
    BeginOperation(OpImport, tr("Restore"));
    // A cancel has named the slots it restored.
    bool cancelled = false;
    const bool restored = RestoreSongs(folder, manifest, m_songList, this, &cancelled);
    SettleOperation();
    m_songList.load_songs(true);
    if (!cancelled)
        ShowResult(restored ? SongOk : kCommandFailed);
    FillSongList(m_nCurSong);
    EndOperation();
}
