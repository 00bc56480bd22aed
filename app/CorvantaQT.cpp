#include "CorvantaQT.h"

#include "Operation.h"
#include "PortSearch.h"
#include "ProgressEvent.h"
#include "Prompt.h"
#include "WebCatalogue.h"
#include "ui_CorvantaQT.h"

#include <QCloseEvent>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace {
const char* const kPictures = ":/CorvantaQT/Resources/Pictures/";
const char* const kStyleSheet =
    "QWidget#song{background-image: url(:/CorvantaQT/Resources/Pictures/Bg1.jpg);}"
    "QWidget#m_tabFirmwareUpdate{background-image: url(:/CorvantaQT/Resources/Pictures/Bg3.jpg);}"
    "QMainWindow{background-image: url(:/CorvantaQT/Resources/Pictures/Bg2.jpg);}";
constexpr int kSongTab = 0;
constexpr int kFirmwareTab = 1;
const char* const kPercentFormat = "%p%";
const char* const kDoNotUnplug = QT_TRANSLATE_NOOP("CorvantaQT", "Do not unplug the pedal");

// The tab an operation disables: the page it does not belong to.
int OtherTab(int32_t operation) { return operation == OpFirmware ? kSongTab : kFirmwareTab; }
}  // namespace

CorvantaQT::CorvantaQT(IMidiService& midi, QWidget* parent)
    : QMainWindow(parent), ui(new Ui::CorvantaQTClass), m_pUSBPort(new CUSBPort(midi)), m_midi(midi),
      m_songList(m_pUSBPort.get())
{
    Q_INIT_RESOURCE(resources);  // the bundle lives in a static library
    ui->setupUi(this);
    connect(ui->m_btnSelLocal, &QCheckBox::clicked, this, &CorvantaQT::OnSelectLocalFile);
    connect(ui->m_lstSong, &QListWidget::currentRowChanged, this, &CorvantaQT::currentRowChanged);
    connect(ui->m_btnUpload, &QPushButton::clicked, this, &CorvantaQT::OnUploadSong);
    connect(ui->m_btnDownload, &QPushButton::clicked, this, &CorvantaQT::OnDownloadSong);
    connect(ui->m_btnDelete, &QPushButton::clicked, this, &CorvantaQT::OnDeleteSong);
    connect(ui->m_btnOpen, &QPushButton::clicked, this, &CorvantaQT::OnOpenFirmwareFile);
    connect(ui->m_btnUpdate, &QPushButton::clicked, this, &CorvantaQT::OnUpdateFirmware);
    ui->propSheet->setCurrentIndex(kSongTab);
    SetUpSongListExtras();

    ui->progressBar->hide();
    ui->progressBar->setRange(0, 100);
    BuildCancelRow();
    setWindowFlags((windowFlags() & ~Qt::WindowMaximizeButtonHint) | Qt::MSWindowsFixedSizeDialogHint);
    // The Windows hint does nothing elsewhere; a fixed size holds on every platform.
    setFixedSize(size());
    m_wave.set_format(1, 12000, 16);

    QEvent::registerEventType(kProgressEventType);
    QEvent::registerEventType(kPhaseEventType);
    m_iconSong = QIcon(QString(kPictures) + "tone.ico");
    m_iconEmpty = QIcon(QString(kPictures) + "toneNone.ico");
    ApplySourceChoice();
    setStyleSheet(kStyleSheet);
    InitConnection();
    StartVersionCheck();
}

CorvantaQT::~CorvantaQT()
{
    killTimer(m_nTimerId);
    m_pWatchThread.reset();
    m_songList.clear_songs();
    m_pUSBPort.reset();
}

void CorvantaQT::InitConnection()
{
    CBusyGuard busy(*this);
    m_bOutDevChanged.store(false);
    SearchDevice(*m_pUSBPort);
    UpdateTitle();
    UpdateButtons();
    if (m_pUSBPort->state() == Closed) {
        ClearDeviceLists();
    } else {
        RefreshSongs();
        LoadWebFirmwareList();
    }
    m_pWatchThread =
        std::make_unique<CDeviceWatcher>(m_midi, m_bOutDevChanged, CDeviceWatcher::EndWaitsOf(*m_pUSBPort));
    m_nTimerId = startTimer(1000, Qt::CoarseTimer);
}

// The bar shares its row with Cancel; while the flash must not be left half
// written, the warning not to unplug the pedal stands above it. Both are
// hidden while nothing runs.
void CorvantaQT::BuildCancelRow()
{
    m_btnCancel = new QPushButton(tr("Cancel"), ui->centralWidget);
    m_btnCancel->setObjectName(QStringLiteral("m_btnCancel"));
    m_btnCancel->setToolTip(tr("Stop the running operation (Esc)"));
    m_labelUnplug = new QLabel(tr(kDoNotUnplug), ui->centralWidget);
    m_labelUnplug->setObjectName(QStringLiteral("m_labelUnplug"));
    // A line of its own above the bar: the text of a refused cancel is longer.
    m_labelUnplug->setWordWrap(true);
    m_labelUnplug->setAlignment(Qt::AlignCenter);
    m_labelUnplug->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    auto* row = new QHBoxLayout;
    ui->verticalLayout->removeWidget(ui->progressBar);
    row->addWidget(ui->progressBar, 1);
    row->addWidget(m_btnCancel);
    ui->verticalLayout->addWidget(m_labelUnplug);
    ui->verticalLayout->addLayout(row);
    connect(m_btnCancel, &QPushButton::clicked, this, &CorvantaQT::OnCancelOperation);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &CorvantaQT::OnCancelOperation);
    UpdateCancelRow();
}

void CorvantaQT::UpdateCancelRow()
{
    const bool running = m_nOperation != OpIdle;
    m_btnCancel->setVisible(running && Cancellable() && !m_settled);
    m_btnCancel->setEnabled(!CancelRequested());
    m_labelUnplug->setVisible(running && !Cancellable());
    if (!m_labelUnplug->isVisible())
        m_labelUnplug->setText(tr(kDoNotUnplug));
}

// A stretch that cannot be stopped says so above the bar, without a box in
// the middle of it; anything else stops at its next chunk, a download at once.
void CorvantaQT::OnCancelOperation()
{
    if (m_nOperation == OpIdle || m_settled)
        return;
    if (!Cancellable()) {
        m_labelUnplug->setText(QCoreApplication::translate("UpdateProgress", kUpdateGoesOn));
        return;
    }
    if (CancelRequested())
        return;
    RequestCancel();
    ui->progressBar->setFormat(tr("Cancelling…"));
    UpdateCancelRow();
    CMyHttp::Instance().Cancel();
}

void CorvantaQT::ClearDeviceLists()
{
    ui->m_lstSong->clear();
    ui->m_comNewSoftware->clear();
    UpdateSpaceLabel();
}

void CorvantaQT::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_nTimerId)
        PollConnection();
}

void CorvantaQT::PollConnection()
{
    // The flag stays raised while anything runs, so the first idle tick acts.
    if (Busy() || !m_bOutDevChanged.load())
        return;
    CBusyGuard busy(*this);
    m_bOutDevChanged.store(false);
    qDebug("timerEvent");
    if (m_pUSBPort->state() == Closed) {
        SearchDevice(*m_pUSBPort);
        if (m_pUSBPort->state() == Closed)
            return;
        UpdateTitle();
        UpdateButtons();
        RefreshSongs();
        LoadWebFirmwareList();
        qDebug("CDevBaseDlg::connected=TRUE %d\n", m_pUSBPort->device_info().model_id);
        return;
    }
    if (m_pUSBPort->keep_alive())
        return;
    m_pUSBPort->close_link();
    UpdateTitle();
    UpdateButtons();
    ClearDeviceLists();
    qDebug("CDevBaseDlg::connected=FALSE\n");
}

void CorvantaQT::UpdateTitle()
{
    setWindowTitle(ConnectionStatusText(m_pUSBPort->state(), m_pUSBPort->device_info()));
}

void CorvantaQT::UpdateButtons()
{
    const bool usable = m_pUSBPort->state() == UpdateMode;
    const bool songs = usable && CanHoldSongs(m_pUSBPort->state(), m_pUSBPort->device_info());
    ui->m_btnDownload->setEnabled(songs);
    ui->m_btnUpload->setEnabled(songs);
    ui->m_btnDelete->setEnabled(songs);
    ui->m_btnOpen->setEnabled(usable);
    ui->m_btnUpdate->setEnabled(usable);
}

void CorvantaQT::RefreshSongs()
{
    if (!CanHoldSongs(m_pUSBPort->state(), m_pUSBPort->device_info()))
        return;
    if (m_songList.load_songs() != 0) {
        ShowMessage(tr("Load song info failed !"));
        return;
    }
    InitTreeFromMicData();
}

bool CorvantaQT::BeginOperation(Operation operation, const QString& phase)
{
    if (m_nOperation != OpIdle || operation == OpIdle)
        return false;
    ClearCancel();
    m_settled = false;
    m_meter.SetPhase(phase);
    ui->progressBar->setFormat(phase.isEmpty() ? QString::fromLatin1(kPercentFormat) : phase);
    ui->progressBar->setValue(0);
    ui->progressBar->show();
    m_nOperation = operation;
    ui->propSheet->setTabEnabled(OtherTab(operation), false);
    UpdateCancelRow();
    EnterBusy();
    return true;
}

void CorvantaQT::EndOperation()
{
    ui->progressBar->hide();
    ui->progressBar->setFormat(QString::fromLatin1(kPercentFormat));
    if (m_nOperation == OpIdle)
        return;
    ui->propSheet->setTabEnabled(OtherTab(m_nOperation), true);
    m_nOperation = OpIdle;
    // A cancel asked for too late to count ends with the operation.
    ClearCancel();
    UpdateCancelRow();
    LeaveBusy();
}

void CorvantaQT::SettleOperation()
{
    m_settled = true;
    UpdateCancelRow();
}

void CorvantaQT::SetProgress(int value)
{
    if (ui->progressBar->value() != value)
        ui->progressBar->setValue(value);
}

// With a phase named, the bar reads "Export Song 003 — 12.4 of 39.4 MB —
// 1:32 left"; without one, its percentage.
void CorvantaQT::ShowProgressText(int64_t current, int64_t total)
{
    if (m_meter.Phase().isEmpty() || CancelRequested())
        return;
    const QString text = m_meter.Text(current, total);
    if (ui->progressBar->format() != text)
        ui->progressBar->setFormat(text);
}

void CorvantaQT::customEvent(QEvent* event)
{
    if (event->type() == kPhaseEventType && m_nOperation != OpIdle) {
        const auto* phase = static_cast<const CPhaseEvent*>(event);
        m_meter.SetPhase(phase->name);
        if (!CancelRequested())
            ui->progressBar->setFormat(phase->name);
        return;
    }
    if (event->type() != kProgressEventType)
        return;
    const auto* progress = static_cast<const CEventBase*>(event);
    if (progress->total == 0 || m_nOperation == OpIdle)
        return;
    ShowProgressText(progress->current, progress->total);
    const uint64_t c = uint64_t(progress->current);
    const uint64_t t = uint64_t(progress->total);
    switch (m_nOperation) {
    case OpExport:
        SetProgress(int(c * 100 / t));
        break;
    case OpImport: {
        const int value = int(c * 100 / t);
        if (value != ui->progressBar->value())
            qDebug("nNewPos=%d Param1=%d, param2=%d", value, int(uint32_t(c)), int(uint32_t(c >> 32)));
        SetProgress(value);
        break;
    }
    case OpFirmware:
        SetProgress(int(80 + c * 20 / t));
        break;
    default:
        break;
    }
}

void CorvantaQT::LeaveBusy()
{
    if (--m_busy != 0)
        return;
    if (m_closePending)
        QTimer::singleShot(0, this, &QWidget::close);
    else if (m_pendingVersion)
        QTimer::singleShot(0, this, &CorvantaQT::AskPendingVersionQuestion);
}

void CorvantaQT::closeEvent(QCloseEvent* event)
{
    if (!Busy()) {
        m_closePending = false;
        m_pendingVersion.reset();
        event->accept();
        return;
    }
    // A download in progress ends and the window closes after its command;
    // anything else runs to its end and the window stays.
    if (CMyHttp::Instance().Cancel()) {
        m_closePending = true;
        m_pendingVersion.reset();
    }
    event->ignore();
}

void CorvantaQT::ApplySourceChoice()
{
    const bool local = ui->m_btnSelLocal->isChecked();
    ui->m_labelPath->setVisible(local);
    ui->m_btnOpen->setVisible(local);
    ui->m_editPath->setVisible(local);
    ui->m_comNewSoftware->setVisible(!local);
    ui->m_labelNewSoftware->setVisible(!local);
}

void CorvantaQT::OnSelectLocalFile(bool) { ApplySourceChoice(); }

void CorvantaQT::currentRowChanged(int currentRow)
{
    m_nCurSong = currentRow;
    UpdateSelection();
}
