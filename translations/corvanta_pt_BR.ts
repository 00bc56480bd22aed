<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppFiles</name>
    <message>
        <source>Open file &apos;%1&apos; failed, it may be occupied by other process</source>
        <translation>Não foi possível abrir o arquivo &apos;%1&apos;; talvez outro programa o esteja usando</translation>
    </message>
    <message>
        <source>Write file &apos;%1&apos; failed</source>
        <translation>Não foi possível gravar o arquivo &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>AudioImport</name>
    <message>
        <source>Audio file &apos;%1&apos; has a sample rate of %2 Hz: only 1,000 to 768,000 Hz can be imported</source>
        <translation>O arquivo de áudio &apos;%1&apos; tem taxa de amostragem de %2 Hz: só é possível importar de 1.000 a 768.000 Hz</translation>
    </message>
    <message>
        <source>Audio file &apos;%1&apos; cannot be read: %2</source>
        <translation>Não é possível ler o arquivo de áudio &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>it could not be read to its end</source>
        <translation>não foi possível lê-lo até o fim</translation>
    </message>
    <message>
        <source>it ends after %1 of its %2 frames</source>
        <translation>ele termina após %1 de seus %2 frames</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Usage: corvanta-cli [--port NAME] %1 %2

%3
</source>
        <translation>Uso: corvanta-cli [--port NOME] %1 %2

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
        <translation>Uso: corvanta-cli [--port NOME] COMANDO [ARGUMENTOS]

Os comandos da janela do Corvanta para um pedal conectado via USB MIDI.
As posições são numeradas como na janela (1 = &quot;Música 001&quot;).

Opções:
  --port NOME   usar o par de portas MIDI NOME em vez de procurar
  --help        este texto; depois de um comando, a ajuda do comando

Comandos:
%1
Ctrl-C ou SIGTERM durante export, import, backup ou restore interrompe no próximo bloco:
o arquivo exportado não é gravado e a posição mantém sua música, a menos que a importação tenha terminado.
Uma atualização só para antes do primeiro apagamento; a partir daí, todo sinal é recusado.
Mensagens e perguntas vão para a saída de erro no idioma do sistema;
os dados da saída padrão (ports, info, list, catalogue, firmware-info e as
versões após uma atualização) ficam em inglês em todos os idiomas, para scripts.
Código de saída: 0 sucesso, 1 falha, 2 erro de uso, 130 cancelado.
</translation>
    </message>
    <message>
        <source>--format needs wav or flac</source>
        <translation>--format precisa de wav ou flac</translation>
    </message>
    <message>
        <source>--port needs a port name</source>
        <translation>--port precisa de um nome de porta</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>unknown verb &apos;%1&apos;</source>
        <translation>comando desconhecido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <translation>%1 espera %2</translation>
    </message>
    <message>
        <source>%1 takes no --yes</source>
        <translation>%1 não aceita --yes</translation>
    </message>
    <message>
        <source>%1 takes no --any-model</source>
        <translation>%1 não aceita --any-model</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 não aceita %2</translation>
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
        <translation>sim</translation>
    </message>
    <message>
        <source>%1 yes (--yes)
</source>
        <translation>%1 sim (--yes)
</translation>
    </message>
    <message>
        <source>%1 no: standard input is not a terminal, add --yes to answer yes
</source>
        <translation>%1 não: a entrada padrão não é um terminal; use --yes para responder sim
</translation>
    </message>
    <message>
        <source>%1 [y/N] </source>
        <translation>%1 [s/N] </translation>
    </message>
    <message>
        <source>no
</source>
        <translation>não
</translation>
    </message>
</context>
<context>
    <name>CliVerbs</name>
    <message>
        <source>&apos;%1&apos; is no slot number (slots count from 1)</source>
        <translation>&apos;%1&apos; não é um número de posição (as posições começam em 1)</translation>
    </message>
    <message>
        <source>Slot %1 is out of range: the pedal has slots 1 to %2</source>
        <translation>A posição %1 está fora do intervalo: o pedal tem as posições 1 a %2</translation>
    </message>
    <message>
        <source>%1 holds no song</source>
        <translation>%1 não contém nenhuma música</translation>
    </message>
    <message>
        <source>No MIDI port pair named &apos;%1&apos; (corvanta-cli ports lists them)</source>
        <translation>Nenhum par de portas MIDI chamado &apos;%1&apos; (corvanta-cli ports lista os pares)</translation>
    </message>
    <message>
        <source>No MIDI port pairs</source>
        <translation>Nenhum par de portas MIDI</translation>
    </message>
    <message>
        <source>Export Song %1</source>
        <translation>Exportar música %1</translation>
    </message>
    <message>
        <source>Overwrite warning</source>
        <translation>Aviso de substituição</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exist, continue to overwrite the song?</source>
        <translation>&apos;%1&apos; já existe. Substituir a música?</translation>
    </message>
    <message>
        <source>Import Song %1</source>
        <translation>Importar música %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Continue to delete song &apos;%1&apos; ?</source>
        <translation>Excluir a música &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Successful!</source>
        <translation>Concluído!</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>Falhou!</translation>
    </message>
    <message>
        <source>Firmware update cancelled</source>
        <translation>Atualização de firmware cancelada</translation>
    </message>
    <message>
        <source>Open web firmware info failed !</source>
        <translation>Não foi possível carregar a lista de firmware do servidor!</translation>
    </message>
    <message>
        <source>list the MIDI port pairs, * marks the one the port search picks</source>
        <translation>lista os pares de portas MIDI; * marca o que a busca escolhe</translation>
    </message>
    <message>
        <source>Lists the pairs of same-named MIDI ports; * marks the pair the port search connects to.</source>
        <translation>Lista os pares de portas MIDI de mesmo nome; * marca o par ao qual a busca de portas se conecta.</translation>
    </message>
    <message>
        <source>the connected pedal: status, model, firmware, aux, slots, format, space</source>
        <translation>o pedal conectado: estado, modelo, firmware, aux, posições, formato, espaço</translation>
    </message>
    <message>
        <source>Connects and prints the window title&apos;s status text, the model id and name, the firmware version, aux,
the number of song slots, the song format and, for a pedal that holds songs, how much of its song
area the songs use.</source>
        <translation>Conecta e mostra o texto de estado do título da janela, o número e o nome do modelo, a versão do
firmware, aux, o número de posições de música, o formato das músicas e, num pedal que guarda músicas,
quanto da área de músicas elas ocupam.</translation>
    </message>
    <message>
        <source>one line per song slot, as the window lists them</source>
        <translation>uma linha por posição, como a janela as lista</translation>
    </message>
    <message>
        <source>export a song as a 48,000 Hz WAV file</source>
        <translation>exporta uma música como arquivo WAV de 48.000 Hz</translation>
    </message>
    <message>
        <source>Exports the song of SLOT as a 48,000 Hz 24-bit WAV file, converted through 16 bits as the window does;
an existing FILE keeps its content on failure.
  --format flac  write FLAC instead of WAV
  --native       the pedal&apos;s own audio untouched: 46,875 Hz, 24-bit
  --hq           convert from the full 24 bits, without the 16-bit step</source>
        <translation>Exporta a música de SLOT como arquivo WAV de 48.000 Hz e 24 bits, convertida passando por 16 bits como
a janela faz; um FILE existente mantém seu conteúdo em caso de falha.
  --format flac  gravar FLAC em vez de WAV
  --native       o áudio do próprio pedal, intacto: 46.875 Hz, 24 bits
  --hq           converter a partir dos 24 bits completos, sem passar por 16 bits</translation>
    </message>
    <message>
        <source>import an audio file into a slot</source>
        <translation>importa um arquivo de áudio para uma posição</translation>
    </message>
    <message>
        <source>Imports FILE (WAV, AIFF, FLAC, Ogg, MP3 and whatever else libsndfile reads) into SLOT, converted to
the pedal&apos;s format. A used slot is overwritten only when the question is answered yes (--yes, or y
on a terminal). For a one-channel pedal the first channel is taken; --mix takes the mean of all
channels instead.</source>
        <translation>Importa FILE (WAV, AIFF, FLAC, Ogg, MP3 e tudo o mais que a libsndfile lê) para SLOT, convertido para
o formato do pedal. Uma posição ocupada só é substituída se a pergunta for respondida com sim (--yes,
ou s num terminal). Num pedal de um canal, usa-se o primeiro canal; --mix usa a média de todos os
canais.</translation>
    </message>
    <message>
        <source>delete a song</source>
        <translation>exclui uma música</translation>
    </message>
    <message>
        <source>Deletes the song of SLOT after a question; --yes answers it. Without --yes and without a terminal on
standard input the song is kept.</source>
        <translation>Exclui a música de SLOT após uma pergunta; --yes a responde. Sem --yes e sem um terminal na entrada
padrão, a música é mantida.</translation>
    </message>
    <message>
        <source>every used slot as a WAV in the pedal&apos;s own format, plus a manifest</source>
        <translation>cada posição ocupada como WAV no formato do pedal, mais um manifesto</translation>
    </message>
    <message>
        <source>write a backup&apos;s songs back into their slots</source>
        <translation>grava as músicas de um backup de volta em suas posições</translation>
    </message>
    <message>
        <source>decode a firmware file without a pedal</source>
        <translation>decodifica um arquivo de firmware sem pedal</translation>
    </message>
    <message>
        <source>Decodes FILE: its target model, its sections with their layouts and image sizes, or the decoder&apos;s error.</source>
        <translation>Decodifica FILE: o modelo de destino, as seções com seus layouts e tamanhos de imagem, ou o erro do decodificador.</translation>
    </message>
    <message>
        <source>update the pedal&apos;s firmware from a file</source>
        <translation>atualiza o firmware do pedal a partir de um arquivo</translation>
    </message>
    <message>
        <source>the update server&apos;s firmware list for the connected model</source>
        <translation>a lista de firmware do servidor de atualização para o modelo conectado</translation>
    </message>
    <message>
        <source>Prints the update server&apos;s firmware entries for the connected model: name, tab, URL.</source>
        <translation>Mostra as entradas de firmware do servidor de atualização para o modelo conectado: nome, tabulação, URL.</translation>
    </message>
    <message>
        <source>Usage: corvanta-cli [--port NAME] VERB [ARGS]   (corvanta-cli --help lists the verbs)</source>
        <translation>Uso: corvanta-cli [--port NOME] COMANDO [ARGUMENTOS]   (corvanta-cli --help lista os comandos)</translation>
    </message>
    <message>
        <source>Prints one line per slot with the window&apos;s list text.
  --long  for scripts: slot, length in seconds, channels and bytes, tab-separated (0 for an empty slot)</source>
        <translation>Mostra uma linha por posição com o texto da lista da janela.
  --long  para scripts: posição, duração em segundos, canais e bytes, separados por tabulação
          (0 para uma posição vazia)</translation>
    </message>
    <message>
        <source>Updates the pedal&apos;s firmware from FILE after a question that names the model, the installed and the
file&apos;s firmware version and that the pedal must stay plugged in (--yes answers it and the others;
No is the default). A file that writes to the song flash is named in a question. --any-model lets a
file for another model through, as Shift does in the window, after a further question. Prints the
firmware version before and after. Ctrl-C stops the update only before its first erase.</source>
        <translation>Atualiza o firmware do pedal a partir de FILE após uma pergunta que informa o modelo, a versão de
firmware instalada e a do arquivo, e que o pedal deve continuar conectado (--yes a responde, assim
como as demais; Não é o padrão). Um arquivo que grava na flash de músicas é indicado numa pergunta.
--any-model aceita, após mais uma pergunta, um arquivo para outro modelo, como o Shift faz na janela.
Mostra a versão do firmware antes e depois. Ctrl-C só interrompe a atualização antes do primeiro
apagamento.</translation>
    </message>
    <message>
        <source>Writes every used slot into DIR as song-NNN.wav (or song-NNN-b.wav) in the pedal&apos;s own format (its
rate, 24-bit, its channels) and manifest.json (model, firmware, per slot the file, its length, the
SHA-256 of the audio and the song&apos;s fingerprint), the manifest last: a folder without it is no
complete backup. Over an earlier backup of the pedal, a song whose fingerprint (its song info and
its first, middle and last audio page) and file are unchanged is kept without reading it; slots
now empty leave the backup. The earlier backup stays whole until the new manifest replaces it.
  --full  read every song; a change only between the pages the fingerprint reads is seen then</source>
        <translation>Grava cada posição ocupada em DIR como song-NNN.wav (ou song-NNN-b.wav) no formato próprio do pedal
(sua taxa, 24 bits, seus canais) e manifest.json (modelo, firmware e, por posição, o arquivo, sua
duração, o SHA-256 do áudio e a impressão digital da música), com o manifesto por último: uma pasta sem
ele não é um backup completo. Sobre um backup anterior do pedal, uma música cuja impressão digital
(suas informações de música e a primeira, a do meio e a última página de áudio) e cujo arquivo não
mudaram é mantida sem ser lida; as posições agora vazias saem do backup. O backup anterior permanece
inteiro até que o novo manifesto o substitua.
  --full  ler todas as músicas; só assim se detecta uma alteração que esteja apenas entre as páginas
          que a impressão digital lê</translation>
    </message>
    <message>
        <source>Checks DIR&apos;s manifest against the pedal (model id) and every file against the manifest, then writes
the songs back into their slots, bit for bit. Slots the backup does not name keep their songs; a slot
whose fingerprint equals the backup&apos;s already holds the song and is not written. It stops at the
first failure, naming the slots restored and the slot that failed.
  --full  write every slot of the backup</source>
        <translation>Confere o manifesto de DIR com o pedal (número do modelo) e cada arquivo com o manifesto e, em seguida,
grava as músicas de volta em suas posições, bit a bit. As posições que o backup não menciona mantêm
suas músicas; uma posição cuja impressão digital é igual à do backup já contém a música e não é
gravada. Para na primeira falha, indicando as posições restauradas e a posição que falhou.
  --full  gravar todas as posições do backup</translation>
    </message>
    <message>
        <source>what the program sees of the MIDI paths and the pedal, for a bug report</source>
        <translation>o que o programa vê dos caminhos MIDI e do pedal, para um relatório de bug</translation>
    </message>
    <message>
        <source>Reports the MIDI paths (raw MIDI, the ALSA sequencer, JACK) with their ports, the sequencer&apos;s buffer
towards hardware and whether the pedal&apos;s frames fit it, every raw MIDI device with the program holding
it and its sequencer subscribers, device nodes this user may not open, and the pedal: found or not,
which path it is reached by and why, and what to do. Exit status 0 when a pedal is usable for every
command, 1 otherwise.</source>
        <translation>Informa os caminhos MIDI (MIDI bruto, o sequenciador ALSA, JACK) com suas portas, o buffer do
sequenciador para o hardware e se os quadros do pedal cabem nele, cada dispositivo MIDI bruto com o
programa que o ocupa e seus assinantes no sequenciador, os nós de dispositivo que este usuário não
pode abrir, e o pedal: encontrado ou não, por qual caminho é alcançado e por quê, e o que fazer.
Status de saída 0 quando há um pedal utilizável para todos os comandos, 1 caso contrário.</translation>
    </message>
</context>
<context>
    <name>CorvantaQT</name>
    <message>
        <source>Do not unplug the pedal</source>
        <translation>Não desconecte o pedal</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stop the running operation (Esc)</source>
        <translation>Interromper a operação em andamento (Esc)</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>Cancelando…</translation>
    </message>
    <message>
        <source>Load song info failed !</source>
        <translation>Não foi possível carregar as informações das músicas!</translation>
    </message>
    <message>
        <source>Open firmware file</source>
        <translation>Abrir arquivo de firmware</translation>
    </message>
    <message>
        <source>DAT Files(*.dat)</source>
        <translation>Arquivos DAT(*.dat)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>The selected firmware version less or equal to the connected device, still update ?</source>
        <translation>A versão de firmware escolhida é igual ou anterior à do dispositivo conectado. Atualizar mesmo assim?</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Baixando %1</translation>
    </message>
    <message>
        <source>No update file selected !</source>
        <translation>Nenhum arquivo de atualização selecionado!</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>Falhou!</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>Atualização de firmware</translation>
    </message>
    <message>
        <source>Successful!</source>
        <translation>Concluído!</translation>
    </message>
    <message>
        <source>Firmware update cancelled</source>
        <translation>Atualização de firmware cancelada</translation>
    </message>
    <message>
        <source>Download firmware failed !</source>
        <translation>Falha ao baixar o firmware!</translation>
    </message>
    <message>
        <source>Open file &apos;%1&apos; failed, it may be occupied by other process</source>
        <translation>Não foi possível abrir o arquivo &apos;%1&apos;; talvez outro programa o esteja usando</translation>
    </message>
    <message>
        <source>Open web firmware info failed !</source>
        <translation>Não foi possível carregar a lista de firmware do servidor!</translation>
    </message>
    <message>
        <source>Drop one audio file at a time: %1 were dropped</source>
        <translation>Solte um arquivo de áudio por vez: foram soltos %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file on this computer: only local files can be imported</source>
        <translation>&apos;%1&apos; não é um arquivo deste computador: só é possível importar arquivos locais</translation>
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
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Backup all songs…</source>
        <translation>Fazer backup de todas as músicas…</translation>
    </message>
    <message>
        <source>Restore backup…</source>
        <translation>Restaurar backup…</translation>
    </message>
    <message>
        <source>Backup all songs</source>
        <translation>Fazer backup de todas as músicas</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>Restaurar backup</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Open wav file</source>
        <translation>Abrir arquivo WAV</translation>
    </message>
    <message>
        <source>Wav Files(*.wav)</source>
        <translation>Arquivos WAV(*.wav)</translation>
    </message>
    <message>
        <source>Wav Files(*.wav);;FLAC Files(*.flac)</source>
        <translation>Arquivos WAV(*.wav);;Arquivos FLAC(*.flac)</translation>
    </message>
    <message>
        <source>Song %1</source>
        <translation>Música %1</translation>
    </message>
    <message>
        <source>Export Song %1</source>
        <translation>Exportar música %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exist, continue to overwrite the song?</source>
        <translation>&apos;%1&apos; já existe. Substituir a música?</translation>
    </message>
    <message>
        <source>Overwrite warning</source>
        <translation>Aviso de substituição</translation>
    </message>
    <message>
        <source>Import Song %1</source>
        <translation>Importar música %1</translation>
    </message>
    <message>
        <source>Continue to delete song &apos;%1&apos; ?</source>
        <translation>Excluir a música &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>A new version(V%1) is available, would you like to download ?</source>
        <translation>Uma nova versão (V%1) está disponível. Deseja baixá-la?</translation>
    </message>
    <message>
        <source>New version...</source>
        <translation>Nova versão…</translation>
    </message>
    <message>
        <source>Open a firmware file</source>
        <translation>Abrir um arquivo de firmware</translation>
    </message>
    <message>
        <source>Pedal: %1, firmware %2</source>
        <translation>Pedal: %1, firmware %2</translation>
    </message>
    <message>
        <source>Listed file: none</source>
        <translation>Arquivo da lista: nenhum</translation>
    </message>
    <message>
        <source>Listed file: firmware %1, %2</source>
        <translation>Arquivo da lista: firmware %1, %2</translation>
    </message>
    <message>
        <source>File: none chosen</source>
        <translation>Arquivo: nenhum escolhido</translation>
    </message>
    <message>
        <source>File: not usable (%1)</source>
        <translation>Arquivo: não utilizável (%1)</translation>
    </message>
    <message>
        <source>File: it does not name its firmware version</source>
        <translation>Arquivo: não informa sua versão de firmware</translation>
    </message>
    <message>
        <source>File: firmware %1, %2</source>
        <translation>Arquivo: firmware %1, %2</translation>
    </message>
    <message>
        <source>Song %1: %2, %3, %4 MB</source>
        <translation>Música %1: %2, %3, %4 MB</translation>
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
        <translation>Arquivos de áudio</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 channels; the pedal&apos;s songs have one. Which should the song hold ?</source>
        <translation>&apos;%1&apos; tem %2 canais; as músicas do pedal têm um. O que a música deve conter?</translation>
    </message>
    <message>
        <source>Mix of all channels</source>
        <translation>Mixagem de todos os canais</translation>
    </message>
    <message>
        <source>First channel</source>
        <translation>Primeiro canal</translation>
    </message>
</context>
<context>
    <name>CorvantaQTClass</name>
    <message>
        <source>Song Edit</source>
        <translation>Editar músicas</translation>
    </message>
    <message>
        <source>Song List</source>
        <translation>Lista de músicas</translation>
    </message>
    <message>
        <source>Edit Song</source>
        <translation>Editar música</translation>
    </message>
    <message>
        <source>Export the selected song as a wav file</source>
        <translation>Exportar a música selecionada como arquivo WAV</translation>
    </message>
    <message>
        <source> Export      </source>
        <translation> Exportar    </translation>
    </message>
    <message>
        <source>Import a wav file to the selected song</source>
        <translation>Importar um arquivo WAV para a música selecionada</translation>
    </message>
    <message>
        <source> Import      </source>
        <translation> Importar    </translation>
    </message>
    <message>
        <source>Delte the selected song</source>
        <translation>Excluir a música selecionada</translation>
    </message>
    <message>
        <source> Delete      </source>
        <translation> Excluir     </translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Atualizar firmware</translation>
    </message>
    <message>
        <source>Firmware File</source>
        <translation>Arquivo de firmware</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>Open a firmware file</source>
        <translation>Abrir um arquivo de firmware</translation>
    </message>
    <message>
        <source>Select local file for updating</source>
        <translation>Escolher um arquivo local para atualizar</translation>
    </message>
    <message>
        <source>Firmware list</source>
        <translation>Lista de firmware</translation>
    </message>
    <message>
        <source>  Update     </source>
        <translation> Atualizar   </translation>
    </message>
</context>
<context>
    <name>DeviceModels</name>
    <message>
        <source>Unknown Device</source>
        <translation>Dispositivo desconhecido</translation>
    </message>
    <message>
        <source>%1 - (No device connected !)</source>
        <translation>%1 - (Nenhum dispositivo conectado!)</translation>
    </message>
    <message>
        <source>%1 - (Please enter update mode !)</source>
        <translation>%1 - (Entre no modo de atualização!)</translation>
    </message>
    <message>
        <source>%1 - (Unknown device connected !)</source>
        <translation>%1 - (Dispositivo desconhecido conectado!)</translation>
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
        <translation>Falha ao abrir o arquivo</translation>
    </message>
    <message>
        <source>File Token Error</source>
        <translation>Identificador de arquivo incorreto</translation>
    </message>
    <message>
        <source>File header checksum Error</source>
        <translation>Erro de checksum no cabeçalho do arquivo</translation>
    </message>
    <message>
        <source>The file declares %1 sections; at most %2 are possible</source>
        <translation>O arquivo declara %1 seções; no máximo %2 são possíveis</translation>
    </message>
    <message>
        <source>Data%1l header checksum Error</source>
        <translation>Erro de checksum no cabeçalho de Data%1l</translation>
    </message>
    <message>
        <source>The section records lie beyond the end of the file</source>
        <translation>Os registros das seções ficam além do fim do arquivo</translation>
    </message>
    <message>
        <source>Section %1 lies beyond the end of the file</source>
        <translation>A seção %1 fica além do fim do arquivo</translation>
    </message>
    <message>
        <source>Section %1 declares more data than its packed block can hold</source>
        <translation>A seção %1 declara mais dados do que cabem em seu bloco compactado</translation>
    </message>
    <message>
        <source>decode bin file failed</source>
        <translation>Falha ao descompactar o arquivo bin</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>The firmware file changed during the update</source>
        <translation>O arquivo de firmware mudou durante a atualização</translation>
    </message>
    <message>
        <source>Read firmware file failed</source>
        <translation>Não foi possível ler o arquivo de firmware</translation>
    </message>
    <message>
        <source>File not match the connected device,please confirm</source>
        <translation>O arquivo não corresponde ao dispositivo conectado; verifique</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>The file is for model %1, the pedal is model %2. Update anyway ?</source>
        <translation>O arquivo é para o modelo %1 e o pedal é o modelo %2. Atualizar mesmo assim?</translation>
    </message>
    <message>
        <source>The firmware file holds no sections</source>
        <translation>O arquivo de firmware não contém seções</translation>
    </message>
    <message>
        <source>Section %1 has no flash range</source>
        <translation>A seção %1 não tem intervalo de flash</translation>
    </message>
    <message>
        <source>Section %1 targets flash %2; the pedal has flashes 0 and 1</source>
        <translation>A seção %1 aponta para a flash %2; o pedal tem as flashes 0 e 1</translation>
    </message>
    <message>
        <source>Space not enough !</source>
        <translation>Espaço insuficiente!</translation>
    </message>
    <message>
        <source>Section %1 holds an empty image</source>
        <translation>A seção %1 contém uma imagem vazia</translation>
    </message>
    <message>
        <source>Sections %1 and %2 overlap on flash %3</source>
        <translation>As seções %1 e %2 se sobrepõem na flash %3</translation>
    </message>
    <message>
        <source>section %1 of %2 (0x%3 to 0x%4)</source>
        <translation>seção %1 de %2 (0x%3 a 0x%4)</translation>
    </message>
    <message>
        <source>This firmware writes to the song flash: %1. Recorded songs there may be overwritten. Go on with the update ?</source>
        <translation>Este firmware grava na flash de músicas: %1. As músicas gravadas ali podem ser substituídas. Continuar a atualização?</translation>
    </message>
    <message>
        <source>Erase sector failed,address=0x%1</source>
        <translation>Falha ao apagar o setor, endereço=0x%1</translation>
    </message>
    <message>
        <source>Write data failed !</source>
        <translation>Falha ao gravar os dados!</translation>
    </message>
    <message>
        <source>Verify data failed</source>
        <translation>Falha ao verificar os dados</translation>
    </message>
    <message>
        <source>Write data timeout !</source>
        <translation>Tempo esgotado ao gravar os dados!</translation>
    </message>
    <message>
        <source>%1

%2 failed at 0x%3. The pedal may not start normally now: keep it connected and run the same update again. If it no longer answers, its manual describes how to enter update mode.</source>
        <translation>%1

%2 falhou em 0x%3. O pedal talvez não inicie normalmente agora: mantenha-o conectado e execute a mesma atualização de novo. Se ele não responder mais, o manual explica como entrar no modo de atualização.</translation>
    </message>
</context>
<context>
    <name>FirmwareVersion</name>
    <message>
        <source>pedal of model %1</source>
        <translation>pedal do modelo %1</translation>
    </message>
    <message>
        <source>the pedal&apos;s own version is not known</source>
        <translation>a versão do pedal é desconhecida</translation>
    </message>
    <message>
        <source>newer than the pedal&apos;s</source>
        <translation>posterior à do pedal</translation>
    </message>
    <message>
        <source>the same as the pedal&apos;s</source>
        <translation>igual à do pedal</translation>
    </message>
    <message>
        <source>older than the pedal&apos;s</source>
        <translation>anterior à do pedal</translation>
    </message>
    <message>
        <source>The pedal&apos;s firmware is erased and written anew: keep the pedal plugged in until the result is shown.</source>
        <translation>O firmware do pedal é apagado e gravado de novo: mantenha o pedal conectado até que o resultado seja exibido.</translation>
    </message>
    <message>
        <source>Update the %1 (firmware %2) from a file that does not name its version ?
%3</source>
        <translation>Atualizar o %1 (firmware %2) com um arquivo que não informa sua versão?
%3</translation>
    </message>
    <message>
        <source>Update the %1 from firmware %2 to %3 (%4) ?
%5</source>
        <translation>Atualizar o %1 do firmware %2 para o %3 (%4)?
%5</translation>
    </message>
</context>
<context>
    <name>FlashLayout</name>
    <message>
        <source>Write layout file failed</source>
        <translation>Falha ao gravar o arquivo de layout</translation>
    </message>
    <message>
        <source>All FLASH should be same type!</source>
        <translation>Todas as FLASH devem ser do mesmo tipo!</translation>
    </message>
    <message>
        <source>FLASH start address is empty</source>
        <translation>Endereço inicial da FLASH ausente</translation>
    </message>
    <message>
        <source>%1 address not follow the last flash</source>
        <translation>%1: o endereço não segue a flash anterior</translation>
    </message>
    <message>
        <source>FLASH end address is empty</source>
        <translation>Endereço final da FLASH ausente</translation>
    </message>
    <message>
        <source>%1 end address is below its start address</source>
        <translation>%1: o endereço final é menor que o inicial</translation>
    </message>
    <message>
        <source>%1 sector size is 0</source>
        <translation>%1: o tamanho do setor é 0</translation>
    </message>
    <message>
        <source>%1 has more than %2 sectors</source>
        <translation>%1 tem mais de %2 setores</translation>
    </message>
    <message>
        <source>The flash ranges add up to more than 4 GiB</source>
        <translation>Os intervalos de flash somam mais de 4 GiB</translation>
    </message>
</context>
<context>
    <name>LooperSongBase</name>
    <message>
        <source>Error:Block chain %1 greater than %2</source>
        <translation>Erro: cadeia de blocos %1 maior que %2</translation>
    </message>
</context>
<context>
    <name>LooperSongList</name>
    <message>
        <source>Song %1 -- (%2  MB)</source>
        <translation>Música %1 -- (%2  MB)</translation>
    </message>
</context>
<context>
    <name>Midi</name>
    <message>
        <source>Load snd-seq-midi with output_buffer_size=%1: the Corvanta package&apos;s /etc/modprobe.d/corvanta.conf does so from the module&apos;s next load (after a reboot, or with every MIDI program closed: sudo modprobe -r snd-seq-midi &amp;&amp; sudo modprobe snd-seq-midi). Or close the programs that use the pedal, so that it is reached through raw MIDI.</source>
        <translation>Carregue o snd-seq-midi com output_buffer_size=%1: o arquivo /etc/modprobe.d/corvanta.conf do pacote do Corvanta faz isso a partir do próximo carregamento do módulo (após reiniciar, ou com todos os programas MIDI fechados: sudo modprobe -r snd-seq-midi &amp;&amp; sudo modprobe snd-seq-midi). Ou feche os programas que usam o pedal, para que ele seja acessado via MIDI bruto.</translation>
    </message>
    <message>
        <source>ask the administrator for access to %1</source>
        <translation>peça ao administrador acesso a %1</translation>
    </message>
    <message>
        <source>%1 belongs to the group %2. Add yourself to it (sudo usermod -aG %2 $USER) and log in again.</source>
        <translation>%1 pertence ao grupo %2. Adicione-se a ele (sudo usermod -aG %2 $USER) e faça login novamente.</translation>
    </message>
    <message>
        <source>The pedal &quot;%1&quot; is shared through the ALSA sequencer with %2, whose buffer carries at most %3 bytes; the pedal&apos;s writes need %4. Nothing was changed on the pedal; its songs can be listed and exported meanwhile. %5</source>
        <translation>O pedal &quot;%1&quot; é compartilhado com %2 por meio do sequenciador ALSA, cujo buffer comporta no máximo %3 bytes; as gravações no pedal precisam de %4. Nada foi alterado no pedal; enquanto isso, suas músicas podem ser listadas e exportadas. %5</translation>
    </message>
</context>
<context>
    <name>MidiPortPair</name>
    <message>
        <source>frame too large for the transmit buffer</source>
        <translation>quadro grande demais para o buffer de transmissão</translation>
    </message>
</context>
<context>
    <name>PortSearch</name>
    <message>
        <source>Please replug the USB cable to enter update mode!</source>
        <translation>Reconecte o cabo USB para entrar no modo de atualização!</translation>
    </message>
    <message>
        <source>You should enter update mode first! For how to enter update mode, please refer to the manual</source>
        <translation>Entre primeiro no modo de atualização! O manual explica como fazer isso</translation>
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
        <translation>faltam %1</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
</context>
<context>
    <name>RawMidi</name>
    <message>
        <source>invalid input port number</source>
        <translation>número de porta de entrada inválido</translation>
    </message>
    <message>
        <source>invalid output port number</source>
        <translation>número de porta de saída inválido</translation>
    </message>
    <message>
        <source>a port is already open</source>
        <translation>já há uma porta aberta</translation>
    </message>
    <message>
        <source>output port is not open</source>
        <translation>a porta de saída não está aberta</translation>
    </message>
    <message>
        <source>cannot open MIDI device %1: %2</source>
        <translation>não é possível abrir o dispositivo MIDI %1: %2</translation>
    </message>
    <message>
        <source>cannot read MIDI device %1: no pipe for its reader</source>
        <translation>não é possível ler o dispositivo MIDI %1: não há pipe para o leitor</translation>
    </message>
    <message>
        <source>MIDI device %1 refused the message after %2 of %3 bytes: %4</source>
        <translation>O dispositivo MIDI %1 recusou a mensagem após %2 de %3 bytes: %4</translation>
    </message>
    <message>
        <source>MIDI device %1 took no data for %2 s; %3 of %4 bytes were sent</source>
        <translation>O dispositivo MIDI %1 não aceitou dados por %2 s; %3 de %4 bytes foram enviados</translation>
    </message>
    <message>
        <source>MIDI device %1 went away while a message was being sent</source>
        <translation>O dispositivo MIDI %1 sumiu enquanto uma mensagem era enviada</translation>
    </message>
    <message>
        <source>MIDI device %1 is in use by %2</source>
        <translation>O dispositivo MIDI %1 está em uso por %2</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>outro programa</translation>
    </message>
    <message>
        <source>no permission to open MIDI device %1: %2</source>
        <translation>sem permissão para abrir o dispositivo MIDI %1: %2</translation>
    </message>
</context>
<context>
    <name>RtMidi</name>
    <message>
        <source>unknown MIDI API in CORVANTA_MIDI_API: %1</source>
        <translation>API MIDI desconhecida em CORVANTA_MIDI_API: %1</translation>
    </message>
    <message>
        <source>no MIDI API is available</source>
        <translation>nenhuma API MIDI disponível</translation>
    </message>
    <message>
        <source>A MIDI message of %1 bytes cannot cross the ALSA sequencer (at most %2 bytes), so it was not sent. %3</source>
        <translation>Uma mensagem MIDI de %1 bytes não pode passar pelo sequenciador ALSA (no máximo %2 bytes), por isso não foi enviada. %3</translation>
    </message>
</context>
<context>
    <name>SongBackup</name>
    <message>
        <source>&apos;%1&apos; is not the song the backup recorded</source>
        <translation>&apos;%1&apos; não é a música que o backup registrou</translation>
    </message>
    <message>
        <source>Backup cancelled; the earlier backup in &apos;%1&apos; is unchanged</source>
        <translation>Backup cancelado; o backup anterior em &apos;%1&apos; continua intacto</translation>
    </message>
    <message>
        <source>Backup cancelled; no backup was written to &apos;%1&apos;</source>
        <translation>Backup cancelado; nenhum backup foi gravado em &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Restore cancelled: no slot was restored; every slot keeps its song</source>
        <translation>Restauração cancelada: nenhuma posição foi restaurada; todas mantêm sua música</translation>
    </message>
    <message>
        <source>Restore cancelled: slot %1 was restored; the others keep their songs</source>
        <translation>Restauração cancelada: a posição %1 foi restaurada; as demais mantêm suas músicas</translation>
    </message>
    <message>
        <source>Restore cancelled: slots %1 were restored; the others keep their songs</source>
        <translation>Restauração cancelada: as posições %1 foram restauradas; as demais mantêm suas músicas</translation>
    </message>
    <message>
        <source>Cannot write the backup folder &apos;%1&apos;</source>
        <translation>Não é possível gravar na pasta de backup &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Backup Song %1 (%2 of %3)</source>
        <translation>Backup da música %1 (%2 de %3)</translation>
    </message>
    <message>
        <source>Song %1: %2</source>
        <translation>Música %1: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no complete backup (its %2 is missing or unreadable)</source>
        <translation>&apos;%1&apos; não contém um backup completo (seu %2 está ausente ou ilegível)</translation>
    </message>
    <message>
        <source>The backup is of model %1, the pedal is model %2</source>
        <translation>O backup é do modelo %1 e o pedal é o modelo %2</translation>
    </message>
    <message>
        <source>The backup&apos;s entry for slot %1 is not valid</source>
        <translation>A entrada do backup para a posição %1 não é válida</translation>
    </message>
    <message>
        <source>Restore %1 songs from &apos;%2&apos; (%3 used slots are overwritten) ?</source>
        <translation>Restaurar %1 músicas de &apos;%2&apos; (%3 posições ocupadas serão substituídas)?</translation>
    </message>
    <message>
        <source>Restore Song %1 (%2 of %3)</source>
        <translation>Restaurando música %1 (%2 de %3)</translation>
    </message>
    <message>
        <source>Song %1 unchanged</source>
        <translation>Música %1 inalterada</translation>
    </message>
    <message>
        <source>Cannot write the backup folder &apos;%1&apos;; the earlier backup in it is unchanged</source>
        <translation>Não é possível gravar na pasta de backup &apos;%1&apos;; o backup anterior nela continua intacto</translation>
    </message>
    <message>
        <source>Backup done: %1 read, %2 unchanged</source>
        <translation>Backup concluído: %1 lidas, %2 inalteradas</translation>
    </message>
    <message>
        <source>Restore failed at slot %1 (%2): no slot was restored; the slots after it were not written</source>
        <translation>A restauração falhou na posição %1 (%2): nenhuma posição foi restaurada; as posições seguintes não foram gravadas</translation>
    </message>
    <message>
        <source>Restore failed at slot %1 (%2): slot %3 was restored; the slots after it were not written</source>
        <translation>A restauração falhou na posição %1 (%2): a posição %3 foi restaurada; as posições seguintes não foram gravadas</translation>
    </message>
    <message>
        <source>Restore failed at slot %1 (%2): slots %3 were restored; the slots after it were not written</source>
        <translation>A restauração falhou na posição %1 (%2): as posições %3 foram restauradas; as posições seguintes não foram gravadas</translation>
    </message>
    <message>
        <source>Song %1 already there</source>
        <translation>Música %1 já presente</translation>
    </message>
    <message>
        <source>Restore done: %1 written, %2 already there</source>
        <translation>Restauração concluída: %1 gravadas, %2 já presentes</translation>
    </message>
    <message>
        <source>Restore %1 songs from &apos;%2&apos; (%3 used slots are overwritten, %4 songs already there are kept) ?</source>
        <translation>Restaurar %1 músicas de &apos;%2&apos; (%3 posições ocupadas serão substituídas, %4 músicas já presentes são mantidas)?</translation>
    </message>
</context>
<context>
    <name>SongResult</name>
    <message>
        <source>Successful !</source>
        <translation>Concluído!</translation>
    </message>
    <message>
        <source>Device not open !</source>
        <translation>Dispositivo não aberto!</translation>
    </message>
    <message>
        <source>Device not support !</source>
        <translation>Dispositivo não suportado!</translation>
    </message>
    <message>
        <source>Read data failed!</source>
        <translation>Falha ao ler os dados!</translation>
    </message>
    <message>
        <source>Checksum error!</source>
        <translation>Erro de checksum!</translation>
    </message>
    <message>
        <source>Space not enough!</source>
        <translation>Espaço insuficiente!</translation>
    </message>
    <message>
        <source>File too large!</source>
        <translation>Arquivo grande demais!</translation>
    </message>
    <message>
        <source>FLASH erase failed!</source>
        <translation>Falha ao apagar a FLASH!</translation>
    </message>
    <message>
        <source>File info erase failed!</source>
        <translation>Falha ao apagar as informações do arquivo!</translation>
    </message>
    <message>
        <source>Write wav flag failed!</source>
        <translation>Falha ao gravar a marca WAV!</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Failed !</source>
        <translation>Falhou!</translation>
    </message>
    <message>
        <source>Write data failed!</source>
        <translation>Falha ao gravar os dados!</translation>
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
        <translation>Usado: %1 de %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2, the pedal has %3 free</source>
        <translation>&apos;%1&apos; precisa de %2, o pedal tem %3 livres</translation>
    </message>
</context>
<context>
    <name>SongTransfer</name>
    <message>
        <source>Song %1 -- (Damaged)</source>
        <translation>Música %1 -- (Danificada)</translation>
    </message>
    <message>
        <source>Song %1 -- (Empty)</source>
        <translation>Música %1 -- (Vazia)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read: its song info fails its checksum. Import a song into the slot or delete it.</source>
        <translation>Não é possível ler &apos;%1&apos;: as informações da música falham no checksum. Importe uma música para a posição ou exclua-a.</translation>
    </message>
    <message>
        <source>Export cancelled</source>
        <translation>Exportação cancelada</translation>
    </message>
    <message>
        <source>Import cancelled</source>
        <translation>Importação cancelada</translation>
    </message>
    <message>
        <source>Audio file &apos;%1&apos; is too short: it gives the song %2 of the %3 frames a song needs at least</source>
        <translation>O arquivo de áudio &apos;%1&apos; é curto demais: dá à música %2 frames, e uma música precisa de pelo menos %3</translation>
    </message>
</context>
<context>
    <name>USBPort</name>
    <message>
        <source>Checksum错误,算出来是%1, 包内校验是%2</source>
        <translation>Erro de checksum: calculado %1, no pacote %2</translation>
    </message>
    <message>
        <source>the pedal&apos;s MIDI ports are gone</source>
        <translation>as portas MIDI do pedal sumiram</translation>
    </message>
    <message>
        <source>Data length error</source>
        <translation>Erro no tamanho dos dados</translation>
    </message>
    <message>
        <source>Cmd type error</source>
        <translation>Erro no tipo de comando</translation>
    </message>
    <message>
        <source>读取回复码长度错误,需要%1字节,收到%2字节</source>
        <translation>Tamanho do código de resposta incorreto: esperados %1 bytes, recebidos %2 bytes</translation>
    </message>
    <message>
        <source>Data length error,need %1 bytes,got %2 bytes</source>
        <translation>Erro no tamanho dos dados: esperados %1 bytes, recebidos %2 bytes</translation>
    </message>
</context>
<context>
    <name>UpdatePlan</name>
    <message>
        <source>Erase of section %1 of %2</source>
        <translation>O apagamento da seção %1 de %2</translation>
    </message>
    <message>
        <source>Erase section %1 of %2</source>
        <translation>Apagando seção %1 de %2</translation>
    </message>
    <message>
        <source>Write of section %1 of %2</source>
        <translation>A gravação da seção %1 de %2</translation>
    </message>
    <message>
        <source>Write section %1 of %2</source>
        <translation>Gravando seção %1 de %2</translation>
    </message>
    <message>
        <source>Verify of section %1 of %2</source>
        <translation>A verificação da seção %1 de %2</translation>
    </message>
    <message>
        <source>Verify section %1 of %2</source>
        <translation>Verificando seção %1 de %2</translation>
    </message>
</context>
<context>
    <name>UpdateProgress</name>
    <message>
        <source>The firmware update cannot be stopped once it erases the flash: it goes on. Do not unplug the pedal.</source>
        <translation>A atualização de firmware não pode ser interrompida depois que começa a apagar a flash: ela continua. Não desconecte o pedal.</translation>
    </message>
</context>
<context>
    <name>Wave</name>
    <message>
        <source>RIFF not found</source>
        <translation>RIFF não encontrado</translation>
    </message>
    <message>
        <source>WAVEfmt not found</source>
        <translation>WAVEfmt não encontrado</translation>
    </message>
    <message>
        <source>data segment not found</source>
        <translation>segmento de dados não encontrado</translation>
    </message>
    <message>
        <source>has an unusable format: %1 bytes per frame, %2 frames and %3 bytes per second</source>
        <translation>tem um formato inutilizável: %1 bytes por frame, %2 frames e %3 bytes por segundo</translation>
    </message>
    <message>
        <source>Wave file &apos;%1&apos; %2</source>
        <translation>Arquivo WAV &apos;%1&apos;: %2</translation>
    </message>
</context>
</TS>
