<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AppFiles</name>
    <message>
        <source>Open file &apos;%1&apos; failed, it may be occupied by other process</source>
        <translation>ファイル &apos;%1&apos; を開けませんでした。ほかのプログラムが使用している可能性があります</translation>
    </message>
    <message>
        <source>Write file &apos;%1&apos; failed</source>
        <translation>ファイル &apos;%1&apos; を書き込めませんでした</translation>
    </message>
</context>
<context>
    <name>AudioImport</name>
    <message>
        <source>Audio file &apos;%1&apos; has a sample rate of %2 Hz: only 1,000 to 768,000 Hz can be imported</source>
        <translation>オーディオファイル &apos;%1&apos; のサンプリングレートは %2 Hz です。インポートできるのは 1,000〜768,000 Hz のみです</translation>
    </message>
    <message>
        <source>Audio file &apos;%1&apos; cannot be read: %2</source>
        <translation>オーディオファイル &apos;%1&apos; を読み込めません: %2</translation>
    </message>
    <message>
        <source>it could not be read to its end</source>
        <translation>最後まで読み込めませんでした</translation>
    </message>
    <message>
        <source>it ends after %1 of its %2 frames</source>
        <translation>%2 フレーム中 %1 フレームで終わっています</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>Usage: corvanta-cli [--port NAME] %1 %2

%3
</source>
        <translation>使い方: corvanta-cli [--port 名前] %1 %2

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
        <translation>使い方: corvanta-cli [--port 名前] コマンド [引数]

USB MIDI で接続したペダル向けの、Corvanta ウィンドウのコマンドです。
スロット番号はウィンドウの表示と同じです (1 = &quot;ソング 001&quot;)。

オプション:
  --port 名前   検索せずに MIDI ポートペア「名前」を使う
  --help        このテキスト。コマンドの後ではそのコマンドのヘルプ

コマンド:
%1
export、import、backup、restore の実行中に Ctrl-C または SIGTERM を送ると、次のブロックで停止します:
エクスポート先のファイルは書き込まれず、スロットはインポートが完了していない限り元のソングを保ちます。
アップデートは最初の消去の前にだけ停止でき、それ以降はどのシグナルも拒否されます。
メッセージと質問はシステムのロケールの言語で標準エラー出力に表示されます。
標準出力のデータ (ports、info、list、catalogue、firmware-info とアップデート後の
バージョン) は、スクリプトのため、どの言語でも英語のままです。
終了ステータス: 0 成功、1 失敗、2 使い方の誤り、130 キャンセル。
</translation>
    </message>
    <message>
        <source>--format needs wav or flac</source>
        <translation>--format には wav か flac を指定してください</translation>
    </message>
    <message>
        <source>--port needs a port name</source>
        <translation>--port にはポート名を指定してください</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>unknown verb &apos;%1&apos;</source>
        <translation>不明なコマンド &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <translation>%1 の引数は %2 です</translation>
    </message>
    <message>
        <source>%1 takes no --yes</source>
        <translation>%1 は --yes を受け付けません</translation>
    </message>
    <message>
        <source>%1 takes no --any-model</source>
        <translation>%1 は --any-model を受け付けません</translation>
    </message>
    <message>
        <source>%1 takes no %2</source>
        <translation>%1 は %2 を受け付けません</translation>
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
        <translation>はい</translation>
    </message>
    <message>
        <source>%1 yes (--yes)
</source>
        <translation>%1 はい (--yes)
</translation>
    </message>
    <message>
        <source>%1 no: standard input is not a terminal, add --yes to answer yes
</source>
        <translation>%1 いいえ: 標準入力が端末ではありません。「はい」と答えるには --yes を付けてください
</translation>
    </message>
    <message>
        <source>%1 [y/N] </source>
        <translation>%1 [y/N] </translation>
    </message>
    <message>
        <source>no
</source>
        <translation>いいえ
</translation>
    </message>
</context>
<context>
    <name>CliVerbs</name>
    <message>
        <source>&apos;%1&apos; is no slot number (slots count from 1)</source>
        <translation>&apos;%1&apos; はスロット番号ではありません (スロットは 1 から数えます)</translation>
    </message>
    <message>
        <source>Slot %1 is out of range: the pedal has slots 1 to %2</source>
        <translation>スロット %1 は範囲外です: このペダルのスロットは 1〜%2 です</translation>
    </message>
    <message>
        <source>%1 holds no song</source>
        <translation>%1 にはソングがありません</translation>
    </message>
    <message>
        <source>No MIDI port pair named &apos;%1&apos; (corvanta-cli ports lists them)</source>
        <translation>&apos;%1&apos; という名前の MIDI ポートペアはありません (corvanta-cli ports で一覧できます)</translation>
    </message>
    <message>
        <source>No MIDI port pairs</source>
        <translation>MIDI ポートペアがありません</translation>
    </message>
    <message>
        <source>Export Song %1</source>
        <translation>ソング %1 をエクスポート</translation>
    </message>
    <message>
        <source>Overwrite warning</source>
        <translation>上書きの確認</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exist, continue to overwrite the song?</source>
        <translation>&apos;%1&apos; は既に存在します。ソングを上書きしますか？</translation>
    </message>
    <message>
        <source>Import Song %1</source>
        <translation>ソング %1 をインポート</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Continue to delete song &apos;%1&apos; ?</source>
        <translation>ソング &apos;%1&apos; を削除しますか？</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Successful!</source>
        <translation>成功しました！</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>失敗しました！</translation>
    </message>
    <message>
        <source>Firmware update cancelled</source>
        <translation>ファームウェアのアップデートをキャンセルしました</translation>
    </message>
    <message>
        <source>Open web firmware info failed !</source>
        <translation>サーバーのファームウェア一覧を読み込めませんでした！</translation>
    </message>
    <message>
        <source>list the MIDI port pairs, * marks the one the port search picks</source>
        <translation>MIDI ポートペアを一覧表示 (* はポート検索が選ぶペア)</translation>
    </message>
    <message>
        <source>Lists the pairs of same-named MIDI ports; * marks the pair the port search connects to.</source>
        <translation>同じ名前の MIDI ポートのペアを一覧表示します。* はポート検索が接続するペアを示します。</translation>
    </message>
    <message>
        <source>the connected pedal: status, model, firmware, aux, slots, format, space</source>
        <translation>接続中のペダル: 状態、モデル、ファームウェア、aux、スロット、形式、容量</translation>
    </message>
    <message>
        <source>Connects and prints the window title&apos;s status text, the model id and name, the firmware version, aux,
the number of song slots, the song format and, for a pedal that holds songs, how much of its song
area the songs use.</source>
        <translation>接続して、ウィンドウのタイトルの状態テキスト、モデル番号と名前、ファームウェアのバージョン、aux、
ソングのスロット数、ソングの形式、そしてソングを保存できるペダルではソング領域の使用量を表示します。</translation>
    </message>
    <message>
        <source>one line per song slot, as the window lists them</source>
        <translation>ソングのスロットごとに 1 行 (ウィンドウの一覧と同じ)</translation>
    </message>
    <message>
        <source>export a song as a 48,000 Hz WAV file</source>
        <translation>ソングを 48,000 Hz の WAV ファイルとしてエクスポート</translation>
    </message>
    <message>
        <source>Exports the song of SLOT as a 48,000 Hz 24-bit WAV file, converted through 16 bits as the window does;
an existing FILE keeps its content on failure.
  --format flac  write FLAC instead of WAV
  --native       the pedal&apos;s own audio untouched: 46,875 Hz, 24-bit
  --hq           convert from the full 24 bits, without the 16-bit step</source>
        <translation>SLOT のソングを 48,000 Hz・24 ビットの WAV ファイルとしてエクスポートします。ウィンドウと同じく
16 ビットを経由して変換します。失敗した場合、既存の FILE の内容はそのまま残ります。
  --format flac  WAV の代わりに FLAC で書き込む
  --native       ペダル本来のオーディオをそのまま: 46,875 Hz、24 ビット
  --hq           16 ビットを経由せず、24 ビットのまま変換する</translation>
    </message>
    <message>
        <source>import an audio file into a slot</source>
        <translation>オーディオファイルをスロットにインポート</translation>
    </message>
    <message>
        <source>Imports FILE (WAV, AIFF, FLAC, Ogg, MP3 and whatever else libsndfile reads) into SLOT, converted to
the pedal&apos;s format. A used slot is overwritten only when the question is answered yes (--yes, or y
on a terminal). For a one-channel pedal the first channel is taken; --mix takes the mean of all
channels instead.</source>
        <translation>FILE (WAV、AIFF、FLAC、Ogg、MP3 など libsndfile が読めるもの) をペダルの形式に変換して SLOT に
インポートします。使用中のスロットは、質問に「はい」と答えたときだけ上書きされます (--yes、または
端末で y)。1 チャンネルのペダルでは最初のチャンネルを使います。--mix を付けると全チャンネルの
平均を使います。</translation>
    </message>
    <message>
        <source>delete a song</source>
        <translation>ソングを削除</translation>
    </message>
    <message>
        <source>Deletes the song of SLOT after a question; --yes answers it. Without --yes and without a terminal on
standard input the song is kept.</source>
        <translation>確認のあと SLOT のソングを削除します。--yes で確認に答えます。--yes がなく、標準入力が端末でない
場合、ソングは削除されません。</translation>
    </message>
    <message>
        <source>every used slot as a WAV in the pedal&apos;s own format, plus a manifest</source>
        <translation>使用中の全スロットをペダル本来の形式の WAV で保存し、マニフェストを付ける</translation>
    </message>
    <message>
        <source>write a backup&apos;s songs back into their slots</source>
        <translation>バックアップのソングを元のスロットに書き戻す</translation>
    </message>
    <message>
        <source>decode a firmware file without a pedal</source>
        <translation>ペダルなしでファームウェアファイルを解析</translation>
    </message>
    <message>
        <source>Decodes FILE: its target model, its sections with their layouts and image sizes, or the decoder&apos;s error.</source>
        <translation>FILE を解析して、対象モデル、各セクションのレイアウトとイメージサイズ、またはデコーダーのエラーを表示します。</translation>
    </message>
    <message>
        <source>update the pedal&apos;s firmware from a file</source>
        <translation>ファイルからペダルのファームウェアをアップデート</translation>
    </message>
    <message>
        <source>the update server&apos;s firmware list for the connected model</source>
        <translation>接続中のモデル向けの、アップデートサーバーのファームウェア一覧</translation>
    </message>
    <message>
        <source>Prints the update server&apos;s firmware entries for the connected model: name, tab, URL.</source>
        <translation>接続中のモデル向けに、アップデートサーバーのファームウェアの項目を表示します: 名前、タブ、URL。</translation>
    </message>
    <message>
        <source>Usage: corvanta-cli [--port NAME] VERB [ARGS]   (corvanta-cli --help lists the verbs)</source>
        <translation>使い方: corvanta-cli [--port 名前] コマンド [引数]   (corvanta-cli --help でコマンドを一覧表示)</translation>
    </message>
    <message>
        <source>Prints one line per slot with the window&apos;s list text.
  --long  for scripts: slot, length in seconds, channels and bytes, tab-separated (0 for an empty slot)</source>
        <translation>スロットごとに、ウィンドウの一覧と同じテキストを 1 行ずつ表示します。
  --long  スクリプト向け: スロット、秒単位の長さ、チャンネル数、バイト数をタブ区切りで表示
          (空のスロットは 0)</translation>
    </message>
    <message>
        <source>Updates the pedal&apos;s firmware from FILE after a question that names the model, the installed and the
file&apos;s firmware version and that the pedal must stay plugged in (--yes answers it and the others;
No is the default). A file that writes to the song flash is named in a question. --any-model lets a
file for another model through, as Shift does in the window, after a further question. Prints the
firmware version before and after. Ctrl-C stops the update only before its first erase.</source>
        <translation>モデル、インストール済みのファームウェアとファイルのファームウェアのバージョン、ペダルを
接続したままにする必要があることを示す確認のあと、FILE からペダルのファームウェアを
アップデートします (--yes でこの確認とほかの確認に答えます。既定は「いいえ」)。ソング用
フラッシュに書き込むファイルは確認で示されます。--any-model を付けると、ウィンドウで Shift を
押したときと同じく、さらに確認したうえでほかのモデル用のファイルも使えます。アップデートの
前後にファームウェアのバージョンを表示します。Ctrl-C でアップデートを止められるのは最初の
消去の前だけです。</translation>
    </message>
    <message>
        <source>Writes every used slot into DIR as song-NNN.wav (or song-NNN-b.wav) in the pedal&apos;s own format (its
rate, 24-bit, its channels) and manifest.json (model, firmware, per slot the file, its length, the
SHA-256 of the audio and the song&apos;s fingerprint), the manifest last: a folder without it is no
complete backup. Over an earlier backup of the pedal, a song whose fingerprint (its song info and
its first, middle and last audio page) and file are unchanged is kept without reading it; slots
now empty leave the backup. The earlier backup stays whole until the new manifest replaces it.
  --full  read every song; a change only between the pages the fingerprint reads is seen then</source>
        <translation>使用中の各スロットを、ペダル本来の形式 (ペダルのサンプルレート、24 ビット、ペダルのチャンネル数) の
song-NNN.wav (または song-NNN-b.wav) として DIR に書き込み、最後に manifest.json (モデル、
ファームウェア、スロットごとのファイル、その長さ、オーディオの SHA-256、ソングのフィンガープリント) を
書き込みます。マニフェストのないフォルダーは完全なバックアップではありません。このペダルの以前の
バックアップに重ねる場合、フィンガープリント (ソング情報と、オーディオの最初・中間・最後のページ) と
ファイルが変わっていないソングは、読み込まずにそのまま残します。現在空のスロットはバックアップから外れ
ます。以前のバックアップは、新しいマニフェストに置き換わるまで完全なまま残ります。
  --full  すべてのソングを読み込む。フィンガープリントが読むページの間だけの変更はこのとき検出される</translation>
    </message>
    <message>
        <source>Checks DIR&apos;s manifest against the pedal (model id) and every file against the manifest, then writes
the songs back into their slots, bit for bit. Slots the backup does not name keep their songs; a slot
whose fingerprint equals the backup&apos;s already holds the song and is not written. It stops at the
first failure, naming the slots restored and the slot that failed.
  --full  write every slot of the backup</source>
        <translation>DIR のマニフェストをペダル (モデル ID) と、各ファイルをマニフェストと照合してから、ソングを元のスロット
にビット単位でそのまま書き戻します。バックアップに含まれないスロットは元のソングを保ちます。
フィンガープリントがバックアップと一致するスロットはすでにそのソングを保持しているため、書き込みませ
ん。最初の失敗で停止し、復元したスロットと失敗したスロットを示します。
  --full  バックアップのすべてのスロットを書き込む</translation>
    </message>
    <message>
        <source>what the program sees of the MIDI paths and the pedal, for a bug report</source>
        <translation>プログラムから見た MIDI 経路とペダルの状態 (バグ報告用)</translation>
    </message>
    <message>
        <source>Reports the MIDI paths (raw MIDI, the ALSA sequencer, JACK) with their ports, the sequencer&apos;s buffer
towards hardware and whether the pedal&apos;s frames fit it, every raw MIDI device with the program holding
it and its sequencer subscribers, device nodes this user may not open, and the pedal: found or not,
which path it is reached by and why, and what to do. Exit status 0 when a pedal is usable for every
command, 1 otherwise.</source>
        <translation>MIDI 経路 (raw MIDI、ALSA シーケンサー、JACK) とそのポート、シーケンサーのハードウェア向け
バッファーとペダルのフレームがそこに収まるかどうか、各 raw MIDI デバイスとそれを使用中の
プログラムおよびシーケンサーの購読者、このユーザーが開けないデバイスノード、そしてペダル
(見つかったかどうか、どの経路でなぜ接続されるか、どうすればよいか) を報告します。
終了ステータスは、すべてのコマンドでペダルを使える場合は 0、それ以外は 1 です。</translation>
    </message>
</context>
<context>
    <name>CorvantaQT</name>
    <message>
        <source>Do not unplug the pedal</source>
        <translation>ペダルを抜かないでください</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Stop the running operation (Esc)</source>
        <translation>実行中の処理を中止 (Esc)</translation>
    </message>
    <message>
        <source>Cancelling…</source>
        <translation>キャンセル中…</translation>
    </message>
    <message>
        <source>Load song info failed !</source>
        <translation>ソング情報を読み込めませんでした！</translation>
    </message>
    <message>
        <source>Open firmware file</source>
        <translation>ファームウェアファイルを開く</translation>
    </message>
    <message>
        <source>DAT Files(*.dat)</source>
        <translation>DAT ファイル(*.dat)</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>The selected firmware version less or equal to the connected device, still update ?</source>
        <translation>選択したファームウェアのバージョンは、接続中の機器と同じか古いものです。それでもアップデートしますか？</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 をダウンロード中</translation>
    </message>
    <message>
        <source>No update file selected !</source>
        <translation>アップデートファイルが選択されていません！</translation>
    </message>
    <message>
        <source>Failed!</source>
        <translation>失敗しました！</translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation>ファームウェアのアップデート</translation>
    </message>
    <message>
        <source>Successful!</source>
        <translation>成功しました！</translation>
    </message>
    <message>
        <source>Firmware update cancelled</source>
        <translation>ファームウェアのアップデートをキャンセルしました</translation>
    </message>
    <message>
        <source>Download firmware failed !</source>
        <translation>ファームウェアのダウンロードに失敗しました！</translation>
    </message>
    <message>
        <source>Open file &apos;%1&apos; failed, it may be occupied by other process</source>
        <translation>ファイル &apos;%1&apos; を開けませんでした。ほかのプログラムが使用している可能性があります</translation>
    </message>
    <message>
        <source>Open web firmware info failed !</source>
        <translation>サーバーのファームウェア一覧を読み込めませんでした！</translation>
    </message>
    <message>
        <source>Drop one audio file at a time: %1 were dropped</source>
        <translation>オーディオファイルは 1 つずつドロップしてください: %1 個ドロップされました</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file on this computer: only local files can be imported</source>
        <translation>&apos;%1&apos; はこのコンピューター上のファイルではありません。インポートできるのはローカルファイルだけです</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Backup all songs…</source>
        <translation>全ソングをバックアップ…</translation>
    </message>
    <message>
        <source>Restore backup…</source>
        <translation>バックアップから復元…</translation>
    </message>
    <message>
        <source>Backup all songs</source>
        <translation>全ソングをバックアップ</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <source>Restore backup</source>
        <translation>バックアップから復元</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Open wav file</source>
        <translation>WAV ファイルを開く</translation>
    </message>
    <message>
        <source>Wav Files(*.wav)</source>
        <translation>WAV ファイル(*.wav)</translation>
    </message>
    <message>
        <source>Wav Files(*.wav);;FLAC Files(*.flac)</source>
        <translation>WAV ファイル(*.wav);;FLAC ファイル(*.flac)</translation>
    </message>
    <message>
        <source>Song %1</source>
        <translation>ソング %1</translation>
    </message>
    <message>
        <source>Export Song %1</source>
        <translation>ソング %1 をエクスポート</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exist, continue to overwrite the song?</source>
        <translation>&apos;%1&apos; は既に存在します。ソングを上書きしますか？</translation>
    </message>
    <message>
        <source>Overwrite warning</source>
        <translation>上書きの確認</translation>
    </message>
    <message>
        <source>Import Song %1</source>
        <translation>ソング %1 をインポート</translation>
    </message>
    <message>
        <source>Continue to delete song &apos;%1&apos; ?</source>
        <translation>ソング &apos;%1&apos; を削除しますか？</translation>
    </message>
    <message>
        <source>A new version(V%1) is available, would you like to download ?</source>
        <translation>新しいバージョン (V%1) があります。ダウンロードしますか？</translation>
    </message>
    <message>
        <source>New version...</source>
        <translation>新しいバージョン…</translation>
    </message>
    <message>
        <source>Open a firmware file</source>
        <translation>ファームウェアファイルを開く</translation>
    </message>
    <message>
        <source>Pedal: %1, firmware %2</source>
        <translation>ペダル: %1、ファームウェア %2</translation>
    </message>
    <message>
        <source>Listed file: none</source>
        <translation>一覧のファイル: なし</translation>
    </message>
    <message>
        <source>Listed file: firmware %1, %2</source>
        <translation>一覧のファイル: ファームウェア %1、%2</translation>
    </message>
    <message>
        <source>File: none chosen</source>
        <translation>ファイル: 未選択</translation>
    </message>
    <message>
        <source>File: not usable (%1)</source>
        <translation>ファイル: 使用できません (%1)</translation>
    </message>
    <message>
        <source>File: it does not name its firmware version</source>
        <translation>ファイル: ファームウェアのバージョンが記載されていません</translation>
    </message>
    <message>
        <source>File: firmware %1, %2</source>
        <translation>ファイル: ファームウェア %1、%2</translation>
    </message>
    <message>
        <source>Song %1: %2, %3, %4 MB</source>
        <translation>ソング %1: %2、%3、%4 MB</translation>
    </message>
    <message>
        <source>mono</source>
        <translation>モノラル</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>ステレオ</translation>
    </message>
    <message>
        <source>Audio files</source>
        <translation>オーディオファイル</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has %2 channels; the pedal&apos;s songs have one. Which should the song hold ?</source>
        <translation>&apos;%1&apos; には %2 チャンネルありますが、ペダルのソングは 1 チャンネルです。ソングに何を入れますか？</translation>
    </message>
    <message>
        <source>Mix of all channels</source>
        <translation>全チャンネルをミックス</translation>
    </message>
    <message>
        <source>First channel</source>
        <translation>最初のチャンネル</translation>
    </message>
</context>
<context>
    <name>CorvantaQTClass</name>
    <message>
        <source>Song Edit</source>
        <translation>ソング編集</translation>
    </message>
    <message>
        <source>Song List</source>
        <translation>ソング一覧</translation>
    </message>
    <message>
        <source>Edit Song</source>
        <translation>ソングの編集</translation>
    </message>
    <message>
        <source>Export the selected song as a wav file</source>
        <translation>選択したソングを WAV ファイルとしてエクスポート</translation>
    </message>
    <message>
        <source> Export      </source>
        <translation> エクスポート </translation>
    </message>
    <message>
        <source>Import a wav file to the selected song</source>
        <translation>選択したソングに WAV ファイルをインポート</translation>
    </message>
    <message>
        <source> Import      </source>
        <translation> インポート  </translation>
    </message>
    <message>
        <source>Delte the selected song</source>
        <translation>選択したソングを削除</translation>
    </message>
    <message>
        <source> Delete      </source>
        <translation> 削除        </translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>ファームウェアのアップデート</translation>
    </message>
    <message>
        <source>Firmware File</source>
        <translation>ファームウェアファイル</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Open a firmware file</source>
        <translation>ファームウェアファイルを開く</translation>
    </message>
    <message>
        <source>Select local file for updating</source>
        <translation>ローカルファイルでアップデート</translation>
    </message>
    <message>
        <source>Firmware list</source>
        <translation>ファームウェア一覧</translation>
    </message>
    <message>
        <source>  Update     </source>
        <translation> アップデート </translation>
    </message>
</context>
<context>
    <name>DeviceModels</name>
    <message>
        <source>Unknown Device</source>
        <translation>不明なデバイス</translation>
    </message>
    <message>
        <source>%1 - (No device connected !)</source>
        <translation>%1 - (デバイスが接続されていません！)</translation>
    </message>
    <message>
        <source>%1 - (Please enter update mode !)</source>
        <translation>%1 - (アップデートモードにしてください！)</translation>
    </message>
    <message>
        <source>%1 - (Unknown device connected !)</source>
        <translation>%1 - (不明なデバイスが接続されています！)</translation>
    </message>
    <message>
        <source>%1 - (Connected - %2, Ver=V%3)</source>
        <translation>%1 - (接続中 - %2、Ver=V%3)</translation>
    </message>
</context>
<context>
    <name>FirmwareFile</name>
    <message>
        <source>Open file failed</source>
        <translation>ファイルを開けませんでした</translation>
    </message>
    <message>
        <source>File Token Error</source>
        <translation>ファイル識別子のエラー</translation>
    </message>
    <message>
        <source>File header checksum Error</source>
        <translation>ファイルヘッダーのチェックサムエラー</translation>
    </message>
    <message>
        <source>The file declares %1 sections; at most %2 are possible</source>
        <translation>ファイルには %1 個のセクションが宣言されています。可能なのは最大 %2 個です</translation>
    </message>
    <message>
        <source>Data%1l header checksum Error</source>
        <translation>Data%1l のヘッダーのチェックサムエラー</translation>
    </message>
    <message>
        <source>The section records lie beyond the end of the file</source>
        <translation>セクションのレコードがファイルの末尾を超えています</translation>
    </message>
    <message>
        <source>Section %1 lies beyond the end of the file</source>
        <translation>セクション %1 がファイルの末尾を超えています</translation>
    </message>
    <message>
        <source>Section %1 declares more data than its packed block can hold</source>
        <translation>セクション %1 が、圧縮ブロックに収まる量を超えるデータを宣言しています</translation>
    </message>
    <message>
        <source>decode bin file failed</source>
        <translation>bin ファイルの展開に失敗しました</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdate</name>
    <message>
        <source>The firmware file changed during the update</source>
        <translation>アップデート中にファームウェアファイルが変更されました</translation>
    </message>
    <message>
        <source>Read firmware file failed</source>
        <translation>ファームウェアファイルを読み込めませんでした</translation>
    </message>
    <message>
        <source>File not match the connected device,please confirm</source>
        <translation>ファイルが接続中の機器と一致しません。確認してください</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>The file is for model %1, the pedal is model %2. Update anyway ?</source>
        <translation>このファイルはモデル %1 用ですが、ペダルはモデル %2 です。それでもアップデートしますか？</translation>
    </message>
    <message>
        <source>The firmware file holds no sections</source>
        <translation>ファームウェアファイルにセクションがありません</translation>
    </message>
    <message>
        <source>Section %1 has no flash range</source>
        <translation>セクション %1 にフラッシュの範囲がありません</translation>
    </message>
    <message>
        <source>Section %1 targets flash %2; the pedal has flashes 0 and 1</source>
        <translation>セクション %1 はフラッシュ %2 を対象にしています。ペダルのフラッシュは 0 と 1 です</translation>
    </message>
    <message>
        <source>Space not enough !</source>
        <translation>容量が足りません！</translation>
    </message>
    <message>
        <source>Section %1 holds an empty image</source>
        <translation>セクション %1 のイメージが空です</translation>
    </message>
    <message>
        <source>Sections %1 and %2 overlap on flash %3</source>
        <translation>セクション %1 と %2 がフラッシュ %3 上で重なっています</translation>
    </message>
    <message>
        <source>section %1 of %2 (0x%3 to 0x%4)</source>
        <translation>セクション %1/%2 (0x%3〜0x%4)</translation>
    </message>
    <message>
        <source>This firmware writes to the song flash: %1. Recorded songs there may be overwritten. Go on with the update ?</source>
        <translation>このファームウェアはソング用フラッシュに書き込みます: %1。そこに録音されたソングが上書きされる可能性があります。アップデートを続けますか？</translation>
    </message>
    <message>
        <source>Erase sector failed,address=0x%1</source>
        <translation>セクターの消去に失敗しました、アドレス=0x%1</translation>
    </message>
    <message>
        <source>Write data failed !</source>
        <translation>データの書き込みに失敗しました！</translation>
    </message>
    <message>
        <source>Verify data failed</source>
        <translation>データの検証に失敗しました</translation>
    </message>
    <message>
        <source>Write data timeout !</source>
        <translation>データの書き込みがタイムアウトしました！</translation>
    </message>
    <message>
        <source>%1

%2 failed at 0x%3. The pedal may not start normally now: keep it connected and run the same update again. If it no longer answers, its manual describes how to enter update mode.</source>
        <translation>%1

%2が 0x%3 で失敗しました。ペダルが正常に起動しない可能性があります: 接続したまま、同じアップデートをもう一度実行してください。応答しなくなった場合は、取扱説明書でアップデートモードへの入り方を確認してください。</translation>
    </message>
</context>
<context>
    <name>FirmwareVersion</name>
    <message>
        <source>pedal of model %1</source>
        <translation>モデル %1 のペダル</translation>
    </message>
    <message>
        <source>the pedal&apos;s own version is not known</source>
        <translation>ペダルのバージョンは不明です</translation>
    </message>
    <message>
        <source>newer than the pedal&apos;s</source>
        <translation>ペダルのバージョンより新しい</translation>
    </message>
    <message>
        <source>the same as the pedal&apos;s</source>
        <translation>ペダルのバージョンと同じ</translation>
    </message>
    <message>
        <source>older than the pedal&apos;s</source>
        <translation>ペダルのバージョンより古い</translation>
    </message>
    <message>
        <source>The pedal&apos;s firmware is erased and written anew: keep the pedal plugged in until the result is shown.</source>
        <translation>ペダルのファームウェアを消去して書き直します。結果が表示されるまでペダルを接続したままにしてください。</translation>
    </message>
    <message>
        <source>Update the %1 (firmware %2) from a file that does not name its version ?
%3</source>
        <translation>バージョンが記載されていないファイルで %1 (ファームウェア %2) をアップデートしますか？
%3</translation>
    </message>
    <message>
        <source>Update the %1 from firmware %2 to %3 (%4) ?
%5</source>
        <translation>%1 をファームウェア %2 から %3 (%4) にアップデートしますか？
%5</translation>
    </message>
</context>
<context>
    <name>FlashLayout</name>
    <message>
        <source>Write layout file failed</source>
        <translation>レイアウトファイルの書き込みに失敗しました</translation>
    </message>
    <message>
        <source>All FLASH should be same type!</source>
        <translation>すべての FLASH は同じタイプである必要があります！</translation>
    </message>
    <message>
        <source>FLASH start address is empty</source>
        <translation>FLASH の開始アドレスがありません</translation>
    </message>
    <message>
        <source>%1 address not follow the last flash</source>
        <translation>%1 のアドレスが前のフラッシュに続いていません</translation>
    </message>
    <message>
        <source>FLASH end address is empty</source>
        <translation>FLASH の終了アドレスがありません</translation>
    </message>
    <message>
        <source>%1 end address is below its start address</source>
        <translation>%1 の終了アドレスが開始アドレスより小さくなっています</translation>
    </message>
    <message>
        <source>%1 sector size is 0</source>
        <translation>%1 のセクターサイズが 0 です</translation>
    </message>
    <message>
        <source>%1 has more than %2 sectors</source>
        <translation>%1 のセクターが %2 個を超えています</translation>
    </message>
    <message>
        <source>The flash ranges add up to more than 4 GiB</source>
        <translation>フラッシュ範囲の合計が 4 GiB を超えています</translation>
    </message>
</context>
<context>
    <name>LooperSongBase</name>
    <message>
        <source>Error:Block chain %1 greater than %2</source>
        <translation>エラー: ブロックチェーン %1 が %2 を超えています</translation>
    </message>
</context>
<context>
    <name>LooperSongList</name>
    <message>
        <source>Song %1 -- (%2  MB)</source>
        <translation>ソング %1 -- (%2  MB)</translation>
    </message>
</context>
<context>
    <name>Midi</name>
    <message>
        <source>Load snd-seq-midi with output_buffer_size=%1: the Corvanta package&apos;s /etc/modprobe.d/corvanta.conf does so from the module&apos;s next load (after a reboot, or with every MIDI program closed: sudo modprobe -r snd-seq-midi &amp;&amp; sudo modprobe snd-seq-midi). Or close the programs that use the pedal, so that it is reached through raw MIDI.</source>
        <translation>snd-seq-midi を output_buffer_size=%1 で読み込んでください。Corvanta パッケージの /etc/modprobe.d/corvanta.conf により、次にモジュールを読み込んだときから有効になります (再起動後、またはすべての MIDI プログラムを閉じてから: sudo modprobe -r snd-seq-midi &amp;&amp; sudo modprobe snd-seq-midi)。または、ペダルを使っているプログラムを閉じて、raw MIDI でペダルに接続されるようにしてください。</translation>
    </message>
    <message>
        <source>ask the administrator for access to %1</source>
        <translation>%1 へのアクセス権を管理者に依頼してください</translation>
    </message>
    <message>
        <source>%1 belongs to the group %2. Add yourself to it (sudo usermod -aG %2 $USER) and log in again.</source>
        <translation>%1 はグループ %2 に属しています。自分をこのグループに追加し (sudo usermod -aG %2 $USER)、ログインし直してください。</translation>
    </message>
    <message>
        <source>The pedal &quot;%1&quot; is shared through the ALSA sequencer with %2, whose buffer carries at most %3 bytes; the pedal&apos;s writes need %4. Nothing was changed on the pedal; its songs can be listed and exported meanwhile. %5</source>
        <translation>ペダル &quot;%1&quot; は ALSA シーケンサーを通じて %2 と共有されていますが、シーケンサーのバッファーは最大 %3 バイトで、ペダルへの書き込みには %4 必要です。ペダルには何も変更を加えていません。その間も、ソングの一覧表示とエクスポートはできます。%5</translation>
    </message>
</context>
<context>
    <name>MidiPortPair</name>
    <message>
        <source>frame too large for the transmit buffer</source>
        <translation>フレームが送信バッファーに対して大きすぎます</translation>
    </message>
</context>
<context>
    <name>PortSearch</name>
    <message>
        <source>Please replug the USB cable to enter update mode!</source>
        <translation>USB ケーブルを挿し直してアップデートモードにしてください！</translation>
    </message>
    <message>
        <source>You should enter update mode first! For how to enter update mode, please refer to the manual</source>
        <translation>先にアップデートモードにしてください！ 方法は取扱説明書を参照してください</translation>
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
        <translation>残り %1</translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
</context>
<context>
    <name>RawMidi</name>
    <message>
        <source>invalid input port number</source>
        <translation>入力ポート番号が無効です</translation>
    </message>
    <message>
        <source>invalid output port number</source>
        <translation>出力ポート番号が無効です</translation>
    </message>
    <message>
        <source>a port is already open</source>
        <translation>ポートは既に開いています</translation>
    </message>
    <message>
        <source>output port is not open</source>
        <translation>出力ポートが開いていません</translation>
    </message>
    <message>
        <source>cannot open MIDI device %1: %2</source>
        <translation>MIDI デバイス %1 を開けません: %2</translation>
    </message>
    <message>
        <source>cannot read MIDI device %1: no pipe for its reader</source>
        <translation>MIDI デバイス %1 を読み込めません: 読み取り用のパイプがありません</translation>
    </message>
    <message>
        <source>MIDI device %1 refused the message after %2 of %3 bytes: %4</source>
        <translation>MIDI デバイス %1 が %3 バイト中 %2 バイトの時点でメッセージを拒否しました: %4</translation>
    </message>
    <message>
        <source>MIDI device %1 took no data for %2 s; %3 of %4 bytes were sent</source>
        <translation>MIDI デバイス %1 が %2 秒間データを受け付けませんでした。送信済みは %4 バイト中 %3 バイトです</translation>
    </message>
    <message>
        <source>MIDI device %1 went away while a message was being sent</source>
        <translation>メッセージの送信中に MIDI デバイス %1 がなくなりました</translation>
    </message>
    <message>
        <source>MIDI device %1 is in use by %2</source>
        <translation>MIDI デバイス %1 は %2 が使用中です</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>別のプログラム</translation>
    </message>
    <message>
        <source>no permission to open MIDI device %1: %2</source>
        <translation>MIDI デバイス %1 を開く権限がありません: %2</translation>
    </message>
</context>
<context>
    <name>RtMidi</name>
    <message>
        <source>unknown MIDI API in CORVANTA_MIDI_API: %1</source>
        <translation>CORVANTA_MIDI_API の MIDI API が不明です: %1</translation>
    </message>
    <message>
        <source>no MIDI API is available</source>
        <translation>使用できる MIDI API がありません</translation>
    </message>
    <message>
        <source>A MIDI message of %1 bytes cannot cross the ALSA sequencer (at most %2 bytes), so it was not sent. %3</source>
        <translation>%1 バイトの MIDI メッセージは ALSA シーケンサーを通過できない (最大 %2 バイト) ため、送信しませんでした。%3</translation>
    </message>
</context>
<context>
    <name>SongBackup</name>
    <message>
        <source>&apos;%1&apos; is not the song the backup recorded</source>
        <translation>&apos;%1&apos; はバックアップに記録されたソングではありません</translation>
    </message>
    <message>
        <source>Backup cancelled; the earlier backup in &apos;%1&apos; is unchanged</source>
        <translation>バックアップをキャンセルしました。&apos;%1&apos; の以前のバックアップは変更されていません</translation>
    </message>
    <message>
        <source>Backup cancelled; no backup was written to &apos;%1&apos;</source>
        <translation>バックアップをキャンセルしました。&apos;%1&apos; にバックアップは書き込まれていません</translation>
    </message>
    <message>
        <source>Restore cancelled: no slot was restored; every slot keeps its song</source>
        <translation>復元をキャンセルしました: 復元したスロットはありません。すべてのスロットが元のソングを保っています</translation>
    </message>
    <message>
        <source>Restore cancelled: slot %1 was restored; the others keep their songs</source>
        <translation>復元をキャンセルしました: スロット %1 を復元しました。ほかのスロットは元のソングを保っています</translation>
    </message>
    <message>
        <source>Restore cancelled: slots %1 were restored; the others keep their songs</source>
        <translation>復元をキャンセルしました: スロット %1 を復元しました。ほかのスロットは元のソングを保っています</translation>
    </message>
    <message>
        <source>Cannot write the backup folder &apos;%1&apos;</source>
        <translation>バックアップ先のフォルダー &apos;%1&apos; に書き込めません</translation>
    </message>
    <message>
        <source>Backup Song %1 (%2 of %3)</source>
        <translation>ソング %1 をバックアップ (%3 件中 %2 件目)</translation>
    </message>
    <message>
        <source>Song %1: %2</source>
        <translation>ソング %1: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; holds no complete backup (its %2 is missing or unreadable)</source>
        <translation>&apos;%1&apos; には完全なバックアップがありません (%2 がないか、読み込めません)</translation>
    </message>
    <message>
        <source>The backup is of model %1, the pedal is model %2</source>
        <translation>バックアップはモデル %1 のもので、ペダルはモデル %2 です</translation>
    </message>
    <message>
        <source>The backup&apos;s entry for slot %1 is not valid</source>
        <translation>スロット %1 のバックアップ項目が無効です</translation>
    </message>
    <message>
        <source>Restore %1 songs from &apos;%2&apos; (%3 used slots are overwritten) ?</source>
        <translation>&apos;%2&apos; から %1 曲を復元しますか (使用中の %3 スロットが上書きされます)？</translation>
    </message>
    <message>
        <source>Restore Song %1 (%2 of %3)</source>
        <translation>ソング %1 を復元 (%3 件中 %2 件目)</translation>
    </message>
    <message>
        <source>Song %1 unchanged</source>
        <translation>ソング %1 は変更なし</translation>
    </message>
    <message>
        <source>Cannot write the backup folder &apos;%1&apos;; the earlier backup in it is unchanged</source>
        <translation>バックアップ先のフォルダー &apos;%1&apos; に書き込めません。フォルダー内の以前のバックアップは変更されていません</translation>
    </message>
    <message>
        <source>Backup done: %1 read, %2 unchanged</source>
        <translation>バックアップ完了: %1 曲を読み込み、%2 曲は変更なし</translation>
    </message>
    <message>
        <source>Restore failed at slot %1 (%2): no slot was restored; the slots after it were not written</source>
        <translation>スロット %1 で復元に失敗しました (%2): 復元したスロットはありません。以降のスロットは書き込まれていません</translation>
    </message>
    <message>
        <source>Restore failed at slot %1 (%2): slot %3 was restored; the slots after it were not written</source>
        <translation>スロット %1 で復元に失敗しました (%2): スロット %3 を復元しました。以降のスロットは書き込まれていません</translation>
    </message>
    <message>
        <source>Restore failed at slot %1 (%2): slots %3 were restored; the slots after it were not written</source>
        <translation>スロット %1 で復元に失敗しました (%2): スロット %3 を復元しました。以降のスロットは書き込まれていません</translation>
    </message>
    <message>
        <source>Song %1 already there</source>
        <translation>ソング %1 はすでに存在します</translation>
    </message>
    <message>
        <source>Restore done: %1 written, %2 already there</source>
        <translation>復元完了: %1 曲を書き込み、%2 曲はすでに存在</translation>
    </message>
    <message>
        <source>Restore %1 songs from &apos;%2&apos; (%3 used slots are overwritten, %4 songs already there are kept) ?</source>
        <translation>&apos;%2&apos; から %1 曲を復元しますか (使用中の %3 スロットが上書きされ、すでにある %4 曲はそのまま残ります)？</translation>
    </message>
</context>
<context>
    <name>SongResult</name>
    <message>
        <source>Successful !</source>
        <translation>成功しました！</translation>
    </message>
    <message>
        <source>Device not open !</source>
        <translation>デバイスが開かれていません！</translation>
    </message>
    <message>
        <source>Device not support !</source>
        <translation>デバイスが対応していません！</translation>
    </message>
    <message>
        <source>Read data failed!</source>
        <translation>データの読み込みに失敗しました！</translation>
    </message>
    <message>
        <source>Checksum error!</source>
        <translation>チェックサムエラー！</translation>
    </message>
    <message>
        <source>Space not enough!</source>
        <translation>容量が足りません！</translation>
    </message>
    <message>
        <source>File too large!</source>
        <translation>ファイルが大きすぎます！</translation>
    </message>
    <message>
        <source>FLASH erase failed!</source>
        <translation>フラッシュの消去に失敗しました！</translation>
    </message>
    <message>
        <source>File info erase failed!</source>
        <translation>ファイル情報の消去に失敗しました！</translation>
    </message>
    <message>
        <source>Write wav flag failed!</source>
        <translation>WAV フラグの書き込みに失敗しました！</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>キャンセルしました</translation>
    </message>
    <message>
        <source>Failed !</source>
        <translation>失敗しました！</translation>
    </message>
    <message>
        <source>Write data failed!</source>
        <translation>データの書き込みに失敗しました！</translation>
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
        <translation>使用中 %1 / %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs %2, the pedal has %3 free</source>
        <translation>&apos;%1&apos; には %2 必要ですが、ペダルの空きは %3 です</translation>
    </message>
</context>
<context>
    <name>SongTransfer</name>
    <message>
        <source>Song %1 -- (Damaged)</source>
        <translation>ソング %1 -- (破損)</translation>
    </message>
    <message>
        <source>Song %1 -- (Empty)</source>
        <translation>ソング %1 -- (空)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read: its song info fails its checksum. Import a song into the slot or delete it.</source>
        <translation>&apos;%1&apos; を読み込めません: ソング情報のチェックサムが一致しません。このスロットにソングをインポートするか、削除してください。</translation>
    </message>
    <message>
        <source>Export cancelled</source>
        <translation>エクスポートをキャンセルしました</translation>
    </message>
    <message>
        <source>Import cancelled</source>
        <translation>インポートをキャンセルしました</translation>
    </message>
    <message>
        <source>Audio file &apos;%1&apos; is too short: it gives the song %2 of the %3 frames a song needs at least</source>
        <translation>オーディオファイル &apos;%1&apos; が短すぎます: ソングには少なくとも %3 フレームが必要ですが、%2 フレームしかありません</translation>
    </message>
</context>
<context>
    <name>USBPort</name>
    <message>
        <source>Checksum错误,算出来是%1, 包内校验是%2</source>
        <translation>チェックサムエラー、計算値 %1、パケット内の値 %2</translation>
    </message>
    <message>
        <source>the pedal&apos;s MIDI ports are gone</source>
        <translation>ペダルの MIDI ポートがなくなりました</translation>
    </message>
    <message>
        <source>Data length error</source>
        <translation>データ長エラー</translation>
    </message>
    <message>
        <source>Cmd type error</source>
        <translation>コマンド種別エラー</translation>
    </message>
    <message>
        <source>读取回复码长度错误,需要%1字节,收到%2字节</source>
        <translation>応答コードの長さエラー: %1 バイト必要ですが、%2 バイト受信しました</translation>
    </message>
    <message>
        <source>Data length error,need %1 bytes,got %2 bytes</source>
        <translation>データ長エラー: %1 バイト必要ですが、%2 バイト受信しました</translation>
    </message>
</context>
<context>
    <name>UpdatePlan</name>
    <message>
        <source>Erase of section %1 of %2</source>
        <translation>セクション %1/%2 の消去</translation>
    </message>
    <message>
        <source>Erase section %1 of %2</source>
        <translation>セクション %1/%2 を消去中</translation>
    </message>
    <message>
        <source>Write of section %1 of %2</source>
        <translation>セクション %1/%2 の書き込み</translation>
    </message>
    <message>
        <source>Write section %1 of %2</source>
        <translation>セクション %1/%2 を書き込み中</translation>
    </message>
    <message>
        <source>Verify of section %1 of %2</source>
        <translation>セクション %1/%2 の検証</translation>
    </message>
    <message>
        <source>Verify section %1 of %2</source>
        <translation>セクション %1/%2 を検証中</translation>
    </message>
</context>
<context>
    <name>UpdateProgress</name>
    <message>
        <source>The firmware update cannot be stopped once it erases the flash: it goes on. Do not unplug the pedal.</source>
        <translation>ファームウェアのアップデートは、フラッシュの消去を始めると中止できません: このまま続行します。ペダルを抜かないでください。</translation>
    </message>
</context>
<context>
    <name>Wave</name>
    <message>
        <source>RIFF not found</source>
        <translation>RIFF が見つかりません</translation>
    </message>
    <message>
        <source>WAVEfmt not found</source>
        <translation>WAVEfmt が見つかりません</translation>
    </message>
    <message>
        <source>data segment not found</source>
        <translation>データセグメントが見つかりません</translation>
    </message>
    <message>
        <source>has an unusable format: %1 bytes per frame, %2 frames and %3 bytes per second</source>
        <translation>使用できない形式です: 1 フレームあたり %1 バイト、毎秒 %2 フレーム、毎秒 %3 バイト</translation>
    </message>
    <message>
        <source>Wave file &apos;%1&apos; %2</source>
        <translation>WAV ファイル &apos;%1&apos;: %2</translation>
    </message>
</context>
</TS>
