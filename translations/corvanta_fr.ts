<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AppFiles</name>
    <message>
        <source>Open file &apos;%1&apos; failed, it may be occupied by other process</source>
        <translation>Impossible d&apos;ouvrir le fichier &apos;%1&apos; ; il est peut-être utilisé par un autre programme</translation>
    </message>
    <message>
        <source>Write file &apos;%1&apos; failed</source>
        <translation>Impossible d&apos;écrire le fichier &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>AudioImport</name>
    <message>
        <source>Audio file &apos;%1&apos; has a sample rate of %2 Hz: only 1,000 to 768,000 Hz can be imported</source>
        <translation>Le fichier audio &apos;%1&apos; a une fréquence d&apos;échantillonnage de %2 Hz : seules les fréquences de 1 000 à 768 000 Hz peuvent être importées</translation>
    </message>
    <message>
        <source>Audio file &apos;%1&apos; cannot be read: %2</source>
        <translation>Impossible de lire le fichier audio &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <source>it could not be read to its end</source>
        <translation>il n&apos;a pas pu être lu jusqu&apos;au bout</translation>
    </message>
    <message>
        <source>it ends after %1 of its %2 frames</source>
        <translation>il s&apos;arrête après %1 de ses %2 trames</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Usage: corvanta-cli [--port NAME] %1 %2

%3
</source>
        <translation>Utilisation : corvanta-cli [--port NOM] %1 %2

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
        <translation>Utilisation : corvanta-cli [--port NOM] COMMANDE [ARGUMENTS]

Les commandes de la fenêtre Corvanta pour une pédale en USB MIDI.
Les emplacements sont numérotés comme dans la fenêtre (1 = &quot;Morceau 001&quot;).

Options :
  --port NOM    utiliser la paire de ports MIDI NOM au lieu de chercher
  --help        ce texte ; après une commande, l&apos;aide de la commande

Commandes :
%1
Ctrl-C ou SIGTERM pendant export, import, backup ou restore l&apos;arrête au bloc suivant :
un fichier exporté n&apos;est pas écrit, un emplacement garde son morceau sauf si son import était terminé.
Une mise à jour ne s&apos;arrête qu&apos;avant son premier effacement ; ensuite, tout signal est refusé.
Les messages et les questions vont sur la sortie d&apos;erreur, dans la langue du système ;
les données de la sortie standard (ports, info, list, catalogue, firmware-info et les
versions après une mise à jour) restent en anglais dans toutes les langues, pour les scripts.
Code de sortie : 0 succès, 1 échec, 2 erreur d&apos;utilisation, 130 annulé.
</translation>
    </message>
    <message>
        <source>--format needs wav or flac</source>
        <translation>--format attend wav ou flac</translation>
    </message>
    <message>
        <source>--port needs a port name</source>
        <translation>--port attend un nom de port</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>unknown verb &apos;%1&apos;</source>
        <translation>commande inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <translation>%1 attend %2</translation>
    </message>
    <message>
        <source>%1 takes no --yes</source>
        <translation>%1 n&apos;accepte pas --yes</translation>
    </message>
    <message>
        <source>%1 takes no --any-model</source>
        <translation>%1 n&apos;accepte pas --any-model</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 n&apos;accepte pas %2</translation>
    </message>
</context>
<context>
    <name>CliPrompt</name>
    <message>
        <source>y</source>
        <translation>o</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>%1 yes (--yes)
</source>
        <translation>%1 oui (--yes)
</translation>
    </message>
    <message>
        <source>%1 no: standard input is not a terminal, add --yes to answer yes
</source>
        <translation>%1 non : l&apos;entrée standard n&apos;est pas un terminal, ajoutez --yes pour répondre oui
</translation>
    </message>
    <message>
        <source>%1 [y/N] </source>
        <translation>%1 [o/N] </translation>
    </message>
    <message>
        <source>no
</source>
        <translation>non
</translation>
    </message>
</context>
<context>
    <name>CliVerbs</name>
    <message>
        <source>&apos;%1&apos; is no slot number (slots count from 1)</source>
        <translation>&apos;%1&apos; n&apos;est pas un numéro d&apos;emplacement (les emplacements commencent à 1)</translation>
    </message>
    <message>
        <source>Slot %1 is out of range: the pedal has slots 1 to %2</source>
        <translation>L&apos;emplacement %1 n&apos;existe pas : la pédale a les emplacements 1 à %2</translation>
    </message>
    <message>
        <source>%1 holds no song</source>
        <translation>%1 ne contient aucun morceau</translation>
    </message>
    <message>
        <source>No MIDI port pair named &apos;%1&apos; (corvanta-cli ports lists them)</source>
        <translation>Aucune paire de ports MIDI nommée &apos;%1&apos; (corvanta-cli ports les liste)</translation>
    </message>
    <message>
        <source>No MIDI port pairs</source>
        <translation>Aucune paire de ports MIDI</translation>
    </message>
    <message>
        <source>Export Song %1</source>
        <translation>Export du morceau %1</translation>
    </message>
    <message>
        <source>Overwrite warning</source>
        <translation>Avertissement d&apos;écrasement</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exist, continue to overwrite the song?</source>
        <translation>&apos;%1&apos; existe déjà, écraser le morceau ?</translation>
    </message>
    <message>
        <source>Import Song %1</source>
        <translation>Import du morceau %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Continue to delete song &apos;%1&apos; ?</source>
        <translation>Supprimer le morceau &apos;%1&apos; ?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Successful!</source>
        <translation>Réussi !</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>Échec !</translation>
    </message>
    <message>
        <source>Firmware update cancelled</source>
        <translation>Mise à jour du micrologiciel annulée</translation>
    </message>
    <message>
        <source>Open web firmware info failed !</source>
        <translation>Impossible de charger la liste des micrologiciels du serveur !</translation>
    </message>
    <message>
        <source>list the MIDI port pairs, * marks the one the port search picks</source>
        <translation>lister les paires de ports MIDI, * marque celle que choisit la recherche</translation>
    </message>
    <message>
        <source>Lists the pairs of same-named MIDI ports; * marks the pair the port search connects to.</source>
        <translation>Liste les paires de ports MIDI de même nom ; * marque la paire à laquelle la recherche de ports se connecte.</translation>
    </message>
    <message>
        <source>the connected pedal: status, model, firmware, aux, slots, format, space</source>
        <translation>la pédale connectée : état, modèle, micrologiciel, aux, emplacements, format, espace</translation>
    </message>
    <message>
        <source>Connects and prints the window title&apos;s status text, the model id and name, the firmware version, aux,
the number of song slots, the song format and, for a pedal that holds songs, how much of its song
area the songs use.</source>
        <translation>Se connecte et affiche l&apos;état du titre de la fenêtre, le numéro et le nom du modèle, la version du
micrologiciel, aux, le nombre d&apos;emplacements, le format des morceaux et, pour une pédale qui contient
des morceaux, la place qu&apos;ils occupent dans sa zone de morceaux.</translation>
    </message>
    <message>
        <source>one line per song slot, as the window lists them</source>
        <translation>une ligne par emplacement, comme la fenêtre les liste</translation>
    </message>
    <message>
        <source>export a song as a 48,000 Hz WAV file</source>
        <translation>exporter un morceau en fichier WAV à 48 000 Hz</translation>
    </message>
    <message>
        <source>Exports the song of SLOT as a 48,000 Hz 24-bit WAV file, converted through 16 bits as the window does;
an existing FILE keeps its content on failure.
  --format flac  write FLAC instead of WAV
  --native       the pedal&apos;s own audio untouched: 46,875 Hz, 24-bit
  --hq           convert from the full 24 bits, without the 16-bit step</source>
        <translation>Exporte le morceau de SLOT en fichier WAV à 48 000 Hz et 24 bits, converti en passant par 16 bits comme
le fait la fenêtre ; un FILE existant garde son contenu en cas d&apos;échec.
  --format flac  écrire du FLAC au lieu du WAV
  --native       l&apos;audio de la pédale tel quel : 46 875 Hz, 24 bits
  --hq           convertir depuis les 24 bits complets, sans l&apos;étape en 16 bits</translation>
    </message>
    <message>
        <source>import an audio file into a slot</source>
        <translation>importer un fichier audio dans un emplacement</translation>
    </message>
    <message>
        <source>Imports FILE (WAV, AIFF, FLAC, Ogg, MP3 and whatever else libsndfile reads) into SLOT, converted to
the pedal&apos;s format. A used slot is overwritten only when the question is answered yes (--yes, or y
on a terminal). For a one-channel pedal the first channel is taken; --mix takes the mean of all
channels instead.</source>
        <translation>Importe FILE (WAV, AIFF, FLAC, Ogg, MP3 et tout ce que libsndfile lit) dans SLOT, converti au format
de la pédale. Un emplacement occupé n&apos;est écrasé que si l&apos;on répond oui à la question (--yes, ou o
dans un terminal). Pour une pédale à un canal, le premier canal est pris ; --mix prend plutôt la
moyenne de tous les canaux.</translation>
    </message>
    <message>
        <source>delete a song</source>
        <translation>supprimer un morceau</translation>
    </message>
    <message>
        <source>Deletes the song of SLOT after a question; --yes answers it. Without --yes and without a terminal on
standard input the song is kept.</source>
        <translation>Supprime le morceau de SLOT après une question ; --yes y répond. Sans --yes et sans terminal sur
l&apos;entrée standard, le morceau est conservé.</translation>
    </message>
    <message>
        <source>every used slot as a WAV in the pedal&apos;s own format, plus a manifest</source>
        <translation>chaque emplacement occupé en WAV au format de la pédale, plus un manifeste</translation>
    </message>
    <message>
        <source>write a backup&apos;s songs back into their slots</source>
        <translation>réécrire les morceaux d&apos;une sauvegarde dans leurs emplacements</translation>
    </message>
    <message>
        <source>decode a firmware file without a pedal</source>
        <translation>décoder un fichier de micrologiciel sans pédale</translation>
    </message>
    <message>
        <source>Decodes FILE: its target model, its sections with their layouts and image sizes, or the decoder&apos;s error.</source>
        <translation>Décode FILE : son modèle cible, ses sections avec leurs plans mémoire et tailles d&apos;image, ou l&apos;erreur du décodeur.</translation>
    </message>
    <message>
        <source>update the pedal&apos;s firmware from a file</source>
        <translation>mettre à jour le micrologiciel de la pédale depuis un fichier</translation>
    </message>
    <message>
        <source>the update server&apos;s firmware list for the connected model</source>
        <translation>la liste des micrologiciels du serveur de mise à jour pour le modèle connecté</translation>
    </message>
    <message>
        <source>Prints the update server&apos;s firmware entries for the connected model: name, tab, URL.</source>
        <translation>Affiche les entrées de micrologiciel du serveur de mise à jour pour le modèle connecté : nom, tabulation, URL.</translation>
    </message>
    <message>
        <source>Usage: corvanta-cli [--port NAME] VERB [ARGS]   (corvanta-cli --help lists the verbs)</source>
        <translation>Utilisation : corvanta-cli [--port NOM] COMMANDE [ARGUMENTS]   (corvanta-cli --help liste les commandes)</translation>
    </message>
    <message>
        <source>Prints one line per slot with the window&apos;s list text.
  --long  for scripts: slot, length in seconds, channels and bytes, tab-separated (0 for an empty slot)</source>
        <translation>Affiche une ligne par emplacement avec le texte de la liste de la fenêtre.
  --long  pour les scripts : emplacement, durée en secondes, canaux et octets, séparés par des
          tabulations (0 pour un emplacement vide)</translation>
    </message>
    <message>
        <source>Updates the pedal&apos;s firmware from FILE after a question that names the model, the installed and the
file&apos;s firmware version and that the pedal must stay plugged in (--yes answers it and the others;
No is the default). A file that writes to the song flash is named in a question. --any-model lets a
file for another model through, as Shift does in the window, after a further question. Prints the
firmware version before and after. Ctrl-C stops the update only before its first erase.</source>
        <translation>Met à jour le micrologiciel de la pédale depuis FILE après une question qui indique le modèle, la
version installée et celle du fichier, et rappelle que la pédale doit rester branchée (--yes y répond,
ainsi qu&apos;aux autres ; Non est la réponse par défaut). Un fichier qui écrit dans la mémoire flash des
morceaux est signalé dans une question. --any-model accepte, après une question supplémentaire, un
fichier pour un autre modèle, comme Shift dans la fenêtre. Affiche la version du micrologiciel avant
et après. Ctrl-C n&apos;arrête la mise à jour qu&apos;avant le premier effacement.</translation>
    </message>
    <message>
        <source>Writes every used slot into DIR as song-NNN.wav (or song-NNN-b.wav) in the pedal&apos;s own format (its
rate, 24-bit, its channels) and manifest.json (model, firmware, per slot the file, its length, the
SHA-256 of the audio and the song&apos;s fingerprint), the manifest last: a folder without it is no
complete backup. Over an earlier backup of the pedal, a song whose fingerprint (its song info and
its first, middle and last audio page) and file are unchanged is kept without reading it; slots
now empty leave the backup. The earlier backup stays whole until the new manifest replaces it.
  --full  read every song; a change only between the pages the fingerprint reads is seen then</source>
        <translation>Écrit chaque emplacement occupé dans DIR sous la forme song-NNN.wav (ou song-NNN-b.wav) au format
propre de la pédale (sa fréquence, 24 bits, ses canaux) ainsi que manifest.json (modèle, micrologiciel
et, par emplacement, le fichier, sa durée, le SHA-256 de l&apos;audio et l&apos;empreinte du morceau), le
manifeste en dernier : un dossier sans manifeste n&apos;est pas une sauvegarde complète. Sur une sauvegarde
précédente de la pédale, un morceau dont l&apos;empreinte (ses infos de morceau et ses première, médiane et
dernière pages audio) et le fichier sont inchangés est conservé sans être lu ; les emplacements
désormais vides quittent la sauvegarde. La sauvegarde précédente reste entière jusqu&apos;à ce que le
nouveau manifeste la remplace.
  --full  lire chaque morceau ; seul ce mode détecte une modification située uniquement entre les pages
          que lit l&apos;empreinte</translation>
    </message>
    <message>
        <source>Checks DIR&apos;s manifest against the pedal (model id) and every file against the manifest, then writes
the songs back into their slots, bit for bit. Slots the backup does not name keep their songs; a slot
whose fingerprint equals the backup&apos;s already holds the song and is not written. It stops at the
first failure, naming the slots restored and the slot that failed.
  --full  write every slot of the backup</source>
        <translation>Vérifie le manifeste de DIR par rapport à la pédale (numéro de modèle) et chaque fichier par rapport au
manifeste, puis réécrit les morceaux dans leurs emplacements, bit pour bit. Les emplacements que la
sauvegarde ne mentionne pas gardent leurs morceaux ; un emplacement dont l&apos;empreinte est identique à
celle de la sauvegarde contient déjà le morceau et n&apos;est pas écrit. S&apos;arrête au premier échec en
indiquant les emplacements restaurés et l&apos;emplacement en échec.
  --full  écrire chaque emplacement de la sauvegarde</translation>
    </message>
    <message>
        <source>what the program sees of the MIDI paths and the pedal, for a bug report</source>
        <translation>ce que le programme voit des chemins MIDI et de la pédale, pour un rapport de bogue</translation>
    </message>
    <message>
        <source>Reports the MIDI paths (raw MIDI, the ALSA sequencer, JACK) with their ports, the sequencer&apos;s buffer
towards hardware and whether the pedal&apos;s frames fit it, every raw MIDI device with the program holding
it and its sequencer subscribers, device nodes this user may not open, and the pedal: found or not,
which path it is reached by and why, and what to do. Exit status 0 when a pedal is usable for every
command, 1 otherwise.</source>
        <translation>Indique les chemins MIDI (MIDI brut, le séquenceur ALSA, JACK) avec leurs ports, le tampon du séquenceur
vers le matériel et si les trames de la pédale y tiennent, chaque périphérique MIDI brut avec le
programme qui l&apos;occupe et ses abonnés du séquenceur, les nœuds de périphérique que cet utilisateur ne
peut pas ouvrir, et la pédale : trouvée ou non, par quel chemin elle est atteinte et pourquoi, et que
faire. Code de sortie 0 si une pédale est utilisable pour toutes les commandes, 1 sinon.</translation>
    </message>
</context>
<context>
    <name>CorvantaQT</name>
    <message>
        <source>Do not unplug the pedal</source>
        <translation>Ne débranchez pas la pédale</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop the running operation (Esc)</source>
        <translation>Arrêter l&apos;opération en cours (Échap)</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>Load song info failed !</source>
        <translation>Impossible de charger les informations des morceaux !</translation>
    </message>
    <message>
        <source>Open firmware file</source>
        <translation>Ouvrir un fichier de micrologiciel</translation>
    </message>
    <message>
        <source>DAT Files(*.dat)</source>
        <translation>Fichiers DAT(*.dat)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>The selected firmware version less or equal to the connected device, still update ?</source>
        <translation>La version de micrologiciel choisie n&apos;est pas plus récente que celle de l&apos;appareil connecté, mettre à jour quand même ?</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Téléchargement de %1</translation>
    </message>
    <message>
        <source>No update file selected !</source>
        <translation>Aucun fichier de mise à jour choisi !</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>Échec !</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Successful!</source>
        <translation>Réussi !</translation>
    </message>
    <message>
        <source>Firmware update cancelled</source>
        <translation>Mise à jour du micrologiciel annulée</translation>
    </message>
    <message>
        <source>Download firmware failed !</source>
        <translation>Échec du téléchargement du micrologiciel !</translation>
    </message>
    <message>
        <source>Open file &apos;%1&apos; failed, it may be occupied by other process</source>
        <translation>Impossible d&apos;ouvrir le fichier &apos;%1&apos; ; il est peut-être utilisé par un autre programme</translation>
    </message>
    <message>
        <source>Open web firmware info failed !</source>
        <translation>Impossible de charger la liste des micrologiciels du serveur !</translation>
    </message>
    <message>
        <source>Drop one audio file at a time: %1 were dropped</source>
        <translation>Déposez un seul fichier audio à la fois : %1 ont été déposés</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file on this computer: only local files can be imported</source>
        <translation>&apos;%1&apos; n&apos;est pas un fichier de cet ordinateur : seuls les fichiers locaux peuvent être importés</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Backup all songs…</source>
        <translation>Sauvegarder tous les morceaux…</translation>
    </message>
    <message>
        <source>Restore backup…</source>
        <translation>Restaurer une sauvegarde…</translation>
    </message>
    <message>
        <source>Backup all songs</source>
        <translation>Sauvegarder tous les morceaux</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Open wav file</source>
        <translation>Ouvrir un fichier WAV</translation>
    </message>
    <message>
        <source>Wav Files(*.wav)</source>
        <translation>Fichiers WAV(*.wav)</translation>
    </message>
    <message>
        <source>Wav Files(*.wav);;FLAC Files(*.flac)</source>
        <translation>Fichiers WAV(*.wav);;Fichiers FLAC(*.flac)</translation>
    </message>
    <message>
        <source>Song %1</source>
        <translation>Morceau %1</translation>
    </message>
    <message>
        <source>Export Song %1</source>
        <translation>Export du morceau %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exist, continue to overwrite the song?</source>
        <translation>&apos;%1&apos; existe déjà, écraser le morceau ?</translation>
    </message>
    <message>
        <source>Overwrite warning</source>
        <translation>Avertissement d&apos;écrasement</translation>
    </message>
    <message>
        <source>Import Song %1</source>
        <translation>Import du morceau %1</translation>
    </message>
    <message>
        <source>Continue to delete song &apos;%1&apos; ?</source>
        <translation>Supprimer le morceau &apos;%1&apos; ?</translation>
    </message>
    <message>
        <source>A new version(V%1) is available, would you like to download ?</source>
        <translation>Une nouvelle version (V%1) est disponible, voulez-vous la télécharger ?</translation>
    </message>
    <message>
        <source>New version...</source>
        <translation>Nouvelle version…</translation>
    </message>
    <message>
        <source>Open a firmware file</source>
        <translation>Ouvrir un fichier de micrologiciel</translation>
    </message>
    <message>
        <source>Pedal: %1, firmware %2</source>
        <translation>Pédale : %1, micrologiciel %2</translation>
    </message>
    <message>
        <source>Listed file: none</source>
        <translation>Fichier de la liste : aucun</translation>
    </message>
    <message>
        <source>Listed file: firmware %1, %2</source>
        <translation>Fichier de la liste : micrologiciel %1, %2</translation>
    </message>
    <message>
        <source>File: none chosen</source>
        <translation>Fichier : aucun choisi</translation>
    </message>
    <message>
        <source>File: not usable (%1)</source>
        <translation>Fichier : inutilisable (%1)</translation>
    </message>
    <message>
        <source>File: it does not name its firmware version</source>
        <translation>Fichier : n&apos;indique pas sa version de micrologiciel</translation>
    </message>
    <message>
        <source>File: firmware %1, %2</source>
        <translation>Fichier : micrologiciel %1, %2</translation>
    </message>
    <message>
        <source>Song %1: %2, %3, %4 MB</source>
        <translation>Morceau %1 : %2, %3, %4 Mo</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>stéréo</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>Fichiers audio</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 channels; the pedal&apos;s songs have one. Which should the song hold ?</source>
        <translation>&apos;%1&apos; a %2 canaux ; les morceaux de la pédale n&apos;en ont qu&apos;un. Que doit contenir le morceau ?</translation>
    </message>
    <message>
        <source>Mix of all channels</source>
        <translation>Mélange de tous les canaux</translation>
    </message>
    <message>
        <source>First channel</source>
        <translation>Premier canal</translation>
    </message>
</context>
<context>
    <name>CorvantaQTClass</name>
    <message>
        <source>Song Edit</source>
        <translation>Morceaux</translation>
    </message>
    <message>
        <source>Song List</source>
        <translation>Liste des morceaux</translation>
    </message>
    <message>
        <source>Edit Song</source>
        <translation>Modifier le morceau</translation>
    </message>
    <message>
        <source>Export the selected song as a wav file</source>
        <translation>Exporter le morceau sélectionné en fichier WAV</translation>
    </message>
    <message>
        <source> Export      </source>
        <translation> Exporter    </translation>
    </message>
    <message>
        <source>Import a wav file to the selected song</source>
        <translation>Importer un fichier WAV dans le morceau sélectionné</translation>
    </message>
    <message>
        <source> Import      </source>
        <translation> Importer    </translation>
    </message>
    <message>
        <source>Delte the selected song</source>
        <translation>Supprimer le morceau sélectionné</translation>
    </message>
    <message>
        <source> Delete      </source>
        <translation> Supprimer   </translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Mise à jour du micrologiciel</translation>
    </message>
    <message>
        <source>Firmware File</source>
        <translation>Fichier de micrologiciel</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Open a firmware file</source>
        <translation>Ouvrir un fichier de micrologiciel</translation>
    </message>
    <message>
        <source>Select local file for updating</source>
        <translation>Choisir un fichier local pour la mise à jour</translation>
    </message>
    <message>
        <source>Firmware list</source>
        <translation>Liste des micrologiciels</translation>
    </message>
    <message>
        <source>  Update     </source>
        <translation> Mettre à jour </translation>
    </message>
</context>
<context>
    <name>DeviceModels</name>
    <message>
        <source>Unknown Device</source>
        <translation>Appareil inconnu</translation>
    </message>
    <message>
        <source>%1 - (No device connected !)</source>
        <translation>%1 - (Aucun appareil connecté !)</translation>
    </message>
    <message>
        <source>%1 - (Please enter update mode !)</source>
        <translation>%1 - (Passez en mode de mise à jour !)</translation>
    </message>
    <message>
        <source>%1 - (Unknown device connected !)</source>
        <translation>%1 - (Appareil inconnu connecté !)</translation>
    </message>
    <message>
        <source>%1 - (Connected - %2, Ver=V%3)</source>
        <translation>%1 - (Connecté - %2, Ver=V%3)</translation>
    </message>
</context>
<context>
    <name>FirmwareFile</name>
    <message>
        <source>Open file failed</source>
        <translation>Échec de l&apos;ouverture du fichier</translation>
    </message>
    <message>
        <source>File Token Error</source>
        <translation>Identifiant de fichier incorrect</translation>
    </message>
    <message>
        <source>File header checksum Error</source>
        <translation>Erreur de somme de contrôle de l&apos;en-tête du fichier</translation>
    </message>
    <message>
        <source>The file declares %1 sections; at most %2 are possible</source>
        <translation>Le fichier déclare %1 sections ; %2 au plus sont possibles</translation>
    </message>
    <message>
        <source>Data%1l header checksum Error</source>
        <translation>Erreur de somme de contrôle de l&apos;en-tête de Data%1l</translation>
    </message>
    <message>
        <source>The section records lie beyond the end of the file</source>
        <translation>Les enregistrements des sections se trouvent au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>Section %1 lies beyond the end of the file</source>
        <translation>La section %1 se trouve au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>Section %1 declares more data than its packed block can hold</source>
        <translation>La section %1 déclare plus de données que son bloc compressé ne peut en contenir</translation>
    </message>
    <message>
        <source>decode bin file failed</source>
        <translation>Échec de la décompression du fichier bin</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>The firmware file changed during the update</source>
        <translation>Le fichier de micrologiciel a changé pendant la mise à jour</translation>
    </message>
    <message>
        <source>Read firmware file failed</source>
        <translation>Impossible de lire le fichier de micrologiciel</translation>
    </message>
    <message>
        <source>File not match the connected device,please confirm</source>
        <translation>Le fichier ne correspond pas à l&apos;appareil connecté, veuillez vérifier</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>The file is for model %1, the pedal is model %2. Update anyway ?</source>
        <translation>Le fichier est pour le modèle %1, la pédale est le modèle %2. Mettre à jour quand même ?</translation>
    </message>
    <message>
        <source>The firmware file holds no sections</source>
        <translation>Le fichier de micrologiciel ne contient aucune section</translation>
    </message>
    <message>
        <source>Section %1 has no flash range</source>
        <translation>La section %1 n&apos;a pas de plage flash</translation>
    </message>
    <message>
        <source>Section %1 targets flash %2; the pedal has flashes 0 and 1</source>
        <translation>La section %1 vise la flash %2 ; la pédale a les flash 0 et 1</translation>
    </message>
    <message>
        <source>Space not enough !</source>
        <translation>Espace insuffisant !</translation>
    </message>
    <message>
        <source>Section %1 holds an empty image</source>
        <translation>La section %1 contient une image vide</translation>
    </message>
    <message>
        <source>Sections %1 and %2 overlap on flash %3</source>
        <translation>Les sections %1 et %2 se chevauchent sur la flash %3</translation>
    </message>
    <message>
        <source>section %1 of %2 (0x%3 to 0x%4)</source>
        <translation>section %1 sur %2 (0x%3 à 0x%4)</translation>
    </message>
    <message>
        <source>This firmware writes to the song flash: %1. Recorded songs there may be overwritten. Go on with the update ?</source>
        <translation>Ce micrologiciel écrit dans la mémoire flash des morceaux : %1. Les morceaux enregistrés à cet endroit peuvent être écrasés. Poursuivre la mise à jour ?</translation>
    </message>
    <message>
        <source>Erase sector failed,address=0x%1</source>
        <translation>Échec de l&apos;effacement du secteur, adresse=0x%1</translation>
    </message>
    <message>
        <source>Write data failed !</source>
        <translation>Échec de l&apos;écriture des données !</translation>
    </message>
    <message>
        <source>Verify data failed</source>
        <translation>Échec de la vérification des données</translation>
    </message>
    <message>
        <source>Write data timeout !</source>
        <translation>Délai dépassé pendant l&apos;écriture des données !</translation>
    </message>
    <message>
        <source>%1

%2 failed at 0x%3. The pedal may not start normally now: keep it connected and run the same update again. If it no longer answers, its manual describes how to enter update mode.</source>
        <translation>%1

%2 a échoué à 0x%3. Il se peut que la pédale ne démarre plus normalement : laissez-la connectée et relancez la même mise à jour. Si elle ne répond plus, son manuel explique comment passer en mode de mise à jour.</translation>
    </message>
</context>
<context>
    <name>FirmwareVersion</name>
    <message>
        <source>pedal of model %1</source>
        <translation>pédale du modèle %1</translation>
    </message>
    <message>
        <source>the pedal&apos;s own version is not known</source>
        <translation>la version de la pédale est inconnue</translation>
    </message>
    <message>
        <source>newer than the pedal&apos;s</source>
        <translation>plus récent que celui de la pédale</translation>
    </message>
    <message>
        <source>the same as the pedal&apos;s</source>
        <translation>le même que celui de la pédale</translation>
    </message>
    <message>
        <source>older than the pedal&apos;s</source>
        <translation>plus ancien que celui de la pédale</translation>
    </message>
    <message>
        <source>The pedal&apos;s firmware is erased and written anew: keep the pedal plugged in until the result is shown.</source>
        <translation>Le micrologiciel de la pédale est effacé puis réécrit : laissez la pédale branchée jusqu&apos;à l&apos;affichage du résultat.</translation>
    </message>
    <message>
        <source>Update the %1 (firmware %2) from a file that does not name its version ?
%3</source>
        <translation>Mettre à jour la %1 (micrologiciel %2) avec un fichier qui n&apos;indique pas sa version ?
%3</translation>
    </message>
    <message>
        <source>Update the %1 from firmware %2 to %3 (%4) ?
%5</source>
        <translation>Mettre à jour la %1 du micrologiciel %2 au %3 (%4) ?
%5</translation>
    </message>
</context>
<context>
    <name>FlashLayout</name>
    <message>
        <source>Write layout file failed</source>
        <translation>Échec de l&apos;écriture du fichier de plan mémoire</translation>
    </message>
    <message>
        <source>All FLASH should be same type!</source>
        <translation>Toutes les FLASH doivent être du même type !</translation>
    </message>
    <message>
        <source>FLASH start address is empty</source>
        <translation>Adresse de début de la FLASH absente</translation>
    </message>
    <message>
        <source>%1 address not follow the last flash</source>
        <translation>%1 : l&apos;adresse ne suit pas la flash précédente</translation>
    </message>
    <message>
        <source>FLASH end address is empty</source>
        <translation>Adresse de fin de la FLASH absente</translation>
    </message>
    <message>
        <source>%1 end address is below its start address</source>
        <translation>%1 : l&apos;adresse de fin est inférieure à l&apos;adresse de début</translation>
    </message>
    <message>
        <source>%1 sector size is 0</source>
        <translation>%1 : la taille de secteur vaut 0</translation>
    </message>
    <message>
        <source>%1 has more than %2 sectors</source>
        <translation>%1 compte plus de %2 secteurs</translation>
    </message>
    <message>
        <source>The flash ranges add up to more than 4 GiB</source>
        <translation>Les plages de flash dépassent 4 Gio au total</translation>
    </message>
</context>
<context>
    <name>LooperSongBase</name>
    <message>
        <source>Error:Block chain %1 greater than %2</source>
        <translation>Erreur : chaîne de blocs %1 supérieure à %2</translation>
    </message>
</context>
<context>
    <name>LooperSongList</name>
    <message>
        <source>Song %1 -- (%2  MB)</source>
        <translation>Morceau %1 -- (%2  Mo)</translation>
    </message>
</context>
<context>
    <name>Midi</name>
    <message>
        <source>Load snd-seq-midi with output_buffer_size=%1: the Corvanta package&apos;s /etc/modprobe.d/corvanta.conf does so from the module&apos;s next load (after a reboot, or with every MIDI program closed: sudo modprobe -r snd-seq-midi &amp;&amp; sudo modprobe snd-seq-midi). Or close the programs that use the pedal, so that it is reached through raw MIDI.</source>
        <translation>Chargez snd-seq-midi avec output_buffer_size=%1 : le fichier /etc/modprobe.d/corvanta.conf du paquet Corvanta le fait dès le prochain chargement du module (après un redémarrage, ou une fois tous les programmes MIDI fermés : sudo modprobe -r snd-seq-midi &amp;&amp; sudo modprobe snd-seq-midi). Ou fermez les programmes qui utilisent la pédale, pour qu&apos;elle soit atteinte en MIDI brut.</translation>
    </message>
    <message>
        <source>ask the administrator for access to %1</source>
        <translation>demandez à l&apos;administrateur l&apos;accès à %1</translation>
    </message>
    <message>
        <source>%1 belongs to the group %2. Add yourself to it (sudo usermod -aG %2 $USER) and log in again.</source>
        <translation>%1 appartient au groupe %2. Ajoutez-vous à ce groupe (sudo usermod -aG %2 $USER) puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>The pedal &quot;%1&quot; is shared through the ALSA sequencer with %2, whose buffer carries at most %3 bytes; the pedal&apos;s writes need %4. Nothing was changed on the pedal; its songs can be listed and exported meanwhile. %5</source>
        <translation>La pédale &quot;%1&quot; est partagée avec %2 via le séquenceur ALSA, dont le tampon contient au plus %3 octets ; les écritures sur la pédale en demandent %4. Rien n&apos;a été modifié sur la pédale ; en attendant, ses morceaux peuvent être listés et exportés. %5</translation>
    </message>
</context>
<context>
    <name>MidiPortPair</name>
    <message>
        <source>frame too large for the transmit buffer</source>
        <translation>trame trop grande pour le tampon d&apos;émission</translation>
    </message>
</context>
<context>
    <name>PortSearch</name>
    <message>
        <source>Please replug the USB cable to enter update mode!</source>
        <translation>Rebranchez le câble USB pour passer en mode de mise à jour !</translation>
    </message>
    <message>
        <source>You should enter update mode first! For how to enter update mode, please refer to the manual</source>
        <translation>Passez d&apos;abord en mode de mise à jour ! Le manuel explique comment faire</translation>
    </message>
</context>
<context>
    <name>ProgressMeter</name>
    <message>
        <source>%1 of %2 MB</source>
        <translation>%1 sur %2 Mo</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>reste %1</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>RawMidi</name>
    <message>
        <source>invalid input port number</source>
        <translation>numéro de port d&apos;entrée non valide</translation>
    </message>
    <message>
        <source>invalid output port number</source>
        <translation>numéro de port de sortie non valide</translation>
    </message>
    <message>
        <source>a port is already open</source>
        <translation>un port est déjà ouvert</translation>
    </message>
    <message>
        <source>output port is not open</source>
        <translation>le port de sortie n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>cannot open MIDI device %1: %2</source>
        <translation>impossible d&apos;ouvrir le périphérique MIDI %1 : %2</translation>
    </message>
    <message>
        <source>cannot read MIDI device %1: no pipe for its reader</source>
        <translation>impossible de lire le périphérique MIDI %1 : pas de tube pour son lecteur</translation>
    </message>
    <message>
        <source>MIDI device %1 refused the message after %2 of %3 bytes: %4</source>
        <translation>Le périphérique MIDI %1 a refusé le message après %2 octets sur %3 : %4</translation>
    </message>
    <message>
        <source>MIDI device %1 took no data for %2 s; %3 of %4 bytes were sent</source>
        <translation>Le périphérique MIDI %1 n&apos;a accepté aucune donnée pendant %2 s ; %3 octets sur %4 ont été envoyés</translation>
    </message>
    <message>
        <source>MIDI device %1 went away while a message was being sent</source>
        <translation>Le périphérique MIDI %1 a disparu pendant l&apos;envoi d&apos;un message</translation>
    </message>
    <message>
        <source>MIDI device %1 is in use by %2</source>
        <translation>Le périphérique MIDI %1 est utilisé par %2</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>un autre programme</translation>
    </message>
    <message>
        <source>no permission to open MIDI device %1: %2</source>
        <translation>aucune autorisation pour ouvrir le périphérique MIDI %1 : %2</translation>
    </message>
</context>
<context>
    <name>RtMidi</name>
    <message>
        <source>unknown MIDI API in CORVANTA_MIDI_API: %1</source>
        <translation>API MIDI inconnue dans CORVANTA_MIDI_API : %1</translation>
    </message>
    <message>
        <source>no MIDI API is available</source>
        <translation>aucune API MIDI disponible</translation>
    </message>
    <message>
        <source>A MIDI message of %1 bytes cannot cross the ALSA sequencer (at most %2 bytes), so it was not sent. %3</source>
        <translation>Un message MIDI de %1 octets ne peut pas traverser le séquenceur ALSA (%2 octets au plus) ; il n&apos;a donc pas été envoyé. %3</translation>
    </message>
</context>
<context>
    <name>SongBackup</name>
    <message>
        <source>&apos;%1&apos; is not the song the backup recorded</source>
        <translation>&apos;%1&apos; n&apos;est pas le morceau enregistré par la sauvegarde</translation>
    </message>
    <message>
        <source>Backup cancelled; the earlier backup in &apos;%1&apos; is unchanged</source>
        <translation>Sauvegarde annulée ; la sauvegarde précédente dans &apos;%1&apos; est intacte</translation>
    </message>
    <message>
        <source>Backup cancelled; no backup was written to &apos;%1&apos;</source>
        <translation>Sauvegarde annulée ; aucune sauvegarde n&apos;a été écrite dans &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Restore cancelled: no slot was restored; every slot keeps its song</source>
        <translation>Restauration annulée : aucun emplacement n&apos;a été restauré ; chaque emplacement garde son morceau</translation>
    </message>
    <message>
        <source>Restore cancelled: slot %1 was restored; the others keep their songs</source>
        <translation>Restauration annulée : l&apos;emplacement %1 a été restauré ; les autres gardent leurs morceaux</translation>
    </message>
    <message>
        <source>Restore cancelled: slots %1 were restored; the others keep their songs</source>
        <translation>Restauration annulée : les emplacements %1 ont été restaurés ; les autres gardent leurs morceaux</translation>
    </message>
    <message>
        <source>Cannot write the backup folder &apos;%1&apos;</source>
        <translation>Impossible d&apos;écrire dans le dossier de sauvegarde &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Backup Song %1 (%2 of %3)</source>
        <translation>Sauvegarde du morceau %1 (%2 sur %3)</translation>
    </message>
    <message>
        <source>Song %1: %2</source>
        <translation>Morceau %1 : %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no complete backup (its %2 is missing or unreadable)</source>
        <translation>&apos;%1&apos; ne contient pas de sauvegarde complète (son %2 manque ou est illisible)</translation>
    </message>
    <message>
        <source>The backup is of model %1, the pedal is model %2</source>
        <translation>La sauvegarde vient du modèle %1, la pédale est le modèle %2</translation>
    </message>
    <message>
        <source>The backup&apos;s entry for slot %1 is not valid</source>
        <translation>L&apos;entrée de la sauvegarde pour l&apos;emplacement %1 n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Restore %1 songs from &apos;%2&apos; (%3 used slots are overwritten) ?</source>
        <translation>Restaurer %1 morceaux depuis &apos;%2&apos; (%3 emplacements occupés seront écrasés) ?</translation>
    </message>
    <message>
        <source>Restore Song %1 (%2 of %3)</source>
        <translation>Restauration du morceau %1 (%2 sur %3)</translation>
    </message>
    <message>
        <source>Song %1 unchanged</source>
        <translation>Morceau %1 inchangé</translation>
    </message>
    <message>
        <source>Cannot write the backup folder &apos;%1&apos;; the earlier backup in it is unchanged</source>
        <translation>Impossible d&apos;écrire dans le dossier de sauvegarde &apos;%1&apos; ; la sauvegarde précédente qu&apos;il contient est intacte</translation>
    </message>
    <message>
        <source>Backup done: %1 read, %2 unchanged</source>
        <translation>Sauvegarde terminée : %1 lus, %2 inchangés</translation>
    </message>
    <message>
        <source>Restore failed at slot %1 (%2): no slot was restored; the slots after it were not written</source>
        <translation>Échec de la restauration à l&apos;emplacement %1 (%2) : aucun emplacement n&apos;a été restauré ; les emplacements suivants n&apos;ont pas été écrits</translation>
    </message>
    <message>
        <source>Restore failed at slot %1 (%2): slot %3 was restored; the slots after it were not written</source>
        <translation>Échec de la restauration à l&apos;emplacement %1 (%2) : l&apos;emplacement %3 a été restauré ; les emplacements suivants n&apos;ont pas été écrits</translation>
    </message>
    <message>
        <source>Restore failed at slot %1 (%2): slots %3 were restored; the slots after it were not written</source>
        <translation>Échec de la restauration à l&apos;emplacement %1 (%2) : les emplacements %3 ont été restaurés ; les emplacements suivants n&apos;ont pas été écrits</translation>
    </message>
    <message>
        <source>Song %1 already there</source>
        <translation>Morceau %1 déjà présent</translation>
    </message>
    <message>
        <source>Restore done: %1 written, %2 already there</source>
        <translation>Restauration terminée : %1 écrits, %2 déjà présents</translation>
    </message>
    <message>
        <source>Restore %1 songs from &apos;%2&apos; (%3 used slots are overwritten, %4 songs already there are kept) ?</source>
        <translation>Restaurer %1 morceaux depuis &apos;%2&apos; (%3 emplacements occupés seront écrasés, %4 morceaux déjà présents sont conservés) ?</translation>
    </message>
</context>
<context>
    <name>SongResult</name>
    <message>
        <source>Successful !</source>
        <translation>Réussi !</translation>
    </message>
    <message>
        <source>Device not open !</source>
        <translation>Appareil non ouvert !</translation>
    </message>
    <message>
        <source>Device not support !</source>
        <translation>Appareil non pris en charge !</translation>
    </message>
    <message>
        <source>Read data failed!</source>
        <translation>Échec de la lecture des données !</translation>
    </message>
    <message>
        <source>Checksum error!</source>
        <translation>Erreur de somme de contrôle !</translation>
    </message>
    <message>
        <source>Space not enough!</source>
        <translation>Espace insuffisant !</translation>
    </message>
    <message>
        <source>File too large!</source>
        <translation>Fichier trop volumineux !</translation>
    </message>
    <message>
        <source>FLASH erase failed!</source>
        <translation>Échec de l&apos;effacement de la FLASH !</translation>
    </message>
    <message>
        <source>File info erase failed!</source>
        <translation>Échec de l&apos;effacement des informations du fichier !</translation>
    </message>
    <message>
        <source>Write wav flag failed!</source>
        <translation>Échec de l&apos;écriture de l&apos;indicateur WAV !</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Failed !</source>
        <translation>Échec !</translation>
    </message>
    <message>
        <source>Write data failed!</source>
        <translation>Échec de l&apos;écriture des données !</translation>
    </message>
</context>
<context>
    <name>SongSpace</name>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>Used %1 of %2</source>
        <translation>%1 utilisés sur %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2, the pedal has %3 free</source>
        <translation>&apos;%1&apos; a besoin de %2, la pédale a %3 de libre</translation>
    </message>
</context>
<context>
    <name>SongTransfer</name>
    <message>
        <source>Song %1 -- (Damaged)</source>
        <translation>Morceau %1 -- (Endommagé)</translation>
    </message>
    <message>
        <source>Song %1 -- (Empty)</source>
        <translation>Morceau %1 -- (Vide)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read: its song info fails its checksum. Import a song into the slot or delete it.</source>
        <translation>Impossible de lire &apos;%1&apos; : ses informations de morceau échouent à la somme de contrôle. Importez un morceau dans l&apos;emplacement ou supprimez-le.</translation>
    </message>
    <message>
        <source>Export cancelled</source>
        <translation>Export annulé</translation>
    </message>
    <message>
        <source>Import cancelled</source>
        <translation>Import annulé</translation>
    </message>
    <message>
        <source>Audio file &apos;%1&apos; is too short: it gives the song %2 of the %3 frames a song needs at least</source>
        <translation>Le fichier audio &apos;%1&apos; est trop court : il donne au morceau %2 trames, alors qu&apos;un morceau en demande au moins %3</translation>
    </message>
</context>
<context>
    <name>USBPort</name>
    <message>
        <source>Checksum错误,算出来是%1, 包内校验是%2</source>
        <translation>Erreur de somme de contrôle : calculée %1, dans le paquet %2</translation>
    </message>
    <message>
        <source>the pedal&apos;s MIDI ports are gone</source>
        <translation>les ports MIDI de la pédale ont disparu</translation>
    </message>
    <message>
        <source>Data length error</source>
        <translation>Erreur de longueur des données</translation>
    </message>
    <message>
        <source>Cmd type error</source>
        <translation>Erreur de type de commande</translation>
    </message>
    <message>
        <source>读取回复码长度错误,需要%1字节,收到%2字节</source>
        <translation>Longueur du code de réponse incorrecte : %1 octets attendus, %2 octets reçus</translation>
    </message>
    <message>
        <source>Data length error,need %1 bytes,got %2 bytes</source>
        <translation>Erreur de longueur des données : %1 octets attendus, %2 octets reçus</translation>
    </message>
</context>
<context>
    <name>UpdatePlan</name>
    <message>
        <source>Erase of section %1 of %2</source>
        <translation>L&apos;effacement de la section %1 sur %2</translation>
    </message>
    <message>
        <source>Erase section %1 of %2</source>
        <translation>Effacement de la section %1 sur %2</translation>
    </message>
    <message>
        <source>Write of section %1 of %2</source>
        <translation>L&apos;écriture de la section %1 sur %2</translation>
    </message>
    <message>
        <source>Write section %1 of %2</source>
        <translation>Écriture de la section %1 sur %2</translation>
    </message>
    <message>
        <source>Verify of section %1 of %2</source>
        <translation>La vérification de la section %1 sur %2</translation>
    </message>
    <message>
        <source>Verify section %1 of %2</source>
        <translation>Vérification de la section %1 sur %2</translation>
    </message>
</context>
<context>
    <name>UpdateProgress</name>
    <message>
        <source>The firmware update cannot be stopped once it erases the flash: it goes on. Do not unplug the pedal.</source>
        <translation>La mise à jour du micrologiciel ne peut plus être arrêtée une fois qu&apos;elle efface la mémoire flash : elle continue. Ne débranchez pas la pédale.</translation>
    </message>
</context>
<context>
    <name>Wave</name>
    <message>
        <source>RIFF not found</source>
        <translation>RIFF introuvable</translation>
    </message>
    <message>
        <source>WAVEfmt not found</source>
        <translation>WAVEfmt introuvable</translation>
    </message>
    <message>
        <source>data segment not found</source>
        <translation>segment de données introuvable</translation>
    </message>
    <message>
        <source>has an unusable format: %1 bytes per frame, %2 frames and %3 bytes per second</source>
        <translation>a un format inutilisable : %1 octets par trame, %2 trames et %3 octets par seconde</translation>
    </message>
    <message>
        <source>Wave file &apos;%1&apos; %2</source>
        <translation>Fichier WAV &apos;%1&apos; : %2</translation>
    </message>
</context>
</TS>
