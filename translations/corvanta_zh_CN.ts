<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppFiles</name>
    <message>
        <source>Open file &apos;%1&apos; failed, it may be occupied by other process</source>
        <translation>无法打开文件“%1”，它可能正被其他程序占用</translation>
    </message>
    <message>
        <source>Write file &apos;%1&apos; failed</source>
        <translation>无法写入文件“%1”</translation>
    </message>
</context>
<context>
    <name>AudioImport</name>
    <message>
        <source>Audio file &apos;%1&apos; has a sample rate of %2 Hz: only 1,000 to 768,000 Hz can be imported</source>
        <translation>音频文件“%1”的采样率为 %2 Hz：只能导入 1,000 到 768,000 Hz 的文件</translation>
    </message>
    <message>
        <source>Audio file &apos;%1&apos; cannot be read: %2</source>
        <translation>无法读取音频文件“%1”：%2</translation>
    </message>
    <message>
        <source>it could not be read to its end</source>
        <translation>无法读到文件末尾</translation>
    </message>
    <message>
        <source>it ends after %1 of its %2 frames</source>
        <translation>文件在 %2 帧中的第 %1 帧处结束</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Usage: corvanta-cli [--port NAME] %1 %2

%3
</source>
        <translation>用法：corvanta-cli [--port 名称] %1 %2

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
        <translation>用法：corvanta-cli [--port 名称] 命令 [参数]

通过 USB MIDI 连接的踏板使用的 Corvanta 窗口命令。
存储位的编号与窗口中的显示相同（1 = “歌曲 001”）。

选项：
  --port 名称   使用名为“名称”的 MIDI 端口对，而不是自动搜索
  --help        显示本说明；放在命令之后则显示该命令的说明

命令：
%1
在 export、import、backup 或 restore 过程中按 Ctrl-C 或发送 SIGTERM，会在下一个数据块处停止：
导出的文件不会写入；除非导入已完成，存储位保留原来的歌曲。
固件升级只能在第一次擦除之前停止；之后所有信号都会被拒绝。
提示信息和询问以系统区域设置的语言输出到标准错误；
标准输出上的数据（ports、info、list、catalogue、firmware-info 以及升级后的
版本号）在任何语言下都保持英文，以便脚本读取。
退出状态：0 成功，1 失败，2 用法错误，130 已取消。
</translation>
    </message>
    <message>
        <source>--format needs wav or flac</source>
        <translation>--format 需要 wav 或 flac</translation>
    </message>
    <message>
        <source>--port needs a port name</source>
        <translation>--port 需要一个端口名称</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>unknown verb &apos;%1&apos;</source>
        <translation>未知命令“%1”</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <translation>%1 需要 %2</translation>
    </message>
    <message>
        <source>%1 takes no --yes</source>
        <translation>%1 不接受 --yes</translation>
    </message>
    <message>
        <source>%1 takes no --any-model</source>
        <translation>%1 不接受 --any-model</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 不接受 %2</translation>
    </message>
</context>
<context>
    <name>CliPrompt</name>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>%1 yes (--yes)
</source>
        <translation>%1 是（--yes）
</translation>
    </message>
    <message>
        <source>%1 no: standard input is not a terminal, add --yes to answer yes
</source>
        <translation>%1 否：标准输入不是终端，加上 --yes 即回答“是”
</translation>
    </message>
    <message>
        <source>%1 [y/N] </source>
        <translation>%1 [y/N] </translation>
    </message>
    <message>
        <source>no
</source>
        <translation>否
</translation>
    </message>
</context>
<context>
    <name>CliVerbs</name>
    <message>
        <source>&apos;%1&apos; is no slot number (slots count from 1)</source>
        <translation>“%1”不是存储位编号（存储位从 1 开始编号）</translation>
    </message>
    <message>
        <source>Slot %1 is out of range: the pedal has slots 1 to %2</source>
        <translation>存储位 %1 超出范围：此踏板的存储位为 1 到 %2</translation>
    </message>
    <message>
        <source>%1 holds no song</source>
        <translation>%1 中没有歌曲</translation>
    </message>
    <message>
        <source>No MIDI port pair named &apos;%1&apos; (corvanta-cli ports lists them)</source>
        <translation>没有名为“%1”的 MIDI 端口对（corvanta-cli ports 可列出端口对）</translation>
    </message>
    <message>
        <source>No MIDI port pairs</source>
        <translation>没有 MIDI 端口对</translation>
    </message>
    <message>
        <source>Export Song %1</source>
        <translation>导出歌曲 %1</translation>
    </message>
    <message>
        <source>Overwrite warning</source>
        <translation>覆盖警告</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exist, continue to overwrite the song?</source>
        <translation>“%1”已存在，要覆盖这首歌曲吗？</translation>
    </message>
    <message>
        <source>Import Song %1</source>
        <translation>导入歌曲 %1</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Continue to delete song &apos;%1&apos; ?</source>
        <translation>要删除歌曲“%1”吗？</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Successful!</source>
        <translation>成功！</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>失败！</translation>
    </message>
    <message>
        <source>Firmware update cancelled</source>
        <translation>固件升级已取消</translation>
    </message>
    <message>
        <source>Open web firmware info failed !</source>
        <translation>无法打开网络固件信息！</translation>
    </message>
    <message>
        <source>list the MIDI port pairs, * marks the one the port search picks</source>
        <translation>列出 MIDI 端口对，* 标出端口搜索选中的那一对</translation>
    </message>
    <message>
        <source>Lists the pairs of same-named MIDI ports; * marks the pair the port search connects to.</source>
        <translation>列出名称相同的 MIDI 端口对；* 标出端口搜索所连接的端口对。</translation>
    </message>
    <message>
        <source>the connected pedal: status, model, firmware, aux, slots, format, space</source>
        <translation>已连接的踏板：状态、型号、固件、aux、存储位、格式、空间</translation>
    </message>
    <message>
        <source>Connects and prints the window title&apos;s status text, the model id and name, the firmware version, aux,
the number of song slots, the song format and, for a pedal that holds songs, how much of its song
area the songs use.</source>
        <translation>连接踏板并输出窗口标题中的状态文字、型号编号和名称、固件版本、aux、歌曲存储位数量、歌曲格式，
对于能保存歌曲的踏板，还会输出歌曲占用了多少歌曲区域。</translation>
    </message>
    <message>
        <source>one line per song slot, as the window lists them</source>
        <translation>每个歌曲存储位一行，与窗口中的列表相同</translation>
    </message>
    <message>
        <source>export a song as a 48,000 Hz WAV file</source>
        <translation>将歌曲导出为 48,000 Hz 的 WAV 文件</translation>
    </message>
    <message>
        <source>Exports the song of SLOT as a 48,000 Hz 24-bit WAV file, converted through 16 bits as the window does;
an existing FILE keeps its content on failure.
  --format flac  write FLAC instead of WAV
  --native       the pedal&apos;s own audio untouched: 46,875 Hz, 24-bit
  --hq           convert from the full 24 bits, without the 16-bit step</source>
        <translation>将 SLOT 中的歌曲导出为 48,000 Hz、24 位的 WAV 文件，与窗口一样经由 16 位转换；
导出失败时，已存在的 FILE 保留原内容。
  --format flac  写入 FLAC 而不是 WAV
  --native       保持踏板原始音频不变：46,875 Hz，24 位
  --hq           直接从完整的 24 位转换，不经过 16 位</translation>
    </message>
    <message>
        <source>import an audio file into a slot</source>
        <translation>将音频文件导入到一个存储位</translation>
    </message>
    <message>
        <source>Imports FILE (WAV, AIFF, FLAC, Ogg, MP3 and whatever else libsndfile reads) into SLOT, converted to
the pedal&apos;s format. A used slot is overwritten only when the question is answered yes (--yes, or y
on a terminal). For a one-channel pedal the first channel is taken; --mix takes the mean of all
channels instead.</source>
        <translation>将 FILE（WAV、AIFF、FLAC、Ogg、MP3 以及 libsndfile 能读取的其他格式）转换为踏板的格式并导入到 SLOT。
只有在询问得到“是”的回答时（--yes，或在终端中输入 y）才会覆盖已使用的存储位。对于单声道踏板，
取第一个声道；使用 --mix 则取所有声道的平均值。</translation>
    </message>
    <message>
        <source>delete a song</source>
        <translation>删除一首歌曲</translation>
    </message>
    <message>
        <source>Deletes the song of SLOT after a question; --yes answers it. Without --yes and without a terminal on
standard input the song is kept.</source>
        <translation>经确认后删除 SLOT 中的歌曲；--yes 回答该确认。没有 --yes 且标准输入不是终端时，歌曲会被保留。</translation>
    </message>
    <message>
        <source>every used slot as a WAV in the pedal&apos;s own format, plus a manifest</source>
        <translation>将每个已使用的存储位以踏板原始格式保存为 WAV，并附带清单</translation>
    </message>
    <message>
        <source>write a backup&apos;s songs back into their slots</source>
        <translation>将备份中的歌曲写回各自的存储位</translation>
    </message>
    <message>
        <source>decode a firmware file without a pedal</source>
        <translation>无需踏板即可解析固件文件</translation>
    </message>
    <message>
        <source>Decodes FILE: its target model, its sections with their layouts and image sizes, or the decoder&apos;s error.</source>
        <translation>解析 FILE：输出其目标型号、各分段及其布局和映像大小，或解码器的错误信息。</translation>
    </message>
    <message>
        <source>update the pedal&apos;s firmware from a file</source>
        <translation>用文件升级踏板的固件</translation>
    </message>
    <message>
        <source>the update server&apos;s firmware list for the connected model</source>
        <translation>升级服务器上适用于已连接型号的固件列表</translation>
    </message>
    <message>
        <source>Prints the update server&apos;s firmware entries for the connected model: name, tab, URL.</source>
        <translation>输出升级服务器上适用于已连接型号的固件条目：名称、制表符、URL。</translation>
    </message>
    <message>
        <source>Usage: corvanta-cli [--port NAME] VERB [ARGS]   (corvanta-cli --help lists the verbs)</source>
        <translation>用法：corvanta-cli [--port 名称] 命令 [参数]   （corvanta-cli --help 列出所有命令）</translation>
    </message>
    <message>
        <source>Prints one line per slot with the window&apos;s list text.
  --long  for scripts: slot, length in seconds, channels and bytes, tab-separated (0 for an empty slot)</source>
        <translation>每个存储位输出一行，内容与窗口列表中的文字相同。
  --long  供脚本使用：存储位、以秒为单位的时长、声道数和字节数，以制表符分隔
          （空存储位为 0）</translation>
    </message>
    <message>
        <source>Updates the pedal&apos;s firmware from FILE after a question that names the model, the installed and the
file&apos;s firmware version and that the pedal must stay plugged in (--yes answers it and the others;
No is the default). A file that writes to the song flash is named in a question. --any-model lets a
file for another model through, as Shift does in the window, after a further question. Prints the
firmware version before and after. Ctrl-C stops the update only before its first erase.</source>
        <translation>经确认后用 FILE 升级踏板的固件；确认信息会列出型号、已安装的和文件中的固件版本，
并提示必须保持踏板连接（--yes 回答此项及其他确认；默认回答为“否”）。会写入歌曲闪存的
文件会在确认中指出。--any-model 允许在再次确认后使用适用于其他型号的文件，与在窗口中
按住 Shift 相同。升级前后会输出固件版本。Ctrl-C 只能在首次擦除之前停止升级。</translation>
    </message>
    <message>
        <source>Writes every used slot into DIR as song-NNN.wav (or song-NNN-b.wav) in the pedal&apos;s own format (its
rate, 24-bit, its channels) and manifest.json (model, firmware, per slot the file, its length, the
SHA-256 of the audio and the song&apos;s fingerprint), the manifest last: a folder without it is no
complete backup. Over an earlier backup of the pedal, a song whose fingerprint (its song info and
its first, middle and last audio page) and file are unchanged is kept without reading it; slots
now empty leave the backup. The earlier backup stays whole until the new manifest replaces it.
  --full  read every song; a change only between the pages the fingerprint reads is seen then</source>
        <translation>将每个已使用的存储位以踏板原始格式（其采样率、24 位、其声道数）写入 DIR，文件名为 song-NNN.wav（或
song-NNN-b.wav），最后写入 manifest.json（型号、固件，以及每个存储位的文件、时长、音频的 SHA-256 和歌曲
指纹）：没有清单的文件夹不是完整的备份。在此踏板之前的备份上再次备份时，指纹（歌曲信息以及音频的第一
页、中间页和最后一页）和文件都未改变的歌曲会直接保留而不读取；现已为空的存储位会从备份中移除。在新清单
替换旧清单之前，之前的备份始终保持完整。
  --full  读取每首歌曲；只有这样才能发现仅位于指纹所读取页面之间的改动</translation>
    </message>
    <message>
        <source>Checks DIR&apos;s manifest against the pedal (model id) and every file against the manifest, then writes
the songs back into their slots, bit for bit. Slots the backup does not name keep their songs; a slot
whose fingerprint equals the backup&apos;s already holds the song and is not written. It stops at the
first failure, naming the slots restored and the slot that failed.
  --full  write every slot of the backup</source>
        <translation>先根据踏板（型号编号）检查 DIR 中的清单，再根据清单检查每个文件，然后将歌曲逐位写回各自的存储位。备份中
未列出的存储位保留原来的歌曲；指纹与备份相同的存储位已存有该歌曲，不会写入。遇到第一个错误即停止，并列
出已恢复的存储位和失败的存储位。
  --full  写入备份中的每个存储位</translation>
    </message>
    <message>
        <source>what the program sees of the MIDI paths and the pedal, for a bug report</source>
        <translation>程序所见的 MIDI 路径和踏板情况，用于错误报告</translation>
    </message>
    <message>
        <source>Reports the MIDI paths (raw MIDI, the ALSA sequencer, JACK) with their ports, the sequencer&apos;s buffer
towards hardware and whether the pedal&apos;s frames fit it, every raw MIDI device with the program holding
it and its sequencer subscribers, device nodes this user may not open, and the pedal: found or not,
which path it is reached by and why, and what to do. Exit status 0 when a pedal is usable for every
command, 1 otherwise.</source>
        <translation>报告各 MIDI 路径（原始 MIDI、ALSA 音序器、JACK）及其端口、音序器通往硬件的缓冲区以及踏板的帧能否
放入其中、每个原始 MIDI 设备及占用它的程序和它的音序器订阅者、当前用户无权打开的设备节点，
以及踏板：是否找到、通过哪条路径连接及原因，以及应如何处理。
当踏板可用于所有命令时退出状态为 0，否则为 1。</translation>
    </message>
</context>
<context>
    <name>CorvantaQT</name>
    <message>
        <source>Do not unplug the pedal</source>
        <translation>请勿拔下踏板</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Stop the running operation (Esc)</source>
        <translation>停止正在进行的操作（Esc）</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>正在取消…</translation>
    </message>
    <message>
        <source>Load song info failed !</source>
        <translation>加载歌曲信息失败！</translation>
    </message>
    <message>
        <source>Open firmware file</source>
        <translation>打开固件文件</translation>
    </message>
    <message>
        <source>DAT Files(*.dat)</source>
        <translation>DAT 文件(*.dat)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>The selected firmware version less or equal to the connected device, still update ?</source>
        <translation>所选固件版本不高于已连接设备的版本，仍要升级吗？</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>正在下载 %1</translation>
    </message>
    <message>
        <source>No update file selected !</source>
        <translation>未选择升级文件！</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>失败！</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>Successful!</source>
        <translation>成功！</translation>
    </message>
    <message>
        <source>Firmware update cancelled</source>
        <translation>固件升级已取消</translation>
    </message>
    <message>
        <source>Download firmware failed !</source>
        <translation>下载固件失败！</translation>
    </message>
    <message>
        <source>Open file &apos;%1&apos; failed, it may be occupied by other process</source>
        <translation>无法打开文件“%1”，它可能正被其他程序占用</translation>
    </message>
    <message>
        <source>Open web firmware info failed !</source>
        <translation>无法打开网络固件信息！</translation>
    </message>
    <message>
        <source>Drop one audio file at a time: %1 were dropped</source>
        <translation>请一次只拖放一个音频文件：拖放了 %1 个</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file on this computer: only local files can be imported</source>
        <translation>“%1”不是本机上的文件：只能导入本地文件</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Backup all songs…</source>
        <translation>备份所有歌曲…</translation>
    </message>
    <message>
        <source>Restore backup…</source>
        <translation>从备份恢复…</translation>
    </message>
    <message>
        <source>Backup all songs</source>
        <translation>备份所有歌曲</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>从备份恢复</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Open wav file</source>
        <translation>打开 WAV 文件</translation>
    </message>
    <message>
        <source>Wav Files(*.wav)</source>
        <translation>WAV 文件(*.wav)</translation>
    </message>
    <message>
        <source>Wav Files(*.wav);;FLAC Files(*.flac)</source>
        <translation>WAV 文件(*.wav);;FLAC 文件(*.flac)</translation>
    </message>
    <message>
        <source>Song %1</source>
        <translation>歌曲 %1</translation>
    </message>
    <message>
        <source>Export Song %1</source>
        <translation>导出歌曲 %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exist, continue to overwrite the song?</source>
        <translation>“%1”已存在，要覆盖这首歌曲吗？</translation>
    </message>
    <message>
        <source>Overwrite warning</source>
        <translation>覆盖警告</translation>
    </message>
    <message>
        <source>Import Song %1</source>
        <translation>导入歌曲 %1</translation>
    </message>
    <message>
        <source>Continue to delete song &apos;%1&apos; ?</source>
        <translation>要删除歌曲“%1”吗？</translation>
    </message>
    <message>
        <source>A new version(V%1) is available, would you like to download ?</source>
        <translation>有新版本（V%1）可用，要下载吗？</translation>
    </message>
    <message>
        <source>New version...</source>
        <translation>新版本…</translation>
    </message>
    <message>
        <source>Open a firmware file</source>
        <translation>打开固件文件</translation>
    </message>
    <message>
        <source>Pedal: %1, firmware %2</source>
        <translation>踏板：%1，固件 %2</translation>
    </message>
    <message>
        <source>Listed file: none</source>
        <translation>列表中的文件：无</translation>
    </message>
    <message>
        <source>Listed file: firmware %1, %2</source>
        <translation>列表中的文件：固件 %1，%2</translation>
    </message>
    <message>
        <source>File: none chosen</source>
        <translation>文件：未选择</translation>
    </message>
    <message>
        <source>File: not usable (%1)</source>
        <translation>文件：无法使用（%1）</translation>
    </message>
    <message>
        <source>File: it does not name its firmware version</source>
        <translation>文件：未注明固件版本</translation>
    </message>
    <message>
        <source>File: firmware %1, %2</source>
        <translation>文件：固件 %1，%2</translation>
    </message>
    <message>
        <source>Song %1: %2, %3, %4 MB</source>
        <translation>歌曲 %1：%2，%3，%4 MB</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>音频文件</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 channels; the pedal&apos;s songs have one. Which should the song hold ?</source>
        <translation>&apos;%1&apos; 有 %2 个声道，而踏板的歌曲只有一个声道。歌曲应使用哪种？</translation>
    </message>
    <message>
        <source>Mix of all channels</source>
        <translation>混合所有声道</translation>
    </message>
    <message>
        <source>First channel</source>
        <translation>第一个声道</translation>
    </message>
</context>
<context>
    <name>CorvantaQTClass</name>
    <message>
        <source>Song Edit</source>
        <translation>歌曲编辑</translation>
    </message>
    <message>
        <source>Song List</source>
        <translation>歌曲列表</translation>
    </message>
    <message>
        <source>Edit Song</source>
        <translation>编辑歌曲</translation>
    </message>
    <message>
        <source>Export the selected song as a wav file</source>
        <translation>将所选歌曲导出为 WAV 文件</translation>
    </message>
    <message>
        <source> Export      </source>
        <translation> 导出        </translation>
    </message>
    <message>
        <source>Import a wav file to the selected song</source>
        <translation>将 WAV 文件导入到所选歌曲</translation>
    </message>
    <message>
        <source> Import      </source>
        <translation> 导入        </translation>
    </message>
    <message>
        <source>Delte the selected song</source>
        <translation>删除所选歌曲</translation>
    </message>
    <message>
        <source> Delete      </source>
        <translation> 删除        </translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>Firmware File</source>
        <translation>固件文件</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Open a firmware file</source>
        <translation>打开固件文件</translation>
    </message>
    <message>
        <source>Select local file for updating</source>
        <translation>选择本地文件进行升级</translation>
    </message>
    <message>
        <source>Firmware list</source>
        <translation>固件列表</translation>
    </message>
    <message>
        <source>  Update     </source>
        <translation>  升级       </translation>
    </message>
</context>
<context>
    <name>DeviceModels</name>
    <message>
        <source>Unknown Device</source>
        <translation>未知设备</translation>
    </message>
    <message>
        <source>%1 - (No device connected !)</source>
        <translation>%1 - （未连接设备！）</translation>
    </message>
    <message>
        <source>%1 - (Please enter update mode !)</source>
        <translation>%1 - （请进入升级模式！）</translation>
    </message>
    <message>
        <source>%1 - (Unknown device connected !)</source>
        <translation>%1 - （已连接未知设备！）</translation>
    </message>
    <message>
        <source>%1 - (Connected - %2, Ver=V%3)</source>
        <translation>%1 - （已连接 - %2，Ver=V%3）</translation>
    </message>
</context>
<context>
    <name>FirmwareFile</name>
    <message>
        <source>Open file failed</source>
        <translation>打开文件失败</translation>
    </message>
    <message>
        <source>File Token Error</source>
        <translation>文件标识错误</translation>
    </message>
    <message>
        <source>File header checksum Error</source>
        <translation>文件头校验和错误</translation>
    </message>
    <message>
        <source>The file declares %1 sections; at most %2 are possible</source>
        <translation>文件声明了 %1 个分段；最多只能有 %2 个</translation>
    </message>
    <message>
        <source>Data%1l header checksum Error</source>
        <translation>Data%1l 文件头校验和错误</translation>
    </message>
    <message>
        <source>The section records lie beyond the end of the file</source>
        <translation>分段记录超出了文件末尾</translation>
    </message>
    <message>
        <source>Section %1 lies beyond the end of the file</source>
        <translation>分段 %1 超出了文件末尾</translation>
    </message>
    <message>
        <source>Section %1 declares more data than its packed block can hold</source>
        <translation>分段 %1 声明的数据量超过其压缩块能容纳的大小</translation>
    </message>
    <message>
        <source>decode bin file failed</source>
        <translation>解码 bin 文件失败</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>The firmware file changed during the update</source>
        <translation>升级过程中固件文件发生了变化</translation>
    </message>
    <message>
        <source>Read firmware file failed</source>
        <translation>读取固件文件失败</translation>
    </message>
    <message>
        <source>File not match the connected device,please confirm</source>
        <translation>文件与已连接的设备不匹配，请确认</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>The file is for model %1, the pedal is model %2. Update anyway ?</source>
        <translation>此文件适用于型号 %1，而踏板是型号 %2。仍要升级吗？</translation>
    </message>
    <message>
        <source>The firmware file holds no sections</source>
        <translation>固件文件中没有分段</translation>
    </message>
    <message>
        <source>Section %1 has no flash range</source>
        <translation>分段 %1 没有闪存范围</translation>
    </message>
    <message>
        <source>Section %1 targets flash %2; the pedal has flashes 0 and 1</source>
        <translation>分段 %1 指向闪存 %2；踏板只有闪存 0 和 1</translation>
    </message>
    <message>
        <source>Space not enough !</source>
        <translation>空间不足！</translation>
    </message>
    <message>
        <source>Section %1 holds an empty image</source>
        <translation>分段 %1 的映像为空</translation>
    </message>
    <message>
        <source>Sections %1 and %2 overlap on flash %3</source>
        <translation>分段 %1 和 %2 在闪存 %3 上重叠</translation>
    </message>
    <message>
        <source>section %1 of %2 (0x%3 to 0x%4)</source>
        <translation>第 %1 段（共 %2 段）（0x%3 至 0x%4）</translation>
    </message>
    <message>
        <source>This firmware writes to the song flash: %1. Recorded songs there may be overwritten. Go on with the update ?</source>
        <translation>此固件会写入歌曲闪存：%1。那里录制的歌曲可能会被覆盖。要继续升级吗？</translation>
    </message>
    <message>
        <source>Erase sector failed,address=0x%1</source>
        <translation>擦除扇区失败，地址=0x%1</translation>
    </message>
    <message>
        <source>Write data failed !</source>
        <translation>写入数据失败！</translation>
    </message>
    <message>
        <source>Verify data failed</source>
        <translation>校验数据失败</translation>
    </message>
    <message>
        <source>Write data timeout !</source>
        <translation>写入数据超时！</translation>
    </message>
    <message>
        <source>%1

%2 failed at 0x%3. The pedal may not start normally now: keep it connected and run the same update again. If it no longer answers, its manual describes how to enter update mode.</source>
        <translation>%1

%2在 0x%3 处失败。踏板现在可能无法正常启动：请保持连接，并再次运行同样的升级。如果踏板不再响应，请参阅其说明书中进入升级模式的方法。</translation>
    </message>
</context>
<context>
    <name>FirmwareVersion</name>
    <message>
        <source>pedal of model %1</source>
        <translation>型号 %1 的踏板</translation>
    </message>
    <message>
        <source>the pedal&apos;s own version is not known</source>
        <translation>踏板当前版本未知</translation>
    </message>
    <message>
        <source>newer than the pedal&apos;s</source>
        <translation>比踏板上的版本新</translation>
    </message>
    <message>
        <source>the same as the pedal&apos;s</source>
        <translation>与踏板上的版本相同</translation>
    </message>
    <message>
        <source>older than the pedal&apos;s</source>
        <translation>比踏板上的版本旧</translation>
    </message>
    <message>
        <source>The pedal&apos;s firmware is erased and written anew: keep the pedal plugged in until the result is shown.</source>
        <translation>踏板的固件将被擦除并重新写入：在显示结果之前，请保持踏板连接。</translation>
    </message>
    <message>
        <source>Update the %1 (firmware %2) from a file that does not name its version ?
%3</source>
        <translation>要使用未注明版本的文件升级 %1（固件 %2）吗？
%3</translation>
    </message>
    <message>
        <source>Update the %1 from firmware %2 to %3 (%4) ?
%5</source>
        <translation>要将 %1 从固件 %2 升级到 %3（%4）吗？
%5</translation>
    </message>
</context>
<context>
    <name>FlashLayout</name>
    <message>
        <source>Write layout file failed</source>
        <translation>写入布局文件失败</translation>
    </message>
    <message>
        <source>All FLASH should be same type!</source>
        <translation>所有 FLASH 必须为同一类型！</translation>
    </message>
    <message>
        <source>FLASH start address is empty</source>
        <translation>FLASH 起始地址为空</translation>
    </message>
    <message>
        <source>%1 address not follow the last flash</source>
        <translation>%1 的地址未接续上一个闪存</translation>
    </message>
    <message>
        <source>FLASH end address is empty</source>
        <translation>FLASH 结束地址为空</translation>
    </message>
    <message>
        <source>%1 end address is below its start address</source>
        <translation>%1 的结束地址低于起始地址</translation>
    </message>
    <message>
        <source>%1 sector size is 0</source>
        <translation>%1 的扇区大小为 0</translation>
    </message>
    <message>
        <source>%1 has more than %2 sectors</source>
        <translation>%1 的扇区超过 %2 个</translation>
    </message>
    <message>
        <source>The flash ranges add up to more than 4 GiB</source>
        <translation>闪存范围总计超过 4 GiB</translation>
    </message>
</context>
<context>
    <name>LooperSongBase</name>
    <message>
        <source>Error:Block chain %1 greater than %2</source>
        <translation>错误：块链 %1 大于 %2</translation>
    </message>
</context>
<context>
    <name>LooperSongList</name>
    <message>
        <source>Song %1 -- (%2  MB)</source>
        <translation>歌曲 %1 -- (%2  MB)</translation>
    </message>
</context>
<context>
    <name>Midi</name>
    <message>
        <source>Load snd-seq-midi with output_buffer_size=%1: the Corvanta package&apos;s /etc/modprobe.d/corvanta.conf does so from the module&apos;s next load (after a reboot, or with every MIDI program closed: sudo modprobe -r snd-seq-midi &amp;&amp; sudo modprobe snd-seq-midi). Or close the programs that use the pedal, so that it is reached through raw MIDI.</source>
        <translation>以 output_buffer_size=%1 加载 snd-seq-midi：Corvanta 软件包中的 /etc/modprobe.d/corvanta.conf 会从该模块下次加载时起这样做（重启后，或关闭所有 MIDI 程序后执行：sudo modprobe -r snd-seq-midi &amp;&amp; sudo modprobe snd-seq-midi）。也可以关闭正在使用踏板的程序，使踏板通过原始 MIDI 连接。</translation>
    </message>
    <message>
        <source>ask the administrator for access to %1</source>
        <translation>请向管理员申请 %1 的访问权限</translation>
    </message>
    <message>
        <source>%1 belongs to the group %2. Add yourself to it (sudo usermod -aG %2 $USER) and log in again.</source>
        <translation>%1 属于 %2 组。请将自己加入该组（sudo usermod -aG %2 $USER），然后重新登录。</translation>
    </message>
    <message>
        <source>The pedal &quot;%1&quot; is shared through the ALSA sequencer with %2, whose buffer carries at most %3 bytes; the pedal&apos;s writes need %4. Nothing was changed on the pedal; its songs can be listed and exported meanwhile. %5</source>
        <translation>踏板 &quot;%1&quot; 通过 ALSA 音序器与 %2 共享，而音序器的缓冲区最多容纳 %3 字节；向踏板写入需要 %4。踏板上未做任何更改；在此期间仍可列出和导出其歌曲。%5</translation>
    </message>
</context>
<context>
    <name>MidiPortPair</name>
    <message>
        <source>frame too large for the transmit buffer</source>
        <translation>帧对于发送缓冲区来说太大</translation>
    </message>
</context>
<context>
    <name>PortSearch</name>
    <message>
        <source>Please replug the USB cable to enter update mode!</source>
        <translation>请重新插拔 USB 线以进入升级模式！</translation>
    </message>
    <message>
        <source>You should enter update mode first! For how to enter update mode, please refer to the manual</source>
        <translation>请先进入升级模式！进入升级模式的方法请参阅说明书</translation>
    </message>
</context>
<context>
    <name>ProgressMeter</name>
    <message>
        <source>%1 of %2 MB</source>
        <translation>%1 / %2 MB</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>剩余 %1</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
</context>
<context>
    <name>RawMidi</name>
    <message>
        <source>invalid input port number</source>
        <translation>输入端口号无效</translation>
    </message>
    <message>
        <source>invalid output port number</source>
        <translation>输出端口号无效</translation>
    </message>
    <message>
        <source>a port is already open</source>
        <translation>已有端口处于打开状态</translation>
    </message>
    <message>
        <source>output port is not open</source>
        <translation>输出端口未打开</translation>
    </message>
    <message>
        <source>cannot open MIDI device %1: %2</source>
        <translation>无法打开 MIDI 设备 %1：%2</translation>
    </message>
    <message>
        <source>cannot read MIDI device %1: no pipe for its reader</source>
        <translation>无法读取 MIDI 设备 %1：没有供读取线程使用的管道</translation>
    </message>
    <message>
        <source>MIDI device %1 refused the message after %2 of %3 bytes: %4</source>
        <translation>MIDI 设备 %1 在发送 %3 字节中的 %2 字节后拒绝了消息：%4</translation>
    </message>
    <message>
        <source>MIDI device %1 took no data for %2 s; %3 of %4 bytes were sent</source>
        <translation>MIDI 设备 %1 在 %2 秒内未接收任何数据；已发送 %4 字节中的 %3 字节</translation>
    </message>
    <message>
        <source>MIDI device %1 went away while a message was being sent</source>
        <translation>发送消息时 MIDI 设备 %1 已断开</translation>
    </message>
    <message>
        <source>MIDI device %1 is in use by %2</source>
        <translation>MIDI 设备 %1 正被 %2 占用</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>其他程序</translation>
    </message>
    <message>
        <source>no permission to open MIDI device %1: %2</source>
        <translation>无权打开 MIDI 设备 %1：%2</translation>
    </message>
</context>
<context>
    <name>RtMidi</name>
    <message>
        <source>unknown MIDI API in CORVANTA_MIDI_API: %1</source>
        <translation>CORVANTA_MIDI_API 中的 MIDI API 未知：%1</translation>
    </message>
    <message>
        <source>no MIDI API is available</source>
        <translation>没有可用的 MIDI API</translation>
    </message>
    <message>
        <source>A MIDI message of %1 bytes cannot cross the ALSA sequencer (at most %2 bytes), so it was not sent. %3</source>
        <translation>%1 字节的 MIDI 消息无法通过 ALSA 音序器（最多 %2 字节），因此未发送。%3</translation>
    </message>
</context>
<context>
    <name>SongBackup</name>
    <message>
        <source>&apos;%1&apos; is not the song the backup recorded</source>
        <translation>“%1”不是备份中记录的那首歌曲</translation>
    </message>
    <message>
        <source>Backup cancelled; the earlier backup in &apos;%1&apos; is unchanged</source>
        <translation>备份已取消；“%1”中之前的备份保持不变</translation>
    </message>
    <message>
        <source>Backup cancelled; no backup was written to &apos;%1&apos;</source>
        <translation>备份已取消；没有向“%1”写入备份</translation>
    </message>
    <message>
        <source>Restore cancelled: no slot was restored; every slot keeps its song</source>
        <translation>恢复已取消：没有恢复任何存储位；所有存储位都保留原来的歌曲</translation>
    </message>
    <message>
        <source>Restore cancelled: slot %1 was restored; the others keep their songs</source>
        <translation>恢复已取消：已恢复存储位 %1；其他存储位保留原来的歌曲</translation>
    </message>
    <message>
        <source>Restore cancelled: slots %1 were restored; the others keep their songs</source>
        <translation>恢复已取消：已恢复存储位 %1；其他存储位保留原来的歌曲</translation>
    </message>
    <message>
        <source>Cannot write the backup folder &apos;%1&apos;</source>
        <translation>无法写入备份文件夹“%1”</translation>
    </message>
    <message>
        <source>Backup Song %1 (%2 of %3)</source>
        <translation>备份歌曲 %1（第 %2 首，共 %3 首）</translation>
    </message>
    <message>
        <source>Song %1: %2</source>
        <translation>歌曲 %1：%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no complete backup (its %2 is missing or unreadable)</source>
        <translation>“%1”中没有完整的备份（其 %2 缺失或无法读取）</translation>
    </message>
    <message>
        <source>The backup is of model %1, the pedal is model %2</source>
        <translation>备份来自型号 %1，而踏板是型号 %2</translation>
    </message>
    <message>
        <source>The backup&apos;s entry for slot %1 is not valid</source>
        <translation>备份中存储位 %1 的条目无效</translation>
    </message>
    <message>
        <source>Restore %1 songs from &apos;%2&apos; (%3 used slots are overwritten) ?</source>
        <translation>要从“%2”恢复 %1 首歌曲吗（将覆盖 %3 个已使用的存储位）？</translation>
    </message>
    <message>
        <source>Restore Song %1 (%2 of %3)</source>
        <translation>恢复歌曲 %1（第 %2 首，共 %3 首）</translation>
    </message>
    <message>
        <source>Song %1 unchanged</source>
        <translation>歌曲 %1 未改变</translation>
    </message>
    <message>
        <source>Cannot write the backup folder &apos;%1&apos;; the earlier backup in it is unchanged</source>
        <translation>无法写入备份文件夹“%1”；其中之前的备份保持不变</translation>
    </message>
    <message>
        <source>Backup done: %1 read, %2 unchanged</source>
        <translation>备份完成：读取 %1 首，%2 首未改变</translation>
    </message>
    <message>
        <source>Restore failed at slot %1 (%2): no slot was restored; the slots after it were not written</source>
        <translation>在存储位 %1 恢复失败（%2）：没有恢复任何存储位；之后的存储位均未写入</translation>
    </message>
    <message>
        <source>Restore failed at slot %1 (%2): slot %3 was restored; the slots after it were not written</source>
        <translation>在存储位 %1 恢复失败（%2）：已恢复存储位 %3；之后的存储位均未写入</translation>
    </message>
    <message>
        <source>Restore failed at slot %1 (%2): slots %3 were restored; the slots after it were not written</source>
        <translation>在存储位 %1 恢复失败（%2）：已恢复存储位 %3；之后的存储位均未写入</translation>
    </message>
    <message>
        <source>Song %1 already there</source>
        <translation>歌曲 %1 已存在</translation>
    </message>
    <message>
        <source>Restore done: %1 written, %2 already there</source>
        <translation>恢复完成：写入 %1 首，%2 首已存在</translation>
    </message>
    <message>
        <source>Restore %1 songs from &apos;%2&apos; (%3 used slots are overwritten, %4 songs already there are kept) ?</source>
        <translation>要从“%2”恢复 %1 首歌曲吗（将覆盖 %3 个已使用的存储位，保留 %4 首已有的歌曲）？</translation>
    </message>
</context>
<context>
    <name>SongResult</name>
    <message>
        <source>Successful !</source>
        <translation>成功！</translation>
    </message>
    <message>
        <source>Device not open !</source>
        <translation>设备未打开！</translation>
    </message>
    <message>
        <source>Device not support !</source>
        <translation>设备不支持！</translation>
    </message>
    <message>
        <source>Read data failed!</source>
        <translation>读取数据失败！</translation>
    </message>
    <message>
        <source>Checksum error!</source>
        <translation>校验和错误！</translation>
    </message>
    <message>
        <source>Space not enough!</source>
        <translation>空间不足！</translation>
    </message>
    <message>
        <source>File too large!</source>
        <translation>文件太大！</translation>
    </message>
    <message>
        <source>FLASH erase failed!</source>
        <translation>FLASH 擦除失败！</translation>
    </message>
    <message>
        <source>File info erase failed!</source>
        <translation>文件信息擦除失败！</translation>
    </message>
    <message>
        <source>Write wav flag failed!</source>
        <translation>写入 WAV 标志失败！</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Failed !</source>
        <translation>失败！</translation>
    </message>
    <message>
        <source>Write data failed!</source>
        <translation>写入数据失败！</translation>
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
        <translation>已用 %1 / 共 %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2, the pedal has %3 free</source>
        <translation>“%1”需要 %2，踏板剩余 %3</translation>
    </message>
</context>
<context>
    <name>SongTransfer</name>
    <message>
        <source>Song %1 -- (Damaged)</source>
        <translation>歌曲 %1 -- （已损坏）</translation>
    </message>
    <message>
        <source>Song %1 -- (Empty)</source>
        <translation>歌曲 %1 -- （空）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read: its song info fails its checksum. Import a song into the slot or delete it.</source>
        <translation>无法读取“%1”：其歌曲信息未通过校验和检查。请向该存储位导入一首歌曲，或将其删除。</translation>
    </message>
    <message>
        <source>Export cancelled</source>
        <translation>导出已取消</translation>
    </message>
    <message>
        <source>Import cancelled</source>
        <translation>导入已取消</translation>
    </message>
    <message>
        <source>Audio file &apos;%1&apos; is too short: it gives the song %2 of the %3 frames a song needs at least</source>
        <translation>音频文件“%1”太短：只能为歌曲提供 %2 帧，而一首歌曲至少需要 %3 帧</translation>
    </message>
</context>
<context>
    <name>USBPort</name>
    <message>
        <source>Checksum错误,算出来是%1, 包内校验是%2</source>
        <translation>校验和错误，算出来是%1，包内校验是%2</translation>
    </message>
    <message>
        <source>the pedal&apos;s MIDI ports are gone</source>
        <translation>踏板的 MIDI 端口已消失</translation>
    </message>
    <message>
        <source>Data length error</source>
        <translation>数据长度错误</translation>
    </message>
    <message>
        <source>Cmd type error</source>
        <translation>命令类型错误</translation>
    </message>
    <message>
        <source>读取回复码长度错误,需要%1字节,收到%2字节</source>
        <translation>读取回复码长度错误，需要%1字节，收到%2字节</translation>
    </message>
    <message>
        <source>Data length error,need %1 bytes,got %2 bytes</source>
        <translation>数据长度错误，需要 %1 字节，收到 %2 字节</translation>
    </message>
</context>
<context>
    <name>UpdatePlan</name>
    <message>
        <source>Erase of section %1 of %2</source>
        <translation>擦除第 %1 段（共 %2 段）</translation>
    </message>
    <message>
        <source>Erase section %1 of %2</source>
        <translation>正在擦除第 %1 段（共 %2 段）</translation>
    </message>
    <message>
        <source>Write of section %1 of %2</source>
        <translation>写入第 %1 段（共 %2 段）</translation>
    </message>
    <message>
        <source>Write section %1 of %2</source>
        <translation>正在写入第 %1 段（共 %2 段）</translation>
    </message>
    <message>
        <source>Verify of section %1 of %2</source>
        <translation>校验第 %1 段（共 %2 段）</translation>
    </message>
    <message>
        <source>Verify section %1 of %2</source>
        <translation>正在校验第 %1 段（共 %2 段）</translation>
    </message>
</context>
<context>
    <name>UpdateProgress</name>
    <message>
        <source>The firmware update cannot be stopped once it erases the flash: it goes on. Do not unplug the pedal.</source>
        <translation>固件升级一旦开始擦除闪存就无法停止：升级将继续进行。请勿拔下踏板。</translation>
    </message>
</context>
<context>
    <name>Wave</name>
    <message>
        <source>RIFF not found</source>
        <translation>未找到 RIFF</translation>
    </message>
    <message>
        <source>WAVEfmt not found</source>
        <translation>未找到 WAVEfmt</translation>
    </message>
    <message>
        <source>data segment not found</source>
        <translation>未找到数据段</translation>
    </message>
    <message>
        <source>has an unusable format: %1 bytes per frame, %2 frames and %3 bytes per second</source>
        <translation>格式不可用：每帧 %1 字节，每秒 %2 帧，每秒 %3 字节</translation>
    </message>
    <message>
        <source>Wave file &apos;%1&apos; %2</source>
        <translation>WAV 文件“%1”：%2</translation>
    </message>
</context>
</TS>
