<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppFiles</name>
    <message>
        <source>Open file &apos;%1&apos; failed, it may be occupied by other process</source>
        <translation>Die Datei &apos;%1&apos; lässt sich nicht öffnen, vielleicht benutzt ein anderes Programm sie</translation>
    </message>
    <message>
        <source>Write file &apos;%1&apos; failed</source>
        <translation>Die Datei &apos;%1&apos; konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>AudioImport</name>
    <message>
        <source>Audio file &apos;%1&apos; has a sample rate of %2 Hz: only 1,000 to 768,000 Hz can be imported</source>
        <translation>Die Audiodatei &apos;%1&apos; hat eine Abtastrate von %2 Hz: nur 1.000 bis 768.000 Hz lassen sich importieren</translation>
    </message>
    <message>
        <source>Audio file &apos;%1&apos; cannot be read: %2</source>
        <translation>Die Audiodatei &apos;%1&apos; lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>it could not be read to its end</source>
        <translation>sie ließ sich nicht bis zum Ende lesen</translation>
    </message>
    <message>
        <source>it ends after %1 of its %2 frames</source>
        <translation>sie endet nach %1 ihrer %2 Frames</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Usage: corvanta-cli [--port NAME] %1 %2

%3
</source>
        <translation>Aufruf: corvanta-cli [--port NAME] %1 %2

%3
</translation>
    </message>
    <message>
        <source>Usage: corvanta-cli [--port NAME] VERB [ARGS]

The commands of the Corvanta window for a pedal on USB MIDI.
Slots are numbered as the window shows them (1 = &quot;Song 001&quot;).

Options:
  --port NAME   use the MIDI port pair NAME instead of searching
  --help        this text; after a verb, the verb&apos;s own

Verbs:
%1
Ctrl-C or SIGTERM during export, import, backup or restore stops it at the next chunk:
an exported file is not written, a slot keeps its song unless its import finished.
An update stops only before its first erase; from then on every signal is refused.
Messages and questions go to standard error in the language of the system&apos;s locale;
the data on standard output (ports, info, list, catalogue, firmware-info and the
versions after an update) stays in English in every language, for scripts.
Exit status: 0 success, 1 failure, 2 usage error, 130 cancelled.
</source>
        <translation>Aufruf: corvanta-cli [--port NAME] BEFEHL [ARGUMENTE]

Die Befehle des Corvanta-Fensters für ein Pedal an USB-MIDI.
Die Plätze sind nummeriert wie im Fenster (1 = &quot;Song 001&quot;).

Optionen:
  --port NAME   das MIDI-Portpaar NAME verwenden, statt zu suchen
  --help        dieser Text; nach einem Befehl der Text des Befehls

Befehle:
%1
Strg+C oder SIGTERM während export, import, backup oder restore hält beim nächsten Block an:
eine exportierte Datei wird nicht geschrieben, ein Platz behält seinen Song, außer sein Import war fertig.
Ein Update hält nur vor dem ersten Löschen an; danach wird jedes Signal abgelehnt.
Meldungen und Fragen erscheinen auf der Standardfehlerausgabe in der Sprache des Systems;
die Daten auf der Standardausgabe (ports, info, list, catalogue, firmware-info und die
Versionen nach einem Update) bleiben in jeder Sprache englisch, für Skripte.
Exit-Status: 0 Erfolg, 1 Fehler, 2 falscher Aufruf, 130 abgebrochen.
</translation>
    </message>
    <message>
        <source>--format needs wav or flac</source>
        <translation>--format braucht wav oder flac</translation>
    </message>
    <message>
        <source>--port needs a port name</source>
        <translation>--port braucht einen Portnamen</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unknown verb &apos;%1&apos;</source>
        <translation>unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <translation>%1 erwartet %2</translation>
    </message>
    <message>
        <source>%1 takes no --yes</source>
        <translation>%1 kennt kein --yes</translation>
    </message>
    <message>
        <source>%1 takes no --any-model</source>
        <translation>%1 kennt kein --any-model</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 kennt kein %2</translation>
    </message>
</context>
<context>
    <name>CliPrompt</name>
    <message>
        <source>y</source>
        <translation>j</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>%1 yes (--yes)
</source>
        <translation>%1 ja (--yes)
</translation>
    </message>
    <message>
        <source>%1 no: standard input is not a terminal, add --yes to answer yes
</source>
        <translation>%1 nein: die Standardeingabe ist kein Terminal, mit --yes lautet die Antwort ja
</translation>
    </message>
    <message>
        <source>%1 [y/N] </source>
        <translation>%1 [j/N] </translation>
    </message>
    <message>
        <source>no
</source>
        <translation>nein
</translation>
    </message>
</context>
<context>
    <name>CliVerbs</name>
    <message>
        <source>&apos;%1&apos; is no slot number (slots count from 1)</source>
        <translation>&apos;%1&apos; ist keine Platznummer (die Plätze zählen ab 1)</translation>
    </message>
    <message>
        <source>Slot %1 is out of range: the pedal has slots 1 to %2</source>
        <translation>Platz %1 gibt es nicht: das Pedal hat die Plätze 1 bis %2</translation>
    </message>
    <message>
        <source>%1 holds no song</source>
        <translation>%1 enthält keinen Song</translation>
    </message>
    <message>
        <source>No MIDI port pair named &apos;%1&apos; (corvanta-cli ports lists them)</source>
        <translation>Kein MIDI-Portpaar namens &apos;%1&apos; (corvanta-cli ports listet sie auf)</translation>
    </message>
    <message>
        <source>No MIDI port pairs</source>
        <translation>Keine MIDI-Portpaare</translation>
    </message>
    <message>
        <source>Export Song %1</source>
        <translation>Song %1 exportieren</translation>
    </message>
    <message>
        <source>Overwrite warning</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exist, continue to overwrite the song?</source>
        <translation>&apos;%1&apos; ist bereits belegt. Song überschreiben?</translation>
    </message>
    <message>
        <source>Import Song %1</source>
        <translation>Song %1 importieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Continue to delete song &apos;%1&apos; ?</source>
        <translation>Song &apos;%1&apos; wirklich löschen?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Successful!</source>
        <translation>Erfolgreich!</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>Fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Firmware update cancelled</source>
        <translation>Firmware-Update abgebrochen</translation>
    </message>
    <message>
        <source>Open web firmware info failed !</source>
        <translation>Die Firmware-Liste des Servers ließ sich nicht laden!</translation>
    </message>
    <message>
        <source>list the MIDI port pairs, * marks the one the port search picks</source>
        <translation>die MIDI-Portpaare auflisten, * markiert das, das die Portsuche wählt</translation>
    </message>
    <message>
        <source>Lists the pairs of same-named MIDI ports; * marks the pair the port search connects to.</source>
        <translation>Listet die Paare gleichnamiger MIDI-Ports auf; * markiert das Paar, mit dem sich die Portsuche verbindet.</translation>
    </message>
    <message>
        <source>the connected pedal: status, model, firmware, aux, slots, format, space</source>
        <translation>das angeschlossene Pedal: Status, Modell, Firmware, Aux, Plätze, Format, Speicher</translation>
    </message>
    <message>
        <source>Connects and prints the window title&apos;s status text, the model id and name, the firmware version, aux,
the number of song slots, the song format and, for a pedal that holds songs, how much of its song
area the songs use.</source>
        <translation>Verbindet sich und gibt den Status aus der Titelzeile des Fensters aus, Modellnummer und -name, die
Firmware-Version, Aux, die Zahl der Song-Plätze, das Song-Format und bei einem Pedal mit Songs, wie
viel seines Song-Speichers belegt ist.</translation>
    </message>
    <message>
        <source>one line per song slot, as the window lists them</source>
        <translation>eine Zeile je Song-Platz, wie das Fenster sie auflistet</translation>
    </message>
    <message>
        <source>export a song as a 48,000 Hz WAV file</source>
        <translation>einen Song als WAV-Datei mit 48.000 Hz exportieren</translation>
    </message>
    <message>
        <source>Exports the song of SLOT as a 48,000 Hz 24-bit WAV file, converted through 16 bits as the window does;
an existing FILE keeps its content on failure.
  --format flac  write FLAC instead of WAV
  --native       the pedal&apos;s own audio untouched: 46,875 Hz, 24-bit
  --hq           convert from the full 24 bits, without the 16-bit step</source>
        <translation>Exportiert den Song von SLOT als WAV-Datei mit 48.000 Hz und 24 Bit, über 16 Bit umgerechnet wie im
Fenster; eine vorhandene FILE behält bei einem Fehler ihren Inhalt.
  --format flac  FLAC statt WAV schreiben
  --native       das Audio des Pedals unverändert: 46.875 Hz, 24 Bit
  --hq           aus den vollen 24 Bit umrechnen, ohne den Schritt über 16 Bit</translation>
    </message>
    <message>
        <source>import an audio file into a slot</source>
        <translation>eine Audiodatei in einen Platz importieren</translation>
    </message>
    <message>
        <source>Imports FILE (WAV, AIFF, FLAC, Ogg, MP3 and whatever else libsndfile reads) into SLOT, converted to
the pedal&apos;s format. A used slot is overwritten only when the question is answered yes (--yes, or y
on a terminal). For a one-channel pedal the first channel is taken; --mix takes the mean of all
channels instead.</source>
        <translation>Importiert FILE (WAV, AIFF, FLAC, Ogg, MP3 und alles, was libsndfile sonst liest) in SLOT, umgerechnet
ins Format des Pedals. Ein belegter Platz wird nur überschrieben, wenn die Frage mit ja beantwortet
wird (--yes oder j im Terminal). Bei einem einkanaligen Pedal wird der erste Kanal genommen; --mix
nimmt stattdessen den Mittelwert aller Kanäle.</translation>
    </message>
    <message>
        <source>delete a song</source>
        <translation>einen Song löschen</translation>
    </message>
    <message>
        <source>Deletes the song of SLOT after a question; --yes answers it. Without --yes and without a terminal on
standard input the song is kept.</source>
        <translation>Löscht den Song von SLOT nach einer Rückfrage; --yes beantwortet sie. Ohne --yes und ohne Terminal auf
der Standardeingabe bleibt der Song erhalten.</translation>
    </message>
    <message>
        <source>every used slot as a WAV in the pedal&apos;s own format, plus a manifest</source>
        <translation>jeden belegten Platz als WAV im Format des Pedals, dazu ein Manifest</translation>
    </message>
    <message>
        <source>write a backup&apos;s songs back into their slots</source>
        <translation>die Songs einer Sicherung auf ihre Plätze zurückschreiben</translation>
    </message>
    <message>
        <source>decode a firmware file without a pedal</source>
        <translation>eine Firmware-Datei ohne Pedal entschlüsseln</translation>
    </message>
    <message>
        <source>Decodes FILE: its target model, its sections with their layouts and image sizes, or the decoder&apos;s error.</source>
        <translation>Entschlüsselt FILE: das Zielmodell, die Abschnitte mit ihren Layouts und Image-Größen oder den Fehler des Decoders.</translation>
    </message>
    <message>
        <source>update the pedal&apos;s firmware from a file</source>
        <translation>die Firmware des Pedals aus einer Datei aktualisieren</translation>
    </message>
    <message>
        <source>the update server&apos;s firmware list for the connected model</source>
        <translation>die Firmware-Liste des Update-Servers für das angeschlossene Modell</translation>
    </message>
    <message>
        <source>Prints the update server&apos;s firmware entries for the connected model: name, tab, URL.</source>
        <translation>Gibt die Firmware-Einträge des Update-Servers für das angeschlossene Modell aus: Name, Tabulator, URL.</translation>
    </message>
    <message>
        <source>Usage: corvanta-cli [--port NAME] VERB [ARGS]   (corvanta-cli --help lists the verbs)</source>
        <translation>Aufruf: corvanta-cli [--port NAME] BEFEHL [ARGUMENTE]   (corvanta-cli --help listet die Befehle auf)</translation>
    </message>
    <message>
        <source>Prints one line per slot with the window&apos;s list text.
  --long  for scripts: slot, length in seconds, channels and bytes, tab-separated (0 for an empty slot)</source>
        <translation>Gibt je Platz eine Zeile mit dem Text der Liste im Fenster aus.
  --long  für Skripte: Platz, Länge in Sekunden, Kanäle und Bytes, durch Tabulatoren getrennt
          (0 bei einem leeren Platz)</translation>
    </message>
    <message>
        <source>Updates the pedal&apos;s firmware from FILE after a question that names the model, the installed and the
file&apos;s firmware version and that the pedal must stay plugged in (--yes answers it and the others;
No is the default). A file that writes to the song flash is named in a question. --any-model lets a
file for another model through, as Shift does in the window, after a further question. Prints the
firmware version before and after. Ctrl-C stops the update only before its first erase.</source>
        <translation>Aktualisiert die Firmware des Pedals aus FILE nach einer Rückfrage, die das Modell, die installierte
und die Firmware-Version der Datei nennt und dass das Pedal angeschlossen bleiben muss (--yes
beantwortet sie und die anderen; Nein ist die Vorgabe). Eine Datei, die in den Song-Speicher schreibt,
wird in einer Rückfrage genannt. --any-model lässt nach einer weiteren Rückfrage eine Datei für ein
anderes Modell zu, wie Shift im Fenster. Gibt die Firmware-Version vorher und nachher aus. Strg+C
hält das Update nur vor dem ersten Löschen an.</translation>
    </message>
    <message>
        <source>Writes every used slot into DIR as song-NNN.wav (or song-NNN-b.wav) in the pedal&apos;s own format (its
rate, 24-bit, its channels) and manifest.json (model, firmware, per slot the file, its length, the
SHA-256 of the audio and the song&apos;s fingerprint), the manifest last: a folder without it is no
complete backup. Over an earlier backup of the pedal, a song whose fingerprint (its song info and
its first, middle and last audio page) and file are unchanged is kept without reading it; slots
now empty leave the backup. The earlier backup stays whole until the new manifest replaces it.
  --full  read every song; a change only between the pages the fingerprint reads is seen then</source>
        <translation>Schreibt jeden belegten Platz als song-NNN.wav (oder song-NNN-b.wav) im Format des Pedals (seine
Abtastrate, 24 Bit, seine Kanäle) nach DIR und dazu manifest.json (Modell, Firmware, je Platz die
Datei, ihre Länge, der SHA-256 des Audios und der Fingerabdruck des Songs), das Manifest zuletzt: ein
Ordner ohne Manifest ist keine vollständige Sicherung. Über einer früheren Sicherung des Pedals wird
ein Song, dessen Fingerabdruck (seine Song-Information und seine erste, mittlere und letzte Audioseite)
und Datei unverändert sind, behalten, ohne ihn zu lesen; jetzt leere Plätze fallen aus der Sicherung
heraus. Die frühere Sicherung bleibt vollständig erhalten, bis das neue Manifest sie ersetzt.
  --full  jeden Song lesen; nur dann wird eine Änderung erkannt, die allein zwischen den Seiten liegt,
          die der Fingerabdruck liest</translation>
    </message>
    <message>
        <source>Checks DIR&apos;s manifest against the pedal (model id) and every file against the manifest, then writes
the songs back into their slots, bit for bit. Slots the backup does not name keep their songs; a slot
whose fingerprint equals the backup&apos;s already holds the song and is not written. It stops at the
first failure, naming the slots restored and the slot that failed.
  --full  write every slot of the backup</source>
        <translation>Prüft das Manifest in DIR gegen das Pedal (Modellnummer) und jede Datei gegen das Manifest und schreibt
dann die Songs Bit für Bit auf ihre Plätze zurück. Plätze, die die Sicherung nicht nennt, behalten ihre
Songs; ein Platz, dessen Fingerabdruck dem der Sicherung gleicht, enthält den Song bereits und wird
nicht geschrieben. Beim ersten Fehler wird angehalten und die wiederhergestellten Plätze sowie der
fehlgeschlagene Platz werden genannt.
  --full  jeden Platz der Sicherung schreiben</translation>
    </message>
    <message>
        <source>what the program sees of the MIDI paths and the pedal, for a bug report</source>
        <translation>was das Programm von den MIDI-Wegen und dem Pedal sieht, für einen Fehlerbericht</translation>
    </message>
    <message>
        <source>Reports the MIDI paths (raw MIDI, the ALSA sequencer, JACK) with their ports, the sequencer&apos;s buffer
towards hardware and whether the pedal&apos;s frames fit it, every raw MIDI device with the program holding
it and its sequencer subscribers, device nodes this user may not open, and the pedal: found or not,
which path it is reached by and why, and what to do. Exit status 0 when a pedal is usable for every
command, 1 otherwise.</source>
        <translation>Meldet die MIDI-Wege (Raw-MIDI, ALSA-Sequencer, JACK) mit ihren Ports, den Puffer des Sequencers zur
Hardware und ob die Frames des Pedals hineinpassen, jedes Raw-MIDI-Gerät mit dem Programm, das es
belegt, und seinen Sequencer-Abonnenten, Gerätedateien, die dieser Benutzer nicht öffnen darf, und
das Pedal: gefunden oder nicht, über welchen Weg es erreicht wird und warum, und was zu tun ist.
Exit-Status 0, wenn ein Pedal für jeden Befehl nutzbar ist, sonst 1.</translation>
    </message>
</context>
<context>
    <name>CorvantaQT</name>
    <message>
        <source>Do not unplug the pedal</source>
        <translation>Pedal nicht abziehen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop the running operation (Esc)</source>
        <translation>Den laufenden Vorgang abbrechen (Esc)</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Wird abgebrochen…</translation>
    </message>
    <message>
        <source>Load song info failed !</source>
        <translation>Die Songs konnten nicht geladen werden!</translation>
    </message>
    <message>
        <source>Open firmware file</source>
        <translation>Firmware-Datei öffnen</translation>
    </message>
    <message>
        <source>DAT Files(*.dat)</source>
        <translation>DAT-Dateien(*.dat)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>The selected firmware version less or equal to the connected device, still update ?</source>
        <translation>Die gewählte Firmware-Version ist nicht neuer als die des angeschlossenen Geräts. Trotzdem aktualisieren?</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Download %1</translation>
    </message>
    <message>
        <source>No update file selected !</source>
        <translation>Keine Update-Datei gewählt!</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>Fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Successful!</source>
        <translation>Erfolgreich!</translation>
    </message>
    <message>
        <source>Firmware update cancelled</source>
        <translation>Firmware-Update abgebrochen</translation>
    </message>
    <message>
        <source>Download firmware failed !</source>
        <translation>Download der Firmware fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Open file &apos;%1&apos; failed, it may be occupied by other process</source>
        <translation>Die Datei &apos;%1&apos; lässt sich nicht öffnen, vielleicht benutzt ein anderes Programm sie</translation>
    </message>
    <message>
        <source>Open web firmware info failed !</source>
        <translation>Die Firmware-Liste des Servers ließ sich nicht laden!</translation>
    </message>
    <message>
        <source>Drop one audio file at a time: %1 were dropped</source>
        <translation>Bitte jeweils nur eine Audiodatei ablegen: abgelegt wurden %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file on this computer: only local files can be imported</source>
        <translation>&apos;%1&apos; ist keine Datei auf diesem Computer: nur lokale Dateien lassen sich importieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Backup all songs…</source>
        <translation>Alle Songs sichern…</translation>
    </message>
    <message>
        <source>Restore backup…</source>
        <translation>Sicherung wiederherstellen…</translation>
    </message>
    <message>
        <source>Backup all songs</source>
        <translation>Alle Songs sichern</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Open wav file</source>
        <translation>WAV-Datei öffnen</translation>
    </message>
    <message>
        <source>Wav Files(*.wav)</source>
        <translation>WAV-Dateien(*.wav)</translation>
    </message>
    <message>
        <source>Wav Files(*.wav);;FLAC Files(*.flac)</source>
        <translation>WAV-Dateien(*.wav);;FLAC-Dateien(*.flac)</translation>
    </message>
    <message>
        <source>Song %1</source>
        <translation>Song %1</translation>
    </message>
    <message>
        <source>Export Song %1</source>
        <translation>Song %1 exportieren</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exist, continue to overwrite the song?</source>
        <translation>&apos;%1&apos; ist bereits belegt. Song überschreiben?</translation>
    </message>
    <message>
        <source>Overwrite warning</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Import Song %1</source>
        <translation>Song %1 importieren</translation>
    </message>
    <message>
        <source>Continue to delete song &apos;%1&apos; ?</source>
        <translation>Song &apos;%1&apos; wirklich löschen?</translation>
    </message>
    <message>
        <source>A new version(V%1) is available, would you like to download ?</source>
        <translation>Eine neue Version (V%1) ist verfügbar. Jetzt herunterladen?</translation>
    </message>
    <message>
        <source>New version...</source>
        <translation>Neue Version…</translation>
    </message>
    <message>
        <source>Open a firmware file</source>
        <translation>Eine Firmware-Datei öffnen</translation>
    </message>
    <message>
        <source>Pedal: %1, firmware %2</source>
        <translation>Pedal: %1, Firmware %2</translation>
    </message>
    <message>
        <source>Listed file: none</source>
        <translation>Datei aus der Liste: keine</translation>
    </message>
    <message>
        <source>Listed file: firmware %1, %2</source>
        <translation>Datei aus der Liste: Firmware %1, %2</translation>
    </message>
    <message>
        <source>File: none chosen</source>
        <translation>Datei: keine gewählt</translation>
    </message>
    <message>
        <source>File: not usable (%1)</source>
        <translation>Datei: nicht verwendbar (%1)</translation>
    </message>
    <message>
        <source>File: it does not name its firmware version</source>
        <translation>Datei: ohne Angabe der Firmware-Version</translation>
    </message>
    <message>
        <source>File: firmware %1, %2</source>
        <translation>Datei: Firmware %1, %2</translation>
    </message>
    <message>
        <source>Song %1: %2, %3, %4 MB</source>
        <translation>Song %1: %2, %3, %4 MB</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>Audiodateien</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 channels; the pedal&apos;s songs have one. Which should the song hold ?</source>
        <translation>&apos;%1&apos; hat %2 Kanäle, die Songs des Pedals haben einen. Was soll der Song enthalten?</translation>
    </message>
    <message>
        <source>Mix of all channels</source>
        <translation>Mischung aller Kanäle</translation>
    </message>
    <message>
        <source>First channel</source>
        <translation>Erster Kanal</translation>
    </message>
</context>
<context>
    <name>CorvantaQTClass</name>
    <message>
        <source>Song Edit</source>
        <translation>Songs bearbeiten</translation>
    </message>
    <message>
        <source>Song List</source>
        <translation>Song-Liste</translation>
    </message>
    <message>
        <source>Edit Song</source>
        <translation>Song bearbeiten</translation>
    </message>
    <message>
        <source>Export the selected song as a wav file</source>
        <translation>Den gewählten Song als WAV-Datei exportieren</translation>
    </message>
    <message>
        <source> Export      </source>
        <translation> Exportieren </translation>
    </message>
    <message>
        <source>Import a wav file to the selected song</source>
        <translation>Eine WAV-Datei in den gewählten Song importieren</translation>
    </message>
    <message>
        <source> Import      </source>
        <translation> Importieren </translation>
    </message>
    <message>
        <source>Delte the selected song</source>
        <translation>Den gewählten Song löschen</translation>
    </message>
    <message>
        <source> Delete      </source>
        <translation> Löschen     </translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Firmware File</source>
        <translation>Firmware-Datei</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Open a firmware file</source>
        <translation>Eine Firmware-Datei öffnen</translation>
    </message>
    <message>
        <source>Select local file for updating</source>
        <translation>Lokale Datei für das Update wählen</translation>
    </message>
    <message>
        <source>Firmware list</source>
        <translation>Firmware-Liste</translation>
    </message>
    <message>
        <source>  Update     </source>
        <translation>  Update     </translation>
    </message>
</context>
<context>
    <name>DeviceModels</name>
    <message>
        <source>Unknown Device</source>
        <translation>Unbekanntes Gerät</translation>
    </message>
    <message>
        <source>%1 - (No device connected !)</source>
        <translation>%1 - (Kein Gerät angeschlossen!)</translation>
    </message>
    <message>
        <source>%1 - (Please enter update mode !)</source>
        <translation>%1 - (Bitte den Update-Modus aktivieren!)</translation>
    </message>
    <message>
        <source>%1 - (Unknown device connected !)</source>
        <translation>%1 - (Unbekanntes Gerät angeschlossen!)</translation>
    </message>
    <message>
        <source>%1 - (Connected - %2, Ver=V%3)</source>
        <translation>%1 - (Verbunden - %2, Ver=V%3)</translation>
    </message>
</context>
<context>
    <name>FirmwareFile</name>
    <message>
        <source>Open file failed</source>
        <translation>Öffnen der Datei fehlgeschlagen</translation>
    </message>
    <message>
        <source>File Token Error</source>
        <translation>Dateikennung fehlerhaft</translation>
    </message>
    <message>
        <source>File header checksum Error</source>
        <translation>Prüfsummenfehler im Dateikopf</translation>
    </message>
    <message>
        <source>The file declares %1 sections; at most %2 are possible</source>
        <translation>Die Datei gibt %1 Abschnitte an; möglich sind höchstens %2</translation>
    </message>
    <message>
        <source>Data%1l header checksum Error</source>
        <translation>Prüfsummenfehler im Kopf von Data%1l</translation>
    </message>
    <message>
        <source>The section records lie beyond the end of the file</source>
        <translation>Die Abschnittseinträge liegen hinter dem Dateiende</translation>
    </message>
    <message>
        <source>Section %1 lies beyond the end of the file</source>
        <translation>Abschnitt %1 liegt hinter dem Dateiende</translation>
    </message>
    <message>
        <source>Section %1 declares more data than its packed block can hold</source>
        <translation>Abschnitt %1 gibt mehr Daten an, als sein gepackter Block fassen kann</translation>
    </message>
    <message>
        <source>decode bin file failed</source>
        <translation>Entpacken der Bin-Datei fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>The firmware file changed during the update</source>
        <translation>Die Firmware-Datei hat sich während des Updates geändert</translation>
    </message>
    <message>
        <source>Read firmware file failed</source>
        <translation>Die Firmware-Datei ließ sich nicht lesen</translation>
    </message>
    <message>
        <source>File not match the connected device,please confirm</source>
        <translation>Die Datei passt nicht zum angeschlossenen Gerät, bitte prüfen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>The file is for model %1, the pedal is model %2. Update anyway ?</source>
        <translation>Die Datei ist für Modell %1, das Pedal ist Modell %2. Trotzdem aktualisieren?</translation>
    </message>
    <message>
        <source>The firmware file holds no sections</source>
        <translation>Die Firmware-Datei enthält keine Abschnitte</translation>
    </message>
    <message>
        <source>Section %1 has no flash range</source>
        <translation>Abschnitt %1 hat keinen Flash-Bereich</translation>
    </message>
    <message>
        <source>Section %1 targets flash %2; the pedal has flashes 0 and 1</source>
        <translation>Abschnitt %1 zielt auf Flash %2; das Pedal hat die Flash-Speicher 0 und 1</translation>
    </message>
    <message>
        <source>Space not enough !</source>
        <translation>Nicht genug Speicher!</translation>
    </message>
    <message>
        <source>Section %1 holds an empty image</source>
        <translation>Abschnitt %1 enthält ein leeres Image</translation>
    </message>
    <message>
        <source>Sections %1 and %2 overlap on flash %3</source>
        <translation>Die Abschnitte %1 und %2 überlappen sich in Flash %3</translation>
    </message>
    <message>
        <source>section %1 of %2 (0x%3 to 0x%4)</source>
        <translation>Abschnitt %1 von %2 (0x%3 bis 0x%4)</translation>
    </message>
    <message>
        <source>This firmware writes to the song flash: %1. Recorded songs there may be overwritten. Go on with the update ?</source>
        <translation>Diese Firmware schreibt in den Song-Speicher: %1. Aufgenommene Songs dort können überschrieben werden. Mit dem Update fortfahren?</translation>
    </message>
    <message>
        <source>Erase sector failed,address=0x%1</source>
        <translation>Löschen des Sektors fehlgeschlagen, Adresse=0x%1</translation>
    </message>
    <message>
        <source>Write data failed !</source>
        <translation>Schreiben der Daten fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Verify data failed</source>
        <translation>Prüfen der Daten fehlgeschlagen</translation>
    </message>
    <message>
        <source>Write data timeout !</source>
        <translation>Zeitüberschreitung beim Schreiben der Daten!</translation>
    </message>
    <message>
        <source>%1

%2 failed at 0x%3. The pedal may not start normally now: keep it connected and run the same update again. If it no longer answers, its manual describes how to enter update mode.</source>
        <translation>%1

%2 ist bei 0x%3 fehlgeschlagen. Das Pedal startet jetzt vielleicht nicht normal: Lassen Sie es angeschlossen und führen Sie dasselbe Update noch einmal aus. Antwortet es nicht mehr, beschreibt seine Anleitung, wie man den Update-Modus aktiviert.</translation>
    </message>
</context>
<context>
    <name>FirmwareVersion</name>
    <message>
        <source>pedal of model %1</source>
        <translation>Pedal des Modells %1</translation>
    </message>
    <message>
        <source>the pedal&apos;s own version is not known</source>
        <translation>die Version des Pedals ist unbekannt</translation>
    </message>
    <message>
        <source>newer than the pedal&apos;s</source>
        <translation>neuer als die des Pedals</translation>
    </message>
    <message>
        <source>the same as the pedal&apos;s</source>
        <translation>dieselbe wie die des Pedals</translation>
    </message>
    <message>
        <source>older than the pedal&apos;s</source>
        <translation>älter als die des Pedals</translation>
    </message>
    <message>
        <source>The pedal&apos;s firmware is erased and written anew: keep the pedal plugged in until the result is shown.</source>
        <translation>Die Firmware des Pedals wird gelöscht und neu geschrieben: das Pedal angeschlossen lassen, bis das Ergebnis angezeigt wird.</translation>
    </message>
    <message>
        <source>Update the %1 (firmware %2) from a file that does not name its version ?
%3</source>
        <translation>%1 (Firmware %2) mit einer Datei ohne Versionsangabe aktualisieren?
%3</translation>
    </message>
    <message>
        <source>Update the %1 from firmware %2 to %3 (%4) ?
%5</source>
        <translation>%1 von Firmware %2 auf %3 (%4) aktualisieren?
%5</translation>
    </message>
</context>
<context>
    <name>FlashLayout</name>
    <message>
        <source>Write layout file failed</source>
        <translation>Schreiben der Layout-Datei fehlgeschlagen</translation>
    </message>
    <message>
        <source>All FLASH should be same type!</source>
        <translation>Alle FLASH müssen vom selben Typ sein!</translation>
    </message>
    <message>
        <source>FLASH start address is empty</source>
        <translation>Startadresse des FLASH fehlt</translation>
    </message>
    <message>
        <source>%1 address not follow the last flash</source>
        <translation>%1: Adresse schließt nicht an den vorigen Flash an</translation>
    </message>
    <message>
        <source>FLASH end address is empty</source>
        <translation>Endadresse des FLASH fehlt</translation>
    </message>
    <message>
        <source>%1 end address is below its start address</source>
        <translation>%1: Endadresse liegt unter der Startadresse</translation>
    </message>
    <message>
        <source>%1 sector size is 0</source>
        <translation>%1: Sektorgröße ist 0</translation>
    </message>
    <message>
        <source>%1 has more than %2 sectors</source>
        <translation>%1 hat mehr als %2 Sektoren</translation>
    </message>
    <message>
        <source>The flash ranges add up to more than 4 GiB</source>
        <translation>Die Flash-Bereiche ergeben zusammen mehr als 4 GiB</translation>
    </message>
</context>
<context>
    <name>LooperSongBase</name>
    <message>
        <source>Error:Block chain %1 greater than %2</source>
        <translation>Fehler: Blockkette %1 größer als %2</translation>
    </message>
</context>
<context>
    <name>LooperSongList</name>
    <message>
        <source>Song %1 -- (%2  MB)</source>
        <translation>Song %1 -- (%2  MB)</translation>
    </message>
</context>
<context>
    <name>Midi</name>
    <message>
        <source>Load snd-seq-midi with output_buffer_size=%1: the Corvanta package&apos;s /etc/modprobe.d/corvanta.conf does so from the module&apos;s next load (after a reboot, or with every MIDI program closed: sudo modprobe -r snd-seq-midi &amp;&amp; sudo modprobe snd-seq-midi). Or close the programs that use the pedal, so that it is reached through raw MIDI.</source>
        <translation>snd-seq-midi mit output_buffer_size=%1 laden: Die Datei /etc/modprobe.d/corvanta.conf aus dem Corvanta-Paket erledigt das ab dem nächsten Laden des Moduls (nach einem Neustart oder wenn alle MIDI-Programme geschlossen sind: sudo modprobe -r snd-seq-midi &amp;&amp; sudo modprobe snd-seq-midi). Oder die Programme schließen, die das Pedal verwenden, damit es über Raw-MIDI erreicht wird.</translation>
    </message>
    <message>
        <source>ask the administrator for access to %1</source>
        <translation>den Administrator um Zugriff auf %1 bitten</translation>
    </message>
    <message>
        <source>%1 belongs to the group %2. Add yourself to it (sudo usermod -aG %2 $USER) and log in again.</source>
        <translation>%1 gehört der Gruppe %2. Fügen Sie sich ihr hinzu (sudo usermod -aG %2 $USER) und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>The pedal &quot;%1&quot; is shared through the ALSA sequencer with %2, whose buffer carries at most %3 bytes; the pedal&apos;s writes need %4. Nothing was changed on the pedal; its songs can be listed and exported meanwhile. %5</source>
        <translation>Das Pedal &quot;%1&quot; wird mit %2 über den ALSA-Sequencer geteilt, dessen Puffer höchstens %3 Bytes fasst; die Schreibvorgänge des Pedals brauchen %4. Am Pedal wurde nichts geändert; seine Songs lassen sich inzwischen auflisten und exportieren. %5</translation>
    </message>
</context>
<context>
    <name>MidiPortPair</name>
    <message>
        <source>frame too large for the transmit buffer</source>
        <translation>Frame zu groß für den Sendepuffer</translation>
    </message>
</context>
<context>
    <name>PortSearch</name>
    <message>
        <source>Please replug the USB cable to enter update mode!</source>
        <translation>Bitte das USB-Kabel neu einstecken, um in den Update-Modus zu wechseln!</translation>
    </message>
    <message>
        <source>You should enter update mode first! For how to enter update mode, please refer to the manual</source>
        <translation>Aktivieren Sie zuerst den Update-Modus! Wie das geht, steht in der Anleitung</translation>
    </message>
</context>
<context>
    <name>ProgressMeter</name>
    <message>
        <source>%1 of %2 MB</source>
        <translation>%1 von %2 MB</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
</context>
<context>
    <name>RawMidi</name>
    <message>
        <source>invalid input port number</source>
        <translation>ungültige Nummer des Eingangsports</translation>
    </message>
    <message>
        <source>invalid output port number</source>
        <translation>ungültige Nummer des Ausgangsports</translation>
    </message>
    <message>
        <source>a port is already open</source>
        <translation>ein Port ist bereits geöffnet</translation>
    </message>
    <message>
        <source>output port is not open</source>
        <translation>der Ausgangsport ist nicht geöffnet</translation>
    </message>
    <message>
        <source>cannot open MIDI device %1: %2</source>
        <translation>das MIDI-Gerät %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>cannot read MIDI device %1: no pipe for its reader</source>
        <translation>das MIDI-Gerät %1 lässt sich nicht lesen: keine Pipe für seinen Leser</translation>
    </message>
    <message>
        <source>MIDI device %1 refused the message after %2 of %3 bytes: %4</source>
        <translation>Das MIDI-Gerät %1 hat die Nachricht nach %2 von %3 Bytes abgelehnt: %4</translation>
    </message>
    <message>
        <source>MIDI device %1 took no data for %2 s; %3 of %4 bytes were sent</source>
        <translation>Das MIDI-Gerät %1 hat %2 s lang keine Daten angenommen; %3 von %4 Bytes wurden gesendet</translation>
    </message>
    <message>
        <source>MIDI device %1 went away while a message was being sent</source>
        <translation>Das MIDI-Gerät %1 ist verschwunden, während eine Nachricht gesendet wurde</translation>
    </message>
    <message>
        <source>MIDI device %1 is in use by %2</source>
        <translation>Das MIDI-Gerät %1 wird von %2 belegt</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>einem anderen Programm</translation>
    </message>
    <message>
        <source>no permission to open MIDI device %1: %2</source>
        <translation>keine Berechtigung, das MIDI-Gerät %1 zu öffnen: %2</translation>
    </message>
</context>
<context>
    <name>RtMidi</name>
    <message>
        <source>unknown MIDI API in CORVANTA_MIDI_API: %1</source>
        <translation>unbekannte MIDI-API in CORVANTA_MIDI_API: %1</translation>
    </message>
    <message>
        <source>no MIDI API is available</source>
        <translation>keine MIDI-API verfügbar</translation>
    </message>
    <message>
        <source>A MIDI message of %1 bytes cannot cross the ALSA sequencer (at most %2 bytes), so it was not sent. %3</source>
        <translation>Eine MIDI-Nachricht von %1 Bytes passt nicht durch den ALSA-Sequencer (höchstens %2 Bytes) und wurde daher nicht gesendet. %3</translation>
    </message>
</context>
<context>
    <name>SongBackup</name>
    <message>
        <source>&apos;%1&apos; is not the song the backup recorded</source>
        <translation>&apos;%1&apos; ist nicht der Song, den die Sicherung verzeichnet hat</translation>
    </message>
    <message>
        <source>Backup cancelled; the earlier backup in &apos;%1&apos; is unchanged</source>
        <translation>Sicherung abgebrochen; die frühere Sicherung in &apos;%1&apos; ist unverändert</translation>
    </message>
    <message>
        <source>Backup cancelled; no backup was written to &apos;%1&apos;</source>
        <translation>Sicherung abgebrochen; nach &apos;%1&apos; wurde keine Sicherung geschrieben</translation>
    </message>
    <message>
        <source>Restore cancelled: no slot was restored; every slot keeps its song</source>
        <translation>Wiederherstellung abgebrochen: kein Platz wurde wiederhergestellt; jeder Platz behält seinen Song</translation>
    </message>
    <message>
        <source>Restore cancelled: slot %1 was restored; the others keep their songs</source>
        <translation>Wiederherstellung abgebrochen: Platz %1 wurde wiederhergestellt; die anderen behalten ihre Songs</translation>
    </message>
    <message>
        <source>Restore cancelled: slots %1 were restored; the others keep their songs</source>
        <translation>Wiederherstellung abgebrochen: die Plätze %1 wurden wiederhergestellt; die anderen behalten ihre Songs</translation>
    </message>
    <message>
        <source>Cannot write the backup folder &apos;%1&apos;</source>
        <translation>In den Sicherungsordner &apos;%1&apos; lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>Backup Song %1 (%2 of %3)</source>
        <translation>Song %1 sichern (%2 von %3)</translation>
    </message>
    <message>
        <source>Song %1: %2</source>
        <translation>Song %1: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no complete backup (its %2 is missing or unreadable)</source>
        <translation>&apos;%1&apos; enthält keine vollständige Sicherung (%2 fehlt oder ist unlesbar)</translation>
    </message>
    <message>
        <source>The backup is of model %1, the pedal is model %2</source>
        <translation>Die Sicherung stammt von Modell %1, das Pedal ist Modell %2</translation>
    </message>
    <message>
        <source>The backup&apos;s entry for slot %1 is not valid</source>
        <translation>Der Eintrag der Sicherung für Platz %1 ist ungültig</translation>
    </message>
    <message>
        <source>Restore %1 songs from &apos;%2&apos; (%3 used slots are overwritten) ?</source>
        <translation>%1 Songs aus &apos;%2&apos; wiederherstellen (%3 belegte Plätze werden überschrieben)?</translation>
    </message>
    <message>
        <source>Restore Song %1 (%2 of %3)</source>
        <translation>Song %1 wiederherstellen (%2 von %3)</translation>
    </message>
    <message>
        <source>Song %1 unchanged</source>
        <translation>Song %1 unverändert</translation>
    </message>
    <message>
        <source>Cannot write the backup folder &apos;%1&apos;; the earlier backup in it is unchanged</source>
        <translation>In den Sicherungsordner &apos;%1&apos; lässt sich nicht schreiben; die frühere Sicherung darin ist unverändert</translation>
    </message>
    <message>
        <source>Backup done: %1 read, %2 unchanged</source>
        <translation>Sicherung fertig: %1 gelesen, %2 unverändert</translation>
    </message>
    <message>
        <source>Restore failed at slot %1 (%2): no slot was restored; the slots after it were not written</source>
        <translation>Wiederherstellung bei Platz %1 fehlgeschlagen (%2): kein Platz wurde wiederhergestellt; die Plätze danach wurden nicht geschrieben</translation>
    </message>
    <message>
        <source>Restore failed at slot %1 (%2): slot %3 was restored; the slots after it were not written</source>
        <translation>Wiederherstellung bei Platz %1 fehlgeschlagen (%2): Platz %3 wurde wiederhergestellt; die Plätze danach wurden nicht geschrieben</translation>
    </message>
    <message>
        <source>Restore failed at slot %1 (%2): slots %3 were restored; the slots after it were not written</source>
        <translation>Wiederherstellung bei Platz %1 fehlgeschlagen (%2): die Plätze %3 wurden wiederhergestellt; die Plätze danach wurden nicht geschrieben</translation>
    </message>
    <message>
        <source>Song %1 already there</source>
        <translation>Song %1 bereits vorhanden</translation>
    </message>
    <message>
        <source>Restore done: %1 written, %2 already there</source>
        <translation>Wiederherstellung fertig: %1 geschrieben, %2 bereits vorhanden</translation>
    </message>
    <message>
        <source>Restore %1 songs from &apos;%2&apos; (%3 used slots are overwritten, %4 songs already there are kept) ?</source>
        <translation>%1 Songs aus &apos;%2&apos; wiederherstellen (%3 belegte Plätze werden überschrieben, %4 bereits vorhandene Songs bleiben)?</translation>
    </message>
</context>
<context>
    <name>SongResult</name>
    <message>
        <source>Successful !</source>
        <translation>Erfolgreich!</translation>
    </message>
    <message>
        <source>Device not open !</source>
        <translation>Gerät nicht geöffnet!</translation>
    </message>
    <message>
        <source>Device not support !</source>
        <translation>Gerät nicht unterstützt!</translation>
    </message>
    <message>
        <source>Read data failed!</source>
        <translation>Lesen der Daten fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Checksum error!</source>
        <translation>Prüfsummenfehler!</translation>
    </message>
    <message>
        <source>Space not enough!</source>
        <translation>Nicht genug Speicher!</translation>
    </message>
    <message>
        <source>File too large!</source>
        <translation>Datei zu groß!</translation>
    </message>
    <message>
        <source>FLASH erase failed!</source>
        <translation>Löschen des Flash-Speichers fehlgeschlagen!</translation>
    </message>
    <message>
        <source>File info erase failed!</source>
        <translation>Löschen der Dateiinformation fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Write wav flag failed!</source>
        <translation>Schreiben der WAV-Markierung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Failed !</source>
        <translation>Fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Write data failed!</source>
        <translation>Schreiben der Daten fehlgeschlagen!</translation>
    </message>
</context>
<context>
    <name>SongSpace</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Used %1 of %2</source>
        <translation>%1 von %2 belegt</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2, the pedal has %3 free</source>
        <translation>&apos;%1&apos; braucht %2, auf dem Pedal sind %3 frei</translation>
    </message>
</context>
<context>
    <name>SongTransfer</name>
    <message>
        <source>Song %1 -- (Damaged)</source>
        <translation>Song %1 -- (Beschädigt)</translation>
    </message>
    <message>
        <source>Song %1 -- (Empty)</source>
        <translation>Song %1 -- (Leer)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read: its song info fails its checksum. Import a song into the slot or delete it.</source>
        <translation>&apos;%1&apos; lässt sich nicht lesen: die Song-Information besteht ihre Prüfsumme nicht. Importieren Sie einen Song in den Platz oder löschen Sie ihn.</translation>
    </message>
    <message>
        <source>Export cancelled</source>
        <translation>Export abgebrochen</translation>
    </message>
    <message>
        <source>Import cancelled</source>
        <translation>Import abgebrochen</translation>
    </message>
    <message>
        <source>Audio file &apos;%1&apos; is too short: it gives the song %2 of the %3 frames a song needs at least</source>
        <translation>Die Audiodatei &apos;%1&apos; ist zu kurz: sie liefert dem Song %2 Frames, ein Song braucht aber mindestens %3</translation>
    </message>
</context>
<context>
    <name>USBPort</name>
    <message>
        <source>Checksum错误,算出来是%1, 包内校验是%2</source>
        <translation>Prüfsummenfehler, berechnet %1, im Paket %2</translation>
    </message>
    <message>
        <source>the pedal&apos;s MIDI ports are gone</source>
        <translation>die MIDI-Ports des Pedals sind verschwunden</translation>
    </message>
    <message>
        <source>Data length error</source>
        <translation>Fehler in der Datenlänge</translation>
    </message>
    <message>
        <source>Cmd type error</source>
        <translation>Fehler im Befehlstyp</translation>
    </message>
    <message>
        <source>读取回复码长度错误,需要%1字节,收到%2字节</source>
        <translation>Falsche Länge des Antwortcodes: %1 Bytes erwartet, %2 Bytes erhalten</translation>
    </message>
    <message>
        <source>Data length error,need %1 bytes,got %2 bytes</source>
        <translation>Fehler in der Datenlänge: %1 Bytes erwartet, %2 Bytes erhalten</translation>
    </message>
</context>
<context>
    <name>UpdatePlan</name>
    <message>
        <source>Erase of section %1 of %2</source>
        <translation>Löschen von Abschnitt %1 von %2</translation>
    </message>
    <message>
        <source>Erase section %1 of %2</source>
        <translation>Abschnitt %1 von %2 löschen</translation>
    </message>
    <message>
        <source>Write of section %1 of %2</source>
        <translation>Schreiben von Abschnitt %1 von %2</translation>
    </message>
    <message>
        <source>Write section %1 of %2</source>
        <translation>Abschnitt %1 von %2 schreiben</translation>
    </message>
    <message>
        <source>Verify of section %1 of %2</source>
        <translation>Prüfen von Abschnitt %1 von %2</translation>
    </message>
    <message>
        <source>Verify section %1 of %2</source>
        <translation>Abschnitt %1 von %2 prüfen</translation>
    </message>
</context>
<context>
    <name>UpdateProgress</name>
    <message>
        <source>The firmware update cannot be stopped once it erases the flash: it goes on. Do not unplug the pedal.</source>
        <translation>Das Firmware-Update lässt sich nicht mehr anhalten, sobald es den Flash-Speicher löscht: es läuft weiter. Das Pedal nicht abziehen.</translation>
    </message>
</context>
<context>
    <name>Wave</name>
    <message>
        <source>RIFF not found</source>
        <translation>RIFF nicht gefunden</translation>
    </message>
    <message>
        <source>WAVEfmt not found</source>
        <translation>WAVEfmt nicht gefunden</translation>
    </message>
    <message>
        <source>data segment not found</source>
        <translation>Datensegment nicht gefunden</translation>
    </message>
    <message>
        <source>has an unusable format: %1 bytes per frame, %2 frames and %3 bytes per second</source>
        <translation>hat ein unbrauchbares Format: %1 Bytes je Frame, %2 Frames und %3 Bytes je Sekunde</translation>
    </message>
    <message>
        <source>Wave file &apos;%1&apos; %2</source>
        <translation>WAV-Datei &apos;%1&apos;: %2</translation>
    </message>
</context>
</TS>
