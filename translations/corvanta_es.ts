<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AppFiles</name>
    <message>
        <source>Open file &apos;%1&apos; failed, it may be occupied by other process</source>
        <translation>No se pudo abrir el archivo &apos;%1&apos;; puede que otro programa lo esté usando</translation>
    </message>
    <message>
        <source>Write file &apos;%1&apos; failed</source>
        <translation>No se pudo escribir el archivo &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>AudioImport</name>
    <message>
        <source>Audio file &apos;%1&apos; has a sample rate of %2 Hz: only 1,000 to 768,000 Hz can be imported</source>
        <translation>El archivo de audio &apos;%1&apos; tiene una frecuencia de muestreo de %2 Hz: solo se pueden importar de 1.000 a 768.000 Hz</translation>
    </message>
    <message>
        <source>Audio file &apos;%1&apos; cannot be read: %2</source>
        <translation>No se puede leer el archivo de audio &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>it could not be read to its end</source>
        <translation>no se pudo leer hasta el final</translation>
    </message>
    <message>
        <source>it ends after %1 of its %2 frames</source>
        <translation>termina tras %1 de sus %2 frames</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Usage: corvanta-cli [--port NAME] %1 %2

%3
</source>
        <translation>Uso: corvanta-cli [--port NOMBRE] %1 %2

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
        <translation>Uso: corvanta-cli [--port NOMBRE] ORDEN [ARGUMENTOS]

Las órdenes de la ventana de Corvanta para un pedal conectado por USB MIDI.
Las posiciones se numeran como en la ventana (1 = &quot;Canción 001&quot;).

Opciones:
  --port NOMBRE usar el par de puertos MIDI NOMBRE en lugar de buscar
  --help        este texto; después de una orden, la ayuda de esa orden

Órdenes:
%1
Ctrl-C o SIGTERM durante export, import, backup o restore lo detiene en el siguiente bloque:
el archivo exportado no se escribe y la posición conserva su canción salvo que su importación haya terminado.
Una actualización solo se detiene antes de su primer borrado; a partir de ahí se rechaza toda señal.
Los mensajes y las preguntas van a la salida de error en el idioma del sistema;
los datos de la salida estándar (ports, info, list, catalogue, firmware-info y las
versiones tras una actualización) quedan en inglés en todos los idiomas, para los scripts.
Código de salida: 0 éxito, 1 fallo, 2 error de uso, 130 cancelado.
</translation>
    </message>
    <message>
        <source>--format needs wav or flac</source>
        <translation>--format necesita wav o flac</translation>
    </message>
    <message>
        <source>--port needs a port name</source>
        <translation>--port necesita un nombre de puerto</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>unknown verb &apos;%1&apos;</source>
        <translation>orden desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <translation>%1 requiere %2</translation>
    </message>
    <message>
        <source>%1 takes no --yes</source>
        <translation>%1 no admite --yes</translation>
    </message>
    <message>
        <source>%1 takes no --any-model</source>
        <translation>%1 no admite --any-model</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 no admite %2</translation>
    </message>
</context>
<context>
    <name>CliPrompt</name>
    <message>
        <source>y</source>
        <translation>s</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>%1 yes (--yes)
</source>
        <translation>%1 sí (--yes)
</translation>
    </message>
    <message>
        <source>%1 no: standard input is not a terminal, add --yes to answer yes
</source>
        <translation>%1 no: la entrada estándar no es un terminal; añade --yes para responder que sí
</translation>
    </message>
    <message>
        <source>%1 [y/N] </source>
        <translation>%1 [s/N] </translation>
    </message>
    <message>
        <source>no
</source>
        <translation>no
</translation>
    </message>
</context>
<context>
    <name>CliVerbs</name>
    <message>
        <source>&apos;%1&apos; is no slot number (slots count from 1)</source>
        <translation>&apos;%1&apos; no es un número de posición (las posiciones empiezan en 1)</translation>
    </message>
    <message>
        <source>Slot %1 is out of range: the pedal has slots 1 to %2</source>
        <translation>La posición %1 está fuera de rango: el pedal tiene las posiciones 1 a %2</translation>
    </message>
    <message>
        <source>%1 holds no song</source>
        <translation>%1 no contiene ninguna canción</translation>
    </message>
    <message>
        <source>No MIDI port pair named &apos;%1&apos; (corvanta-cli ports lists them)</source>
        <translation>No hay ningún par de puertos MIDI llamado &apos;%1&apos; (corvanta-cli ports los muestra)</translation>
    </message>
    <message>
        <source>No MIDI port pairs</source>
        <translation>No hay pares de puertos MIDI</translation>
    </message>
    <message>
        <source>Export Song %1</source>
        <translation>Exportar canción %1</translation>
    </message>
    <message>
        <source>Overwrite warning</source>
        <translation>Aviso de sobrescritura</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exist, continue to overwrite the song?</source>
        <translation>&apos;%1&apos; ya existe. ¿Sobrescribir la canción?</translation>
    </message>
    <message>
        <source>Import Song %1</source>
        <translation>Importar canción %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Continue to delete song &apos;%1&apos; ?</source>
        <translation>¿Borrar la canción &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Successful!</source>
        <translation>¡Hecho!</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>Firmware update cancelled</source>
        <translation>Actualización de firmware cancelada</translation>
    </message>
    <message>
        <source>Open web firmware info failed !</source>
        <translation>¡No se pudo cargar la lista de firmware del servidor!</translation>
    </message>
    <message>
        <source>list the MIDI port pairs, * marks the one the port search picks</source>
        <translation>lista los pares de puertos MIDI; * marca el que elige la búsqueda</translation>
    </message>
    <message>
        <source>Lists the pairs of same-named MIDI ports; * marks the pair the port search connects to.</source>
        <translation>Lista los pares de puertos MIDI con el mismo nombre; * marca el par al que se conecta la búsqueda de puertos.</translation>
    </message>
    <message>
        <source>the connected pedal: status, model, firmware, aux, slots, format, space</source>
        <translation>el pedal conectado: estado, modelo, firmware, aux, posiciones, formato, espacio</translation>
    </message>
    <message>
        <source>Connects and prints the window title&apos;s status text, the model id and name, the firmware version, aux,
the number of song slots, the song format and, for a pedal that holds songs, how much of its song
area the songs use.</source>
        <translation>Se conecta y muestra el estado del título de la ventana, el número y nombre del modelo, la versión de
firmware, aux, el número de posiciones de canción, el formato de las canciones y, si el pedal guarda
canciones, cuánto ocupan de su área de canciones.</translation>
    </message>
    <message>
        <source>one line per song slot, as the window lists them</source>
        <translation>una línea por posición, como las muestra la ventana</translation>
    </message>
    <message>
        <source>export a song as a 48,000 Hz WAV file</source>
        <translation>exporta una canción como archivo WAV a 48.000 Hz</translation>
    </message>
    <message>
        <source>Exports the song of SLOT as a 48,000 Hz 24-bit WAV file, converted through 16 bits as the window does;
an existing FILE keeps its content on failure.
  --format flac  write FLAC instead of WAV
  --native       the pedal&apos;s own audio untouched: 46,875 Hz, 24-bit
  --hq           convert from the full 24 bits, without the 16-bit step</source>
        <translation>Exporta la canción de SLOT como archivo WAV a 48.000 Hz y 24 bits, convertida pasando por 16 bits como
hace la ventana; un FILE existente conserva su contenido si algo falla.
  --format flac  escribir FLAC en lugar de WAV
  --native       el audio propio del pedal sin tocar: 46.875 Hz, 24 bits
  --hq           convertir desde los 24 bits completos, sin pasar por 16 bits</translation>
    </message>
    <message>
        <source>import an audio file into a slot</source>
        <translation>importa un archivo de audio en una posición</translation>
    </message>
    <message>
        <source>Imports FILE (WAV, AIFF, FLAC, Ogg, MP3 and whatever else libsndfile reads) into SLOT, converted to
the pedal&apos;s format. A used slot is overwritten only when the question is answered yes (--yes, or y
on a terminal). For a one-channel pedal the first channel is taken; --mix takes the mean of all
channels instead.</source>
        <translation>Importa FILE (WAV, AIFF, FLAC, Ogg, MP3 y todo lo que lea libsndfile) en SLOT, convertido al formato
del pedal. Una posición ocupada solo se sobrescribe si se responde que sí a la pregunta (--yes, o s en
un terminal). En un pedal de un canal se toma el primer canal; --mix toma en su lugar la media de
todos los canales.</translation>
    </message>
    <message>
        <source>delete a song</source>
        <translation>borra una canción</translation>
    </message>
    <message>
        <source>Deletes the song of SLOT after a question; --yes answers it. Without --yes and without a terminal on
standard input the song is kept.</source>
        <translation>Borra la canción de SLOT tras una pregunta; --yes la responde. Sin --yes y sin un terminal en la
entrada estándar, la canción se conserva.</translation>
    </message>
    <message>
        <source>every used slot as a WAV in the pedal&apos;s own format, plus a manifest</source>
        <translation>cada posición ocupada como WAV en el formato del pedal, más un manifiesto</translation>
    </message>
    <message>
        <source>write a backup&apos;s songs back into their slots</source>
        <translation>vuelve a escribir las canciones de una copia de seguridad en sus posiciones</translation>
    </message>
    <message>
        <source>decode a firmware file without a pedal</source>
        <translation>decodifica un archivo de firmware sin pedal</translation>
    </message>
    <message>
        <source>Decodes FILE: its target model, its sections with their layouts and image sizes, or the decoder&apos;s error.</source>
        <translation>Decodifica FILE: su modelo de destino, sus secciones con sus mapas de memoria y tamaños de imagen, o el error del decodificador.</translation>
    </message>
    <message>
        <source>update the pedal&apos;s firmware from a file</source>
        <translation>actualiza el firmware del pedal desde un archivo</translation>
    </message>
    <message>
        <source>the update server&apos;s firmware list for the connected model</source>
        <translation>la lista de firmware del servidor de actualizaciones para el modelo conectado</translation>
    </message>
    <message>
        <source>Prints the update server&apos;s firmware entries for the connected model: name, tab, URL.</source>
        <translation>Muestra las entradas de firmware del servidor de actualizaciones para el modelo conectado: nombre, tabulador, URL.</translation>
    </message>
    <message>
        <source>Usage: corvanta-cli [--port NAME] VERB [ARGS]   (corvanta-cli --help lists the verbs)</source>
        <translation>Uso: corvanta-cli [--port NOMBRE] ORDEN [ARGUMENTOS]   (corvanta-cli --help lista las órdenes)</translation>
    </message>
    <message>
        <source>Prints one line per slot with the window&apos;s list text.
  --long  for scripts: slot, length in seconds, channels and bytes, tab-separated (0 for an empty slot)</source>
        <translation>Muestra una línea por posición con el texto de la lista de la ventana.
  --long  para scripts: posición, duración en segundos, canales y bytes, separados por tabuladores
          (0 para una posición vacía)</translation>
    </message>
    <message>
        <source>Updates the pedal&apos;s firmware from FILE after a question that names the model, the installed and the
file&apos;s firmware version and that the pedal must stay plugged in (--yes answers it and the others;
No is the default). A file that writes to the song flash is named in a question. --any-model lets a
file for another model through, as Shift does in the window, after a further question. Prints the
firmware version before and after. Ctrl-C stops the update only before its first erase.</source>
        <translation>Actualiza el firmware del pedal desde FILE tras una pregunta que indica el modelo, la versión de
firmware instalada y la del archivo, y que el pedal debe seguir conectado (--yes la responde, igual
que las demás; No es la opción por defecto). Un archivo que escribe en la flash de canciones se
indica en una pregunta. --any-model deja pasar, tras otra pregunta, un archivo para otro modelo, como
hace Shift en la ventana. Muestra la versión de firmware antes y después. Ctrl-C solo detiene la
actualización antes del primer borrado.</translation>
    </message>
    <message>
        <source>Writes every used slot into DIR as song-NNN.wav (or song-NNN-b.wav) in the pedal&apos;s own format (its
rate, 24-bit, its channels) and manifest.json (model, firmware, per slot the file, its length, the
SHA-256 of the audio and the song&apos;s fingerprint), the manifest last: a folder without it is no
complete backup. Over an earlier backup of the pedal, a song whose fingerprint (its song info and
its first, middle and last audio page) and file are unchanged is kept without reading it; slots
now empty leave the backup. The earlier backup stays whole until the new manifest replaces it.
  --full  read every song; a change only between the pages the fingerprint reads is seen then</source>
        <translation>Escribe cada posición ocupada en DIR como song-NNN.wav (o song-NNN-b.wav) en el formato propio del
pedal (su frecuencia, 24 bits, sus canales) y manifest.json (modelo, firmware y, por posición, el
archivo, su duración, el SHA-256 del audio y la huella de la canción), con el manifiesto al final: una
carpeta sin él no es una copia de seguridad completa. Sobre una copia anterior del pedal, una canción
cuya huella (su información de canción y sus páginas de audio primera, central y última) y cuyo archivo
no han cambiado se conserva sin leerla; las posiciones que ahora están vacías salen de la copia. La
copia anterior sigue íntegra hasta que el nuevo manifiesto la sustituye.
  --full  leer todas las canciones; solo así se detecta un cambio que esté únicamente entre las páginas
          que lee la huella</translation>
    </message>
    <message>
        <source>Checks DIR&apos;s manifest against the pedal (model id) and every file against the manifest, then writes
the songs back into their slots, bit for bit. Slots the backup does not name keep their songs; a slot
whose fingerprint equals the backup&apos;s already holds the song and is not written. It stops at the
first failure, naming the slots restored and the slot that failed.
  --full  write every slot of the backup</source>
        <translation>Comprueba el manifiesto de DIR frente al pedal (número de modelo) y cada archivo frente al manifiesto,
y luego vuelve a escribir las canciones en sus posiciones, bit a bit. Las posiciones que la copia de
seguridad no nombra conservan sus canciones; una posición cuya huella coincide con la de la copia ya
contiene la canción y no se escribe. Se detiene en el primer fallo e indica las posiciones restauradas
y la posición que falló.
  --full  escribir todas las posiciones de la copia</translation>
    </message>
    <message>
        <source>what the program sees of the MIDI paths and the pedal, for a bug report</source>
        <translation>lo que el programa ve de las vías MIDI y del pedal, para un informe de error</translation>
    </message>
    <message>
        <source>Reports the MIDI paths (raw MIDI, the ALSA sequencer, JACK) with their ports, the sequencer&apos;s buffer
towards hardware and whether the pedal&apos;s frames fit it, every raw MIDI device with the program holding
it and its sequencer subscribers, device nodes this user may not open, and the pedal: found or not,
which path it is reached by and why, and what to do. Exit status 0 when a pedal is usable for every
command, 1 otherwise.</source>
        <translation>Informa de las vías MIDI (MIDI en bruto, el secuenciador ALSA, JACK) con sus puertos, el búfer del
secuenciador hacia el hardware y si las tramas del pedal caben en él, cada dispositivo MIDI en bruto
con el programa que lo ocupa y sus suscriptores del secuenciador, los nodos de dispositivo que este
usuario no puede abrir, y el pedal: si se encontró o no, por qué vía se llega a él y por qué, y qué
hacer. Estado de salida 0 si hay un pedal utilizable para todas las órdenes, 1 en caso contrario.</translation>
    </message>
</context>
<context>
    <name>CorvantaQT</name>
    <message>
        <source>Do not unplug the pedal</source>
        <translation>No desconectes el pedal</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop the running operation (Esc)</source>
        <translation>Detener la operación en curso (Esc)</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>Load song info failed !</source>
        <translation>¡No se pudo cargar la información de las canciones!</translation>
    </message>
    <message>
        <source>Open firmware file</source>
        <translation>Abrir archivo de firmware</translation>
    </message>
    <message>
        <source>DAT Files(*.dat)</source>
        <translation>Archivos DAT(*.dat)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>The selected firmware version less or equal to the connected device, still update ?</source>
        <translation>La versión de firmware elegida es igual o anterior a la del dispositivo conectado. ¿Actualizar de todos modos?</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Descargando %1</translation>
    </message>
    <message>
        <source>No update file selected !</source>
        <translation>¡No se ha elegido ningún archivo de actualización!</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Actualización de firmware</translation>
    </message>
    <message>
        <source>Successful!</source>
        <translation>¡Hecho!</translation>
    </message>
    <message>
        <source>Firmware update cancelled</source>
        <translation>Actualización de firmware cancelada</translation>
    </message>
    <message>
        <source>Download firmware failed !</source>
        <translation>¡Error al descargar el firmware!</translation>
    </message>
    <message>
        <source>Open file &apos;%1&apos; failed, it may be occupied by other process</source>
        <translation>No se pudo abrir el archivo &apos;%1&apos;; puede que otro programa lo esté usando</translation>
    </message>
    <message>
        <source>Open web firmware info failed !</source>
        <translation>¡No se pudo cargar la lista de firmware del servidor!</translation>
    </message>
    <message>
        <source>Drop one audio file at a time: %1 were dropped</source>
        <translation>Suelta un solo archivo de audio cada vez: se soltaron %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file on this computer: only local files can be imported</source>
        <translation>&apos;%1&apos; no es un archivo de este equipo: solo se pueden importar archivos locales</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Backup all songs…</source>
        <translation>Copia de seguridad de todas las canciones…</translation>
    </message>
    <message>
        <source>Restore backup…</source>
        <translation>Restaurar copia de seguridad…</translation>
    </message>
    <message>
        <source>Backup all songs</source>
        <translation>Copia de seguridad de todas las canciones</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Open wav file</source>
        <translation>Abrir archivo WAV</translation>
    </message>
    <message>
        <source>Wav Files(*.wav)</source>
        <translation>Archivos WAV(*.wav)</translation>
    </message>
    <message>
        <source>Wav Files(*.wav);;FLAC Files(*.flac)</source>
        <translation>Archivos WAV(*.wav);;Archivos FLAC(*.flac)</translation>
    </message>
    <message>
        <source>Song %1</source>
        <translation>Canción %1</translation>
    </message>
    <message>
        <source>Export Song %1</source>
        <translation>Exportar canción %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exist, continue to overwrite the song?</source>
        <translation>&apos;%1&apos; ya existe. ¿Sobrescribir la canción?</translation>
    </message>
    <message>
        <source>Overwrite warning</source>
        <translation>Aviso de sobrescritura</translation>
    </message>
    <message>
        <source>Import Song %1</source>
        <translation>Importar canción %1</translation>
    </message>
    <message>
        <source>Continue to delete song &apos;%1&apos; ?</source>
        <translation>¿Borrar la canción &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>A new version(V%1) is available, would you like to download ?</source>
        <translation>Hay una nueva versión (V%1) disponible. ¿Quieres descargarla?</translation>
    </message>
    <message>
        <source>New version...</source>
        <translation>Nueva versión…</translation>
    </message>
    <message>
        <source>Open a firmware file</source>
        <translation>Abrir un archivo de firmware</translation>
    </message>
    <message>
        <source>Pedal: %1, firmware %2</source>
        <translation>Pedal: %1, firmware %2</translation>
    </message>
    <message>
        <source>Listed file: none</source>
        <translation>Archivo de la lista: ninguno</translation>
    </message>
    <message>
        <source>Listed file: firmware %1, %2</source>
        <translation>Archivo de la lista: firmware %1, %2</translation>
    </message>
    <message>
        <source>File: none chosen</source>
        <translation>Archivo: no se eligió ninguno</translation>
    </message>
    <message>
        <source>File: not usable (%1)</source>
        <translation>Archivo: no se puede usar (%1)</translation>
    </message>
    <message>
        <source>File: it does not name its firmware version</source>
        <translation>Archivo: no indica su versión de firmware</translation>
    </message>
    <message>
        <source>File: firmware %1, %2</source>
        <translation>Archivo: firmware %1, %2</translation>
    </message>
    <message>
        <source>Song %1: %2, %3, %4 MB</source>
        <translation>Canción %1: %2, %3, %4 MB</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>estéreo</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>Archivos de audio</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 channels; the pedal&apos;s songs have one. Which should the song hold ?</source>
        <translation>&apos;%1&apos; tiene %2 canales; las canciones del pedal tienen uno. ¿Qué debe contener la canción?</translation>
    </message>
    <message>
        <source>Mix of all channels</source>
        <translation>Mezcla de todos los canales</translation>
    </message>
    <message>
        <source>First channel</source>
        <translation>Primer canal</translation>
    </message>
</context>
<context>
    <name>CorvantaQTClass</name>
    <message>
        <source>Song Edit</source>
        <translation>Editar canciones</translation>
    </message>
    <message>
        <source>Song List</source>
        <translation>Lista de canciones</translation>
    </message>
    <message>
        <source>Edit Song</source>
        <translation>Editar canción</translation>
    </message>
    <message>
        <source>Export the selected song as a wav file</source>
        <translation>Exportar la canción seleccionada como archivo WAV</translation>
    </message>
    <message>
        <source> Export      </source>
        <translation> Exportar    </translation>
    </message>
    <message>
        <source>Import a wav file to the selected song</source>
        <translation>Importar un archivo WAV en la canción seleccionada</translation>
    </message>
    <message>
        <source> Import      </source>
        <translation> Importar    </translation>
    </message>
    <message>
        <source>Delte the selected song</source>
        <translation>Borrar la canción seleccionada</translation>
    </message>
    <message>
        <source> Delete      </source>
        <translation> Borrar      </translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Actualizar firmware</translation>
    </message>
    <message>
        <source>Firmware File</source>
        <translation>Archivo de firmware</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Open a firmware file</source>
        <translation>Abrir un archivo de firmware</translation>
    </message>
    <message>
        <source>Select local file for updating</source>
        <translation>Elegir un archivo local para actualizar</translation>
    </message>
    <message>
        <source>Firmware list</source>
        <translation>Lista de firmware</translation>
    </message>
    <message>
        <source>  Update     </source>
        <translation> Actualizar  </translation>
    </message>
</context>
<context>
    <name>DeviceModels</name>
    <message>
        <source>Unknown Device</source>
        <translation>Dispositivo desconocido</translation>
    </message>
    <message>
        <source>%1 - (No device connected !)</source>
        <translation>%1 - (¡Ningún dispositivo conectado!)</translation>
    </message>
    <message>
        <source>%1 - (Please enter update mode !)</source>
        <translation>%1 - (¡Activa el modo de actualización!)</translation>
    </message>
    <message>
        <source>%1 - (Unknown device connected !)</source>
        <translation>%1 - (¡Dispositivo desconocido conectado!)</translation>
    </message>
    <message>
        <source>%1 - (Connected - %2, Ver=V%3)</source>
        <translation>%1 - (Conectado - %2, Ver=V%3)</translation>
    </message>
</context>
<context>
    <name>FirmwareFile</name>
    <message>
        <source>Open file failed</source>
        <translation>Error al abrir el archivo</translation>
    </message>
    <message>
        <source>File Token Error</source>
        <translation>Identificador de archivo incorrecto</translation>
    </message>
    <message>
        <source>File header checksum Error</source>
        <translation>Error de suma de comprobación en la cabecera del archivo</translation>
    </message>
    <message>
        <source>The file declares %1 sections; at most %2 are possible</source>
        <translation>El archivo declara %1 secciones; como máximo puede haber %2</translation>
    </message>
    <message>
        <source>Data%1l header checksum Error</source>
        <translation>Error de suma de comprobación en la cabecera de Data%1l</translation>
    </message>
    <message>
        <source>The section records lie beyond the end of the file</source>
        <translation>Los registros de las secciones quedan más allá del final del archivo</translation>
    </message>
    <message>
        <source>Section %1 lies beyond the end of the file</source>
        <translation>La sección %1 queda más allá del final del archivo</translation>
    </message>
    <message>
        <source>Section %1 declares more data than its packed block can hold</source>
        <translation>La sección %1 declara más datos de los que caben en su bloque comprimido</translation>
    </message>
    <message>
        <source>decode bin file failed</source>
        <translation>Error al descomprimir el archivo bin</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>The firmware file changed during the update</source>
        <translation>El archivo de firmware cambió durante la actualización</translation>
    </message>
    <message>
        <source>Read firmware file failed</source>
        <translation>No se pudo leer el archivo de firmware</translation>
    </message>
    <message>
        <source>File not match the connected device,please confirm</source>
        <translation>El archivo no corresponde al dispositivo conectado; compruébalo</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>The file is for model %1, the pedal is model %2. Update anyway ?</source>
        <translation>El archivo es para el modelo %1 y el pedal es el modelo %2. ¿Actualizar de todos modos?</translation>
    </message>
    <message>
        <source>The firmware file holds no sections</source>
        <translation>El archivo de firmware no contiene secciones</translation>
    </message>
    <message>
        <source>Section %1 has no flash range</source>
        <translation>La sección %1 no tiene rango de flash</translation>
    </message>
    <message>
        <source>Section %1 targets flash %2; the pedal has flashes 0 and 1</source>
        <translation>La sección %1 apunta a la flash %2; el pedal tiene las flash 0 y 1</translation>
    </message>
    <message>
        <source>Space not enough !</source>
        <translation>¡No hay espacio suficiente!</translation>
    </message>
    <message>
        <source>Section %1 holds an empty image</source>
        <translation>La sección %1 contiene una imagen vacía</translation>
    </message>
    <message>
        <source>Sections %1 and %2 overlap on flash %3</source>
        <translation>Las secciones %1 y %2 se solapan en la flash %3</translation>
    </message>
    <message>
        <source>section %1 of %2 (0x%3 to 0x%4)</source>
        <translation>sección %1 de %2 (0x%3 a 0x%4)</translation>
    </message>
    <message>
        <source>This firmware writes to the song flash: %1. Recorded songs there may be overwritten. Go on with the update ?</source>
        <translation>Este firmware escribe en la flash de canciones: %1. Las canciones grabadas allí pueden sobrescribirse. ¿Seguir con la actualización?</translation>
    </message>
    <message>
        <source>Erase sector failed,address=0x%1</source>
        <translation>Error al borrar el sector, dirección=0x%1</translation>
    </message>
    <message>
        <source>Write data failed !</source>
        <translation>¡Error al escribir los datos!</translation>
    </message>
    <message>
        <source>Verify data failed</source>
        <translation>Error al verificar los datos</translation>
    </message>
    <message>
        <source>Write data timeout !</source>
        <translation>¡Tiempo agotado al escribir los datos!</translation>
    </message>
    <message>
        <source>%1

%2 failed at 0x%3. The pedal may not start normally now: keep it connected and run the same update again. If it no longer answers, its manual describes how to enter update mode.</source>
        <translation>%1

%2 falló en 0x%3. Puede que el pedal no arranque con normalidad: déjalo conectado y vuelve a ejecutar la misma actualización. Si ya no responde, su manual explica cómo entrar en el modo de actualización.</translation>
    </message>
</context>
<context>
    <name>FirmwareVersion</name>
    <message>
        <source>pedal of model %1</source>
        <translation>pedal del modelo %1</translation>
    </message>
    <message>
        <source>the pedal&apos;s own version is not known</source>
        <translation>no se conoce la versión del pedal</translation>
    </message>
    <message>
        <source>newer than the pedal&apos;s</source>
        <translation>posterior a la del pedal</translation>
    </message>
    <message>
        <source>the same as the pedal&apos;s</source>
        <translation>igual a la del pedal</translation>
    </message>
    <message>
        <source>older than the pedal&apos;s</source>
        <translation>anterior a la del pedal</translation>
    </message>
    <message>
        <source>The pedal&apos;s firmware is erased and written anew: keep the pedal plugged in until the result is shown.</source>
        <translation>El firmware del pedal se borra y se vuelve a escribir: mantén el pedal conectado hasta que se muestre el resultado.</translation>
    </message>
    <message>
        <source>Update the %1 (firmware %2) from a file that does not name its version ?
%3</source>
        <translation>¿Actualizar el %1 (firmware %2) con un archivo que no indica su versión?
%3</translation>
    </message>
    <message>
        <source>Update the %1 from firmware %2 to %3 (%4) ?
%5</source>
        <translation>¿Actualizar el %1 del firmware %2 al %3 (%4)?
%5</translation>
    </message>
</context>
<context>
    <name>FlashLayout</name>
    <message>
        <source>Write layout file failed</source>
        <translation>Error al escribir el archivo de mapa de memoria</translation>
    </message>
    <message>
        <source>All FLASH should be same type!</source>
        <translation>¡Todas las FLASH deben ser del mismo tipo!</translation>
    </message>
    <message>
        <source>FLASH start address is empty</source>
        <translation>Falta la dirección inicial de la FLASH</translation>
    </message>
    <message>
        <source>%1 address not follow the last flash</source>
        <translation>%1: la dirección no sigue a la flash anterior</translation>
    </message>
    <message>
        <source>FLASH end address is empty</source>
        <translation>Falta la dirección final de la FLASH</translation>
    </message>
    <message>
        <source>%1 end address is below its start address</source>
        <translation>%1: la dirección final es menor que la inicial</translation>
    </message>
    <message>
        <source>%1 sector size is 0</source>
        <translation>%1: el tamaño de sector es 0</translation>
    </message>
    <message>
        <source>%1 has more than %2 sectors</source>
        <translation>%1 tiene más de %2 sectores</translation>
    </message>
    <message>
        <source>The flash ranges add up to more than 4 GiB</source>
        <translation>Los rangos de flash suman más de 4 GiB</translation>
    </message>
</context>
<context>
    <name>LooperSongBase</name>
    <message>
        <source>Error:Block chain %1 greater than %2</source>
        <translation>Error: cadena de bloques %1 mayor que %2</translation>
    </message>
</context>
<context>
    <name>LooperSongList</name>
    <message>
        <source>Song %1 -- (%2  MB)</source>
        <translation>Canción %1 -- (%2  MB)</translation>
    </message>
</context>
<context>
    <name>Midi</name>
    <message>
        <source>Load snd-seq-midi with output_buffer_size=%1: the Corvanta package&apos;s /etc/modprobe.d/corvanta.conf does so from the module&apos;s next load (after a reboot, or with every MIDI program closed: sudo modprobe -r snd-seq-midi &amp;&amp; sudo modprobe snd-seq-midi). Or close the programs that use the pedal, so that it is reached through raw MIDI.</source>
        <translation>Carga snd-seq-midi con output_buffer_size=%1: el archivo /etc/modprobe.d/corvanta.conf del paquete de Corvanta lo hace a partir de la próxima carga del módulo (tras reiniciar, o con todos los programas MIDI cerrados: sudo modprobe -r snd-seq-midi &amp;&amp; sudo modprobe snd-seq-midi). O cierra los programas que usan el pedal, para que se llegue a él por MIDI en bruto.</translation>
    </message>
    <message>
        <source>ask the administrator for access to %1</source>
        <translation>pide al administrador acceso a %1</translation>
    </message>
    <message>
        <source>%1 belongs to the group %2. Add yourself to it (sudo usermod -aG %2 $USER) and log in again.</source>
        <translation>%1 pertenece al grupo %2. Añádete a él (sudo usermod -aG %2 $USER) y vuelve a iniciar sesión.</translation>
    </message>
    <message>
        <source>The pedal &quot;%1&quot; is shared through the ALSA sequencer with %2, whose buffer carries at most %3 bytes; the pedal&apos;s writes need %4. Nothing was changed on the pedal; its songs can be listed and exported meanwhile. %5</source>
        <translation>El pedal &quot;%1&quot; se comparte con %2 a través del secuenciador ALSA, cuyo búfer admite como máximo %3 bytes; las escrituras en el pedal necesitan %4. No se ha cambiado nada en el pedal; mientras tanto, se pueden listar y exportar sus canciones. %5</translation>
    </message>
</context>
<context>
    <name>MidiPortPair</name>
    <message>
        <source>frame too large for the transmit buffer</source>
        <translation>trama demasiado grande para el búfer de transmisión</translation>
    </message>
</context>
<context>
    <name>PortSearch</name>
    <message>
        <source>Please replug the USB cable to enter update mode!</source>
        <translation>¡Vuelve a conectar el cable USB para entrar en el modo de actualización!</translation>
    </message>
    <message>
        <source>You should enter update mode first! For how to enter update mode, please refer to the manual</source>
        <translation>¡Primero tienes que entrar en el modo de actualización! Cómo hacerlo se explica en el manual</translation>
    </message>
</context>
<context>
    <name>ProgressMeter</name>
    <message>
        <source>%1 of %2 MB</source>
        <translation>%1 de %2 MB</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>quedan %1</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
</context>
<context>
    <name>RawMidi</name>
    <message>
        <source>invalid input port number</source>
        <translation>número de puerto de entrada no válido</translation>
    </message>
    <message>
        <source>invalid output port number</source>
        <translation>número de puerto de salida no válido</translation>
    </message>
    <message>
        <source>a port is already open</source>
        <translation>ya hay un puerto abierto</translation>
    </message>
    <message>
        <source>output port is not open</source>
        <translation>el puerto de salida no está abierto</translation>
    </message>
    <message>
        <source>cannot open MIDI device %1: %2</source>
        <translation>no se puede abrir el dispositivo MIDI %1: %2</translation>
    </message>
    <message>
        <source>cannot read MIDI device %1: no pipe for its reader</source>
        <translation>no se puede leer el dispositivo MIDI %1: no hay tubería para su lector</translation>
    </message>
    <message>
        <source>MIDI device %1 refused the message after %2 of %3 bytes: %4</source>
        <translation>El dispositivo MIDI %1 rechazó el mensaje tras %2 de %3 bytes: %4</translation>
    </message>
    <message>
        <source>MIDI device %1 took no data for %2 s; %3 of %4 bytes were sent</source>
        <translation>El dispositivo MIDI %1 no aceptó datos durante %2 s; se enviaron %3 de %4 bytes</translation>
    </message>
    <message>
        <source>MIDI device %1 went away while a message was being sent</source>
        <translation>El dispositivo MIDI %1 desapareció mientras se enviaba un mensaje</translation>
    </message>
    <message>
        <source>MIDI device %1 is in use by %2</source>
        <translation>El dispositivo MIDI %1 lo está usando %2</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>otro programa</translation>
    </message>
    <message>
        <source>no permission to open MIDI device %1: %2</source>
        <translation>sin permiso para abrir el dispositivo MIDI %1: %2</translation>
    </message>
</context>
<context>
    <name>RtMidi</name>
    <message>
        <source>unknown MIDI API in CORVANTA_MIDI_API: %1</source>
        <translation>API MIDI desconocida en CORVANTA_MIDI_API: %1</translation>
    </message>
    <message>
        <source>no MIDI API is available</source>
        <translation>no hay ninguna API MIDI disponible</translation>
    </message>
    <message>
        <source>A MIDI message of %1 bytes cannot cross the ALSA sequencer (at most %2 bytes), so it was not sent. %3</source>
        <translation>Un mensaje MIDI de %1 bytes no puede pasar por el secuenciador ALSA (como máximo %2 bytes), así que no se envió. %3</translation>
    </message>
</context>
<context>
    <name>SongBackup</name>
    <message>
        <source>&apos;%1&apos; is not the song the backup recorded</source>
        <translation>&apos;%1&apos; no es la canción que registró la copia de seguridad</translation>
    </message>
    <message>
        <source>Backup cancelled; the earlier backup in &apos;%1&apos; is unchanged</source>
        <translation>Copia de seguridad cancelada; la copia anterior en &apos;%1&apos; sigue intacta</translation>
    </message>
    <message>
        <source>Backup cancelled; no backup was written to &apos;%1&apos;</source>
        <translation>Copia de seguridad cancelada; no se escribió ninguna copia en &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Restore cancelled: no slot was restored; every slot keeps its song</source>
        <translation>Restauración cancelada: no se restauró ninguna posición; todas conservan su canción</translation>
    </message>
    <message>
        <source>Restore cancelled: slot %1 was restored; the others keep their songs</source>
        <translation>Restauración cancelada: se restauró la posición %1; las demás conservan sus canciones</translation>
    </message>
    <message>
        <source>Restore cancelled: slots %1 were restored; the others keep their songs</source>
        <translation>Restauración cancelada: se restauraron las posiciones %1; las demás conservan sus canciones</translation>
    </message>
    <message>
        <source>Cannot write the backup folder &apos;%1&apos;</source>
        <translation>No se puede escribir en la carpeta de la copia de seguridad &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Backup Song %1 (%2 of %3)</source>
        <translation>Copia de la canción %1 (%2 de %3)</translation>
    </message>
    <message>
        <source>Song %1: %2</source>
        <translation>Canción %1: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no complete backup (its %2 is missing or unreadable)</source>
        <translation>&apos;%1&apos; no contiene una copia de seguridad completa (su %2 falta o no se puede leer)</translation>
    </message>
    <message>
        <source>The backup is of model %1, the pedal is model %2</source>
        <translation>La copia de seguridad es del modelo %1 y el pedal es el modelo %2</translation>
    </message>
    <message>
        <source>The backup&apos;s entry for slot %1 is not valid</source>
        <translation>La entrada de la copia de seguridad para la posición %1 no es válida</translation>
    </message>
    <message>
        <source>Restore %1 songs from &apos;%2&apos; (%3 used slots are overwritten) ?</source>
        <translation>¿Restaurar %1 canciones desde &apos;%2&apos; (se sobrescriben %3 posiciones ocupadas)?</translation>
    </message>
    <message>
        <source>Restore Song %1 (%2 of %3)</source>
        <translation>Restaurando canción %1 (%2 de %3)</translation>
    </message>
    <message>
        <source>Song %1 unchanged</source>
        <translation>Canción %1 sin cambios</translation>
    </message>
    <message>
        <source>Cannot write the backup folder &apos;%1&apos;; the earlier backup in it is unchanged</source>
        <translation>No se puede escribir en la carpeta de la copia de seguridad &apos;%1&apos;; la copia anterior que contiene sigue intacta</translation>
    </message>
    <message>
        <source>Backup done: %1 read, %2 unchanged</source>
        <translation>Copia de seguridad terminada: %1 leídas, %2 sin cambios</translation>
    </message>
    <message>
        <source>Restore failed at slot %1 (%2): no slot was restored; the slots after it were not written</source>
        <translation>La restauración falló en la posición %1 (%2): no se restauró ninguna posición; las posiciones siguientes no se escribieron</translation>
    </message>
    <message>
        <source>Restore failed at slot %1 (%2): slot %3 was restored; the slots after it were not written</source>
        <translation>La restauración falló en la posición %1 (%2): se restauró la posición %3; las posiciones siguientes no se escribieron</translation>
    </message>
    <message>
        <source>Restore failed at slot %1 (%2): slots %3 were restored; the slots after it were not written</source>
        <translation>La restauración falló en la posición %1 (%2): se restauraron las posiciones %3; las posiciones siguientes no se escribieron</translation>
    </message>
    <message>
        <source>Song %1 already there</source>
        <translation>Canción %1 ya presente</translation>
    </message>
    <message>
        <source>Restore done: %1 written, %2 already there</source>
        <translation>Restauración terminada: %1 escritas, %2 ya presentes</translation>
    </message>
    <message>
        <source>Restore %1 songs from &apos;%2&apos; (%3 used slots are overwritten, %4 songs already there are kept) ?</source>
        <translation>¿Restaurar %1 canciones desde &apos;%2&apos; (se sobrescriben %3 posiciones ocupadas, se conservan %4 canciones que ya están)?</translation>
    </message>
</context>
<context>
    <name>SongResult</name>
    <message>
        <source>Successful !</source>
        <translation>¡Hecho!</translation>
    </message>
    <message>
        <source>Device not open !</source>
        <translation>¡Dispositivo no abierto!</translation>
    </message>
    <message>
        <source>Device not support !</source>
        <translation>¡Dispositivo no compatible!</translation>
    </message>
    <message>
        <source>Read data failed!</source>
        <translation>¡Error al leer los datos!</translation>
    </message>
    <message>
        <source>Checksum error!</source>
        <translation>¡Error de suma de comprobación!</translation>
    </message>
    <message>
        <source>Space not enough!</source>
        <translation>¡No hay espacio suficiente!</translation>
    </message>
    <message>
        <source>File too large!</source>
        <translation>¡Archivo demasiado grande!</translation>
    </message>
    <message>
        <source>FLASH erase failed!</source>
        <translation>¡Error al borrar la FLASH!</translation>
    </message>
    <message>
        <source>File info erase failed!</source>
        <translation>¡Error al borrar la información del archivo!</translation>
    </message>
    <message>
        <source>Write wav flag failed!</source>
        <translation>¡Error al escribir la marca WAV!</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Failed !</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>Write data failed!</source>
        <translation>¡Error al escribir los datos!</translation>
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
        <translation>Ocupado: %1 de %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2, the pedal has %3 free</source>
        <translation>&apos;%1&apos; necesita %2 y el pedal tiene %3 libres</translation>
    </message>
</context>
<context>
    <name>SongTransfer</name>
    <message>
        <source>Song %1 -- (Damaged)</source>
        <translation>Canción %1 -- (Dañada)</translation>
    </message>
    <message>
        <source>Song %1 -- (Empty)</source>
        <translation>Canción %1 -- (Vacía)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read: its song info fails its checksum. Import a song into the slot or delete it.</source>
        <translation>No se puede leer &apos;%1&apos;: su información de canción no supera la suma de comprobación. Importa una canción en la posición o bórrala.</translation>
    </message>
    <message>
        <source>Export cancelled</source>
        <translation>Exportación cancelada</translation>
    </message>
    <message>
        <source>Import cancelled</source>
        <translation>Importación cancelada</translation>
    </message>
    <message>
        <source>Audio file &apos;%1&apos; is too short: it gives the song %2 of the %3 frames a song needs at least</source>
        <translation>El archivo de audio &apos;%1&apos; es demasiado corto: da a la canción %2 frames y una canción necesita al menos %3</translation>
    </message>
</context>
<context>
    <name>USBPort</name>
    <message>
        <source>Checksum错误,算出来是%1, 包内校验是%2</source>
        <translation>Error de suma de comprobación: calculada %1, en el paquete %2</translation>
    </message>
    <message>
        <source>the pedal&apos;s MIDI ports are gone</source>
        <translation>los puertos MIDI del pedal han desaparecido</translation>
    </message>
    <message>
        <source>Data length error</source>
        <translation>Error de longitud de datos</translation>
    </message>
    <message>
        <source>Cmd type error</source>
        <translation>Error de tipo de orden</translation>
    </message>
    <message>
        <source>读取回复码长度错误,需要%1字节,收到%2字节</source>
        <translation>Longitud de respuesta incorrecta: se esperaban %1 bytes y se recibieron %2 bytes</translation>
    </message>
    <message>
        <source>Data length error,need %1 bytes,got %2 bytes</source>
        <translation>Error de longitud de datos: se esperaban %1 bytes y se recibieron %2 bytes</translation>
    </message>
</context>
<context>
    <name>UpdatePlan</name>
    <message>
        <source>Erase of section %1 of %2</source>
        <translation>El borrado de la sección %1 de %2</translation>
    </message>
    <message>
        <source>Erase section %1 of %2</source>
        <translation>Borrando sección %1 de %2</translation>
    </message>
    <message>
        <source>Write of section %1 of %2</source>
        <translation>La escritura de la sección %1 de %2</translation>
    </message>
    <message>
        <source>Write section %1 of %2</source>
        <translation>Escribiendo sección %1 de %2</translation>
    </message>
    <message>
        <source>Verify of section %1 of %2</source>
        <translation>La verificación de la sección %1 de %2</translation>
    </message>
    <message>
        <source>Verify section %1 of %2</source>
        <translation>Verificando sección %1 de %2</translation>
    </message>
</context>
<context>
    <name>UpdateProgress</name>
    <message>
        <source>The firmware update cannot be stopped once it erases the flash: it goes on. Do not unplug the pedal.</source>
        <translation>La actualización de firmware no se puede detener una vez que borra la flash: continúa. No desconectes el pedal.</translation>
    </message>
</context>
<context>
    <name>Wave</name>
    <message>
        <source>RIFF not found</source>
        <translation>RIFF no encontrado</translation>
    </message>
    <message>
        <source>WAVEfmt not found</source>
        <translation>WAVEfmt no encontrado</translation>
    </message>
    <message>
        <source>data segment not found</source>
        <translation>segmento de datos no encontrado</translation>
    </message>
    <message>
        <source>has an unusable format: %1 bytes per frame, %2 frames and %3 bytes per second</source>
        <translation>tiene un formato inservible: %1 bytes por frame, %2 frames y %3 bytes por segundo</translation>
    </message>
    <message>
        <source>Wave file &apos;%1&apos; %2</source>
        <translation>Archivo WAV &apos;%1&apos;: %2</translation>
    </message>
</context>
</TS>
