#include "CliVerbs.h"

#include "AppFiles.h"
#include "CancelSignals.h"
#include "Cli.h"
#include "CliPrompt.h"
#include "DeviceWatcher.h"
#include "Doctor.h"
#include "FirmwareFile.h"
#include "FirmwareUpdate.h"
#include "FirmwareVersion.h"
#include "FlashLayout.h"
#include "LooperSongList.h"
#include "Operation.h"
#include "PortSearch.h"
#include "Prompt.h"
#include "SharedPedal.h"
#include "SongBackup.h"
#include "SongResult.h"
#include "SongSpace.h"
#include "SongTransfer.h"
#include "Translations.h"
#include "USBPort.h"
#include "Wave.h"
#include "WebCatalogue.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <cstdio>
#include <optional>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CliVerbs)
};

// One line of data on standard output; build it under CEnglishTexts.
void Print(const QString& line) { std::printf("%s\n", line.toLocal8Bit().constData()); }

int Failed(const QString& text)
{
    ShowMessage(text);
    return kExitFailed;
}

int ShowSongResult(int code)
{
    ShowMessage(SongResultText(code));
    return code == SongOk ? kExitOk : kExitFailed;
}

// The result of a song command that Ctrl-C can cancel.
int ShowSongResult(int code, const char* cancelled)
{
    if (code != SongCancelled)
        return ShowSongResult(code);
    ShowMessage(QCoreApplication::translate("SongTransfer", cancelled));
    return kExitCancelled;
}

// A slot number as the list shows it, 1 and up; none (with the usage error
// shown) for anything else.
std::optional<uint32_t> ParseSlot(const QString& text)
{
    bool ok = false;
    const uint32_t slot = text.toUInt(&ok);
    if (ok && slot >= 1)
        return slot;
    CliUsageError(Text::tr("'%1' is no slot number (slots count from 1)").arg(text));
    return std::nullopt;
}

// The link to the pedal and its song catalogue for one command, with a
// watcher that ends a wait at once when the pedal's ports go away.
class CSession {
public:
    CSession(const CliRequest& request, IMidiService& midi)
        : link(midi), songs(&link), m_request(request),
          m_watcher(midi, m_devicesChanged, CDeviceWatcher::EndWaitsOf(link))
    {
    }

    // The pedal in update mode, found by the port search or by --port. A
    // search that found none names the ports it could not open.
    bool Connect()
    {
        SearchOutcome outcome;
        if (m_request.port.isEmpty())
            outcome = SearchDevice(link);
        else if (!ConnectNamedPair())
            return false;
        if (link.state() == UpdateMode)
            return true;
        ShowMessage(outcome.obstacles.isEmpty() ? ConnectionStatusText(link.state(), link.device_info())
                                                : outcome.obstacles.join('\n'));
        return false;
    }
    // Connect, for a command that changes the pedal's flash: refused before
    // anything is changed when the path cannot carry its writes.
    bool ConnectForWrites()
    {
        if (!Connect())
            return false;
        const std::optional<QString> refusal = WriteRefusal(link);
        if (refusal)
            ShowMessage(*refusal);
        return !refusal;
    }
    // Connect (for writes when asked), and the catalogue of a pedal that holds songs.
    bool LoadSongs(bool forWrites = false)
    {
        if (!(forWrites ? ConnectForWrites() : Connect()))
            return false;
        if (!CanHoldSongs(link.state(), link.device_info())) {
            ShowMessage(SongResultText(SongDeviceUnsupported));
            return false;
        }
        const int code = songs.load_songs();
        if (code != SongOk)
            ShowMessage(SongResultText(code));
        return code == SongOk;
    }
    // The row of a slot number, when the pedal has it.
    std::optional<uint32_t> Row(uint32_t slot)
    {
        if (slot > songs.size()) {
            ShowMessage(Text::tr("Slot %1 is out of range: the pedal has slots 1 to %2").arg(slot).arg(songs.size()));
            return std::nullopt;
        }
        return slot - 1;
    }
    // The row of a slot that holds a song, or (with deletable) a damaged one.
    std::optional<uint32_t> UsedRow(uint32_t slot, bool deletable = false)
    {
        const std::optional<uint32_t> row = Row(slot);
        if (!row || songs.song(*row)->is_used() || (deletable && songs.song(*row)->is_damaged()))
            return row;
        if (songs.song(*row)->is_damaged())
            ShowMessage(DamagedSongText(songs, *row));
        else
            ShowMessage(Text::tr("%1 holds no song").arg(SongListText(songs, *row)));
        return std::nullopt;
    }
    const SongAreaParams& Area() const { return *find_model(link.device_info().model_id)->song_area; }

    CUSBPort link;
    CLooperSongList songs;

private:
    // The first pair of that name that answers.
    bool ConnectNamedPair()
    {
        bool named = false;
        try {
            for (const PortPair& pair : ListPortPairs(link.port_pair().Service())) {
                if (QString::fromStdString(pair.name) != m_request.port)
                    continue;
                named = true;
                if (ConnectPair(link, pair.ports))
                    return true;
            }
        } catch (const MidiError& e) {
            ShowMessage(QString::fromStdString(e.what()));
            return false;
        }
        if (!named)
            ShowMessage(Text::tr("No MIDI port pair named '%1' (corvanta-cli ports lists them)").arg(m_request.port));
        return named;
    }

    const CliRequest& m_request;
    std::atomic<bool> m_devicesChanged{false};
    CDeviceWatcher m_watcher;
};

int Ports(const CliRequest& request, IMidiService& midi)
{
    CSession session(request, midi);
    std::vector<PortPair> pairs;
    try {
        pairs = ListPortPairs(midi);
    } catch (const MidiError& e) {
        return Failed(QString::fromStdString(e.what()));
    }
    SearchDevice(session.link);
    for (const PortPair& pair : pairs) {
        const bool picked = session.link.state() == UpdateMode && session.link.open_ports() == pair.ports;
        Print(QStringLiteral("%1 %2").arg(picked ? '*' : ' ').arg(QString::fromStdString(pair.name)));
    }
    if (pairs.empty())
        ShowMessage(Text::tr("No MIDI port pairs"));
    return kExitOk;
}

int Info(const CliRequest& request, IMidiService& midi)
{
    CSession session(request, midi);
    if (!session.Connect())
        return kExitFailed;
    const DeviceInfo& info = session.link.device_info();
    const DeviceModel* model = find_model(info.model_id);
    const bool holdsSongs = CanHoldSongs(session.link.state(), info);
    const int code = holdsSongs ? session.songs.load_songs() : SongOk;
    const CEnglishTexts english;
    Print(QStringLiteral("status:   %1").arg(ConnectionStatusText(session.link.state(), info)));
    Print(QStringLiteral("model:    %1 %2").arg(info.model_id).arg(model ? model->name : "(unknown)"));
    Print(QStringLiteral("firmware: %1").arg(version_text(info.version)));
    Print(QStringLiteral("aux:      %1").arg(info.aux));
    Print(QStringLiteral("slots:    %1").arg(model ? model->song_slots : 0));
    if (model && model->song_area) {
        const SongAreaParams& a = *model->song_area;
        Print(QStringLiteral("format:   %1 (%2 Hz, %3-bit, %4 channel%5)")
                  .arg(model->storage_format == CurrentFormat ? "current" : "old")
                  .arg(a.sample_rate)
                  .arg(a.bits_per_sample)
                  .arg(a.channels)
                  .arg(a.channels == 1 ? "" : "s"));
    } else {
        Print(QStringLiteral("format:   no song storage"));
    }
    if (holdsSongs)
        Print(QStringLiteral("space:    %1")
                  .arg(code == SongOk ? SongSpaceText(SpaceOf(session.songs, session.Area())) : SongResultText(code)));
    return kExitOk;
}

int List(const CliRequest& request, IMidiService& midi)
{
    CSession session(request, midi);
    if (!session.LoadSongs())
        return kExitFailed;
    const CEnglishTexts english;
    for (uint32_t row = 0; row < session.songs.size(); ++row) {
        if (!request.longList) {
            Print(SongListText(session.songs, row));
            continue;
        }
        const SongLength length = SongLengthOf(session.songs, session.Area(), row);
        Print(QStringLiteral("%1\t%2\t%3\t%4")
                  .arg(row + 1)
                  .arg(length.seconds, 0, 'f', 3)
                  .arg(length.channels)
                  .arg(length.bytes));
    }
    return kExitOk;
}

int Export(const CliRequest& request, IMidiService& midi)
{
    const std::optional<uint32_t> slot = ParseSlot(request.positional[0]);
    if (!slot)
        return kExitUsage;
    const QString path = request.positional[1];
    // Ctrl-C from here on leaves no file behind, however early it comes.
    const CCancelOnSignals ctrlC;
    // The file is opened before the pedal is asked for anything.
    QSaveFile file;
    if (!OpenFileOrWarn(file, path))
        return kExitFailed;
    CSession session(request, midi);
    if (!session.LoadSongs())
        return kExitFailed;
    const std::optional<uint32_t> row = session.UsedRow(*slot);
    if (!row)
        return kExitFailed;
    WriteSetting("/Config/WavSaveDir", FolderOf(path));
    ExportFormat format;
    format.rate = request.native ? session.Area().sample_rate : kExportRate;
    format.fullResolution = request.hq;
    format.flac = request.format == "flac";
    CCliProgress progress;
    progress.SetPhase(Text::tr("Export Song %1").arg(*slot, 3, 10, QLatin1Char('0')));
    return ShowSongResult(ExportSongTo(file, session.songs, session.Area(), *row, format, &progress),
                          kExportCancelled);
}

int Import(const CliRequest& request, IMidiService& midi)
{
    const QString path = request.positional[0];
    const std::optional<uint32_t> slot = ParseSlot(request.positional[1]);
    if (!slot)
        return kExitUsage;
    CSession session(request, midi);
    if (!session.LoadSongs(true))
        return kExitFailed;
    const std::optional<uint32_t> row = session.Row(*slot);
    if (!row)
        return kExitFailed;
    if ((session.songs.song(*row)->is_used() || session.songs.song(*row)->is_damaged()) &&
        !Prompt().AskYesNo(Text::tr("Overwrite warning"),
                           Text::tr("'%1' already exist, continue to overwrite the song?")
                               .arg(SongListText(session.songs, *row))))
        return kExitFailed;
    WriteSetting("/Config/WavLoadDir", FolderOf(path));
    CWave wave;
    const CCancelOnSignals ctrlC;
    CCliProgress progress;
    progress.SetPhase(Text::tr("Import Song %1").arg(*slot, 3, 10, QLatin1Char('0')));
    const std::optional<int> code =
        ImportSongFrom(path, wave, session.songs, session.Area(), *row, &progress, request.mix);
    return code ? ShowSongResult(*code, kImportCancelled) : kExitFailed;
}

int Delete(const CliRequest& request, IMidiService& midi)
{
    const std::optional<uint32_t> slot = ParseSlot(request.positional[0]);
    if (!slot)
        return kExitUsage;
    CSession session(request, midi);
    if (!session.LoadSongs(true))
        return kExitFailed;
    const std::optional<uint32_t> row = session.UsedRow(*slot, true);
    if (!row || !Prompt().AskYesNo(Text::tr("Delete"),
                                   Text::tr("Continue to delete song '%1' ?").arg(SongListText(session.songs, *row))))
        return kExitFailed;
    return ShowSongResult(session.songs.song(*row)->delete_song());
}

int Backup(const CliRequest& request, IMidiService& midi)
{
    CSession session(request, midi);
    if (!session.LoadSongs())
        return kExitFailed;
    const CCancelOnSignals ctrlC;
    CCliProgress progress;
    bool cancelled = false;
    if (!BackupSongs(session.link, session.songs, request.positional[0], &progress, &cancelled, request.full))
        return cancelled ? kExitCancelled : kExitFailed;
    return ShowSongResult(SongOk);
}

int Restore(const CliRequest& request, IMidiService& midi)
{
    const QString folder = request.positional[0];
    CSession session(request, midi);
    BackupManifest manifest;
    if (!session.LoadSongs(true) || !ReadBackup(folder, session.link, session.songs, manifest))
        return kExitFailed;
    if (!Prompt().AskYesNo(Text::tr("Restore"), RestoreQuestion(folder, manifest, session.songs, request.full)))
        return kExitFailed;
    const CCancelOnSignals ctrlC;
    CCliProgress progress;
    bool cancelled = false;
    // A failure or a cancel has named the slots restored.
    if (!RestoreSongs(folder, manifest, session.songs, &progress, &cancelled, request.full))
        return cancelled ? kExitCancelled : kExitFailed;
    return ShowSongResult(SongOk);
}

void PrintSection(CFirmwareFile& file, uint32_t index)
{
    uint32_t length = 0;
    const uint8_t* text = file.ReadSectionLayout(index, length);
    const QString layoutText = text ? QString::fromLatin1(reinterpret_cast<const char*>(text), int(length)) : "";
    CFlashLayout layout;
    const bool parsed = text && layout.LoadText(text, length);
    QString where = parsed && !layout.sectors.empty()
                        ? QString::asprintf("flash %u at 0x%08X, %zu sectors, %u bytes", layout.sectors[0].flash_no,
                                            layout.sectors[0].address, layout.sectors.size(), layout.total_size)
                        : QStringLiteral("layout not usable: %1").arg(layout.error_text);
    // An image is decoded only into the space its layout gives it.
    const uint32_t declared = file.DeclaredLength(index);
    const bool fits = parsed && !layout.sectors.empty() && declared <= layout.total_size;
    const uint8_t* image = fits ? file.ReadSectionData(index, length) : nullptr;
    const QString imageText = image ? QStringLiteral("%1 bytes").arg(length)
                              : fits ? file.error_text
                                     : QStringLiteral("of %1 bytes not decoded: its layout gives it no room").arg(declared);
    Print(QStringLiteral("section %1: %2; image %3").arg(index + 1).arg(where).arg(imageText));
    for (const QString& line : layoutText.split('\n', Qt::SkipEmptyParts))
        Print("    " + line.trimmed());
}

int FirmwareInfo(const CliRequest& request, IMidiService&)
{
    CFirmwareFile file;
    file.file_path = request.positional[0];
    if (!file.Load(file.file_path))
        return Failed(file.error_text);
    const CEnglishTexts english;
    const long long model = file.TargetModel();
    const DeviceModel* known = find_model(int32_t(model));
    Print(QStringLiteral("model:    %1 %2").arg(model).arg(known && model != -1 ? known->name : "(no known model)"));
    Print(QStringLiteral("sections: %1").arg(file.section_count));
    for (uint32_t i = 0; i < file.section_count; ++i)
        PrintSection(file, i);
    return kExitOk;
}

// The bar on standard error; a Ctrl-C while the flash is rewritten is
// refused with one line for each press.
// Before the first erase Ctrl-C cancels (and a second one ends the program,
// at a question too); while the flash is erased and written every signal is
// refused.
UpdateView CliUpdateView(CCliProgress& progress, CCancelOnSignals& handlers)
{
    UpdateView view;
    view.progress = [&progress](int percent, const QString& text) { progress.Show(percent, text); };
    view.stretchChanged = [&handlers] {
        handlers.SetRepeat(Cancellable() ? CCancelOnSignals::Once : CCancelOnSignals::EverySignal);
    };
    view.cancelRefused = [](const QString& text) { ShowMessage(text); };
    return view;
}

// The version before and after, read again from the pedal.
void PrintVersions(CUSBPort& link, int32_t before)
{
    const QString after = link.read_identity() ? "V" + version_text(link.device_info().version)
                                                : QStringLiteral("(no answer yet: the pedal may be restarting)");
    Print(QStringLiteral("firmware: V%1 -> %2").arg(version_text(before), after));
}

int Update(const CliRequest& request, IMidiService& midi)
{
    const QString path = request.positional[0];
    CSession session(request, midi);
    if (!session.ConnectForWrites())
        return kExitFailed;
    // A file that does not decode is refused by the update with its reason.
    const OfferedFirmware offered = ReadOfferedFirmware(path);
    const DeviceInfo& info = session.link.device_info();
    if (offered.readable && !Prompt().AskBeforeErasing(Text::tr("Update"),
                                                       UpdateQuestion(info.model_id, info.version, offered.version)))
        return kExitFailed;
    WriteSetting("/Config/FirmwareDir", FolderOf(path));
    CCancelOnSignals ctrlC;
    const int32_t before = session.link.device_info().version;
    CFirmwareFile file;
    UpdateResult result;
    {
        CCliProgress progress;
        CFirmwareUpdate update(session.link, file, CliUpdateView(progress, ctrlC));
        result = update.UpdateFromFile(path, request.anyModel);
    }
    switch (result) {
    case UpdateResult::Ok:
        ShowMessage(Text::tr("Successful!"));
        PrintVersions(session.link, before);
        return kExitOk;
    case UpdateResult::Failed:
        ShowMessage(Text::tr("Failed!"));
        return kExitFailed;
    case UpdateResult::Cancelled:
    case UpdateResult::Declined:
        break;
    }
    ShowMessage(Text::tr("Firmware update cancelled"));
    return result == UpdateResult::Cancelled ? kExitCancelled : kExitFailed;
}

int Catalogue(const CliRequest& request, IMidiService& midi)
{
    CSession session(request, midi);
    if (!session.Connect())
        return kExitFailed;
    const DeviceModel* model = find_model(session.link.device_info().model_id);
    QByteArray body;
    bool ok = false;
    const std::vector<CatalogueEntry> entries =
        CMyHttp::Instance().Get(UpdateServerBase() + "/velmo_update/Firmware/path.xml", body, kCatalogueLimits) && model
            ? ParseCatalogue(body, model->id, ok)
            : std::vector<CatalogueEntry>{};
    if (!ok)
        return Failed(Text::tr("Open web firmware info failed !"));
    for (const CatalogueEntry& entry : entries)
        Print(QStringLiteral("%1\t%2").arg(entry.display, UpdateServerBase() + entry.path));
    return kExitOk;
}

}  // namespace

int CliUsageError(const QString& problem)
{
    std::fprintf(stderr, "corvanta-cli: %s\n%s\n", problem.toLocal8Bit().constData(),
                 Text::tr(kCliUsage).toLocal8Bit().constData());
    return kExitUsage;
}

const std::vector<CliVerb>& CliVerbs()
{
    static const std::vector<CliVerb> verbs = {
        {"ports", "",
         QT_TRANSLATE_NOOP("CliVerbs", "list the MIDI port pairs, * marks the one the port search picks"),
         QT_TRANSLATE_NOOP("CliVerbs",
             "Lists the pairs of same-named MIDI ports; * marks the pair the port search connects to."),
         0, 0, false, false, Ports},
        {"info", "",
         QT_TRANSLATE_NOOP("CliVerbs", "the connected pedal: status, model, firmware, aux, slots, format, space"),
         QT_TRANSLATE_NOOP("CliVerbs",
             "Connects and prints the window title's status text, the model id and name, the firmware version, aux,\n"
             "the number of song slots, the song format and, for a pedal that holds songs, how much of its song\n"
             "area the songs use."),
         0, 0, false, false, Info},
        {"list", "[--long]",
         QT_TRANSLATE_NOOP("CliVerbs", "one line per song slot, as the window lists them"),
         QT_TRANSLATE_NOOP("CliVerbs",
             "Prints one line per slot with the window's list text.\n"
             "  --long  for scripts: slot, length in seconds, channels and bytes, tab-separated (0 for an empty slot)"),
         0, 0, false, false, List, "--long"},
        {"export", "SLOT FILE [--format wav|flac] [--native] [--hq]",
         QT_TRANSLATE_NOOP("CliVerbs", "export a song as a 48,000 Hz WAV file"),
         QT_TRANSLATE_NOOP("CliVerbs",
             "Exports the song of SLOT as a 48,000 Hz 24-bit WAV file, converted through 16 bits as the window does;\n"
             "an existing FILE keeps its content on failure.\n"
             "  --format flac  write FLAC instead of WAV\n"
             "  --native       the pedal's own audio untouched: 46,875 Hz, 24-bit\n"
             "  --hq           convert from the full 24 bits, without the 16-bit step"),
         2, 2, false, false, Export, "--format --native --hq"},
        {"import", "FILE SLOT [--yes] [--mix]",
         QT_TRANSLATE_NOOP("CliVerbs", "import an audio file into a slot"),
         QT_TRANSLATE_NOOP("CliVerbs",
             "Imports FILE (WAV, AIFF, FLAC, Ogg, MP3 and whatever else libsndfile reads) into SLOT, converted to\n"
             "the pedal's format. A used slot is overwritten only when the question is answered yes (--yes, or y\n"
             "on a terminal). For a one-channel pedal the first channel is taken; --mix takes the mean of all\n"
             "channels instead."),
         2, 2, true, false, Import, "--mix"},
        {"delete", "SLOT [--yes]",
         QT_TRANSLATE_NOOP("CliVerbs", "delete a song"),
         QT_TRANSLATE_NOOP("CliVerbs",
             "Deletes the song of SLOT after a question; --yes answers it. Without --yes and without a terminal on\n"
             "standard input the song is kept."),
         1, 1, true, false, Delete},
        {"backup", "DIR [--full]",
         QT_TRANSLATE_NOOP("CliVerbs", "every used slot as a WAV in the pedal's own format, plus a manifest"),
         QT_TRANSLATE_NOOP("CliVerbs",
             "Writes every used slot into DIR as song-NNN.wav (or song-NNN-b.wav) in the pedal's own format (its\n"
             "rate, 24-bit, its channels) and manifest.json (model, firmware, per slot the file, its length, the\n"
             "SHA-256 of the audio and the song's fingerprint), the manifest last: a folder without it is no\n"
             "complete backup. Over an earlier backup of the pedal, a song whose fingerprint (its song info and\n"
             "its first, middle and last audio page) and file are unchanged is kept without reading it; slots\n"
             "now empty leave the backup. The earlier backup stays whole until the new manifest replaces it.\n"
             "  --full  read every song; a change only between the pages the fingerprint reads is seen then"),
         1, 1, false, false, Backup, "--full"},
        {"restore", "DIR [--yes] [--full]",
         QT_TRANSLATE_NOOP("CliVerbs", "write a backup's songs back into their slots"),
         QT_TRANSLATE_NOOP("CliVerbs",
             "Checks DIR's manifest against the pedal (model id) and every file against the manifest, then writes\n"
             "the songs back into their slots, bit for bit. Slots the backup does not name keep their songs; a slot\n"
             "whose fingerprint equals the backup's already holds the song and is not written. It stops at the\n"
             "first failure, naming the slots restored and the slot that failed.\n"
             "  --full  write every slot of the backup"),
         1, 1, true, false, Restore, "--full"},
        {"firmware-info", "FILE.dat",
         QT_TRANSLATE_NOOP("CliVerbs", "decode a firmware file without a pedal"),
         QT_TRANSLATE_NOOP("CliVerbs",
             "Decodes FILE: its target model, its sections with their layouts and image sizes, or the decoder's "
             "error."),
         1, 1, false, false, FirmwareInfo},
        {"update", "FILE.dat [--yes] [--any-model]",
         QT_TRANSLATE_NOOP("CliVerbs", "update the pedal's firmware from a file"),
         QT_TRANSLATE_NOOP("CliVerbs",
             "Updates the pedal's firmware from FILE after a question that names the model, the installed and the\n"
             "file's firmware version and that the pedal must stay plugged in (--yes answers it and the others;\n"
             "No is the default). A file that writes to the song flash is named in a question. --any-model lets a\n"
             "file for another model through, as Shift does in the window, after a further question. Prints the\n"
             "firmware version before and after. Ctrl-C stops the update only before its first erase."),
         1, 1, true, true, Update},
        {"doctor", "",
         QT_TRANSLATE_NOOP("CliVerbs", "what the program sees of the MIDI paths and the pedal, for a bug report"),
         QT_TRANSLATE_NOOP("CliVerbs",
             "Reports the MIDI paths (raw MIDI, the ALSA sequencer, JACK) with their ports, the sequencer's buffer\n"
             "towards hardware and whether the pedal's frames fit it, every raw MIDI device with the program holding\n"
             "it and its sequencer subscribers, device nodes this user may not open, and the pedal: found or not,\n"
             "which path it is reached by and why, and what to do. Exit status 0 when a pedal is usable for every\n"
             "command, 1 otherwise."),
         0, 0, false, false, Doctor},
        {"catalogue", "",
         QT_TRANSLATE_NOOP("CliVerbs", "the update server's firmware list for the connected model"),
         QT_TRANSLATE_NOOP("CliVerbs",
             "Prints the update server's firmware entries for the connected model: name, tab, URL."),
         0, 0, false, false, Catalogue},
    };
    return verbs;
}

const CliVerb* FindVerb(const QString& name)
{
    for (const CliVerb& verb : CliVerbs()) {
        if (name == verb.name)
            return &verb;
    }
    return nullptr;
}
