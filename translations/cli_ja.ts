<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Assignments</name>
    <message>
        <source>%1 is not written by this program: the controller keeps its own value</source>
        <translation>%1はこのプログラムでは書き込みません: コントローラー側の値がそのまま残ります</translation>
    </message>
    <message>
        <source>%1: give NAME=VALUE</source>
        <translation>%1: NAME=VALUE の形で指定してください</translation>
    </message>
    <message>
        <source>%1: a mode is on or off</source>
        <translation>%1: モードには on か off を指定してください</translation>
    </message>
    <message>
        <source>%1: no such setting (&apos;tz586kv read&apos; lists them)</source>
        <translation>%1: そのような設定はありません（一覧は &apos;tz586kv read&apos; で表示）</translation>
    </message>
    <message>
        <source>%1: %2 takes a number</source>
        <translation>%1: %2には数値を指定してください</translation>
    </message>
    <message>
        <source>%1 and %2: the same setting given twice</source>
        <translation>%1 と %2: 同じ設定が二度指定されています</translation>
    </message>
    <message>
        <source>%1 and %2 contradict each other</source>
        <translation>%1 と %2 が矛盾しています</translation>
    </message>
    <message>
        <source>%1 and %2 contradict each other: Reverse Cancel and Robot Mode exclude each other</source>
        <translation>%1 と %2 が矛盾しています: バックキャンセルとロボットモードは同時にオンにできません</translation>
    </message>
</context>
<context>
    <name>CliApp</name>
    <message>
        <source>interrupted</source>
        <translation>中断しました</translation>
    </message>
</context>
<context>
    <name>CommandHelp</name>
    <message>
        <source>list Com1..Com16, their devices and whether each opens</source>
        <translation>Com1～Com16 とそのデバイス、開けるかどうかを一覧表示</translation>
    </message>
    <message>
        <source>Lists the port numbers Com1 to Com16 with the device behind each (the
[Ports] section of the configuration file applied) and whether it opens,
or why not: absent, permission denied (with the group to join), in use.</source>
        <translation>ポート番号 Com1～Com16 を、それぞれのデバイス（設定ファイルの [Ports]
セクションを反映）と、開けるかどうかとともに一覧表示します。開けない
ときはその理由（デバイスがない、権限がない（参加すべきグループも表示）、
使用中）を示します。</translation>
    </message>
    <message>
        <source>  --all              also list serial devices that no port number names
</source>
        <translation>  --all              ポート番号のないシリアルデバイスも表示
</translation>
    </message>
    <message>
        <source>read the settings from the controller</source>
        <translation>コントローラーから設定を読み込む</translation>
    </message>
    <message>
        <source>Reads the controller&apos;s settings and prints every parameter with its
caption, value, unit, range and whether it is in range, the modes, the
model and the ROM version.</source>
        <translation>コントローラーの設定を読み込み、各パラメーターの名前、値、単位、範囲と
範囲内かどうか、モード、機種、ROM バージョンを表示します。</translation>
    </message>
    <message>
        <source>  -o FILE, -oFILE, --output=FILE
                     also save the settings as a setting file (the 64
                     characters as read); -o - writes it to standard output
                     instead of the table
</source>
        <translation>  -o FILE, -oFILE, --output=FILE
                     設定を設定ファイルにも保存（読み込んだ 64 文字の
                     まま）。-o - なら表の代わりに標準出力へ書き出す
</translation>
    </message>
    <message>
        <source>write a setting file to the controller and verify it</source>
        <translation>設定ファイルをコントローラーに書き込んでベリファイ</translation>
    </message>
    <message>
        <source>Reads the controller, shows what will change (caption: old -&gt; new),
refuses a value out of range before anything is sent, writes the file&apos;s
settings, reads them back and names the values that differ when the
verify fails. Values the file does not change are written back exactly
as read. When the controller already holds the file&apos;s values nothing is
written: &quot;Nothing to write: the controller already holds these values.&quot;</source>
        <translation>コントローラーを読み込んで変更点を表示し（名前: 旧 -&gt; 新）、範囲外の値は
何も送らないうちに拒否します。ファイルの設定を書き込んで読み戻し、
ベリファイに失敗したときは食い違う値を示します。ファイルで変わらない値は
読み込んだとおりに書き戻します。コントローラーがすでにファイルの値を
保持しているときは何も書き込みません:
「書き込む変更はありません: コントローラーはすでにこの値を保持しています。」</translation>
    </message>
    <message>
        <source>  --dry-run          stop after showing the changes; only the read is sent
  --force            write and verify even when nothing changes
</source>
        <translation>  --dry-run          変更点を表示して終了（送るのは読み込みだけ）
  --force            変更がなくても書き込んでベリファイ
</translation>
    </message>
    <message>
        <source>change named settings in the controller</source>
        <translation>コントローラーの設定を名前で指定して変更</translation>
    </message>
    <message>
        <source>Reads the controller, changes the named settings by the window&apos;s rules (a
current limit snaps to tens; Reverse Cancel and Robot Mode exclude each
other), shows what will change, writes and verifies. A NAME is a
parameter&apos;s caption or its key (tz586kv read lists both), for example
deadband, cutoff or limiter=off; a mode takes on or off. A name given
twice, or values that contradict each other, are refused. Every value not
named is written back exactly as read.</source>
        <translation>コントローラーを読み込み、指定した設定をウィンドウと同じ規則で変え（電流
リミッターは 10 A 刻み、バックキャンセルとロボットモードは同時にオンに
できません）、変更点を表示して書き込み、ベリファイします。NAME はパラメーター
の名前かキー（どちらも tz586kv read で表示）で、例えば deadband、cutoff、
limiter=off。モードには on か off を指定します。同じ名前の二重指定や、
互いに矛盾する値は拒否します。指定しなかった値は読み込んだとおりに
書き戻します。</translation>
    </message>
    <message>
        <source>restore the controller&apos;s default settings and show them</source>
        <translation>コントローラーを初期設定に戻して表示</translation>
    </message>
    <message>
        <source>Makes the controller restore its default settings, as Default Write in the
window does, then reads and prints them. It takes about 22 s: on a
terminal each step shows how long it may wait (&quot;ae: up to 12 s&quot;).</source>
        <translation>ウィンドウの「初期値書込」と同じくコントローラーを初期設定に戻し、
読み込んで表示します。約 22 秒かかります。端末では各段階の最長の待ち時間を
表示します（「ae: 最長 12 秒」）。</translation>
    </message>
    <message>
        <source>fetch the run log</source>
        <translation>走行ログを取得</translation>
    </message>
    <message>
        <source>Fetches the controller&apos;s run log (about 2.4 s; a progress line on a
terminal) and prints a summary: the samples present, the lowest and
highest voltage, the highest current, and when each was.</source>
        <translation>コントローラーの走行ログを取得し（約 2.4 秒。端末では進み具合を表示）、
概要を表示します: 記録のあるサンプル数、最低電圧と最高電圧、最大電流と、
それぞれの時刻。</translation>
    </message>
    <message>
        <source>  -o FILE, -oFILE, --output=FILE
                     also save the log as CSV, as the window does; -o -
                     writes the CSV to standard output instead of the summary
</source>
        <translation>  -o FILE, -oFILE, --output=FILE
                     ログをウィンドウと同じ CSV でも保存。-o - なら
                     概要の代わりに CSV を標準出力へ書き出す
</translation>
    </message>
    <message>
        <source>clear the run log in the controller</source>
        <translation>コントローラーの走行ログを消去</translation>
    </message>
    <message>
        <source>Reads the settings, as the window does first, then clears the run log.</source>
        <translation>ウィンドウと同じくまず設定を読み込み、それから走行ログを消去します。</translation>
    </message>
    <message>
        <source>show the settings that differ</source>
        <translation>異なる設定を表示</translation>
    </message>
    <message>
        <source>Prints the parameters and modes that differ between A and B, each a
setting file or the word controller. Exits 0 when they are the same, 1
when they differ, 2 and above for trouble, as diff and cmp do.</source>
        <translation>A と B（それぞれ設定ファイルか controller という語）で異なるパラメーター
とモードを表示します。diff や cmp と同じく、同じなら 0、異なれば 1、
問題があれば 2 以上で終了します。</translation>
    </message>
    <message>
        <source>the settings kept from reads and writes</source>
        <translation>読み書きのたびに残した設定の履歴</translation>
    </message>
    <message>
        <source>Lists the setting images kept from every read and write of the controller,
newest first, in local time, with the port each came from. ID is the
entry&apos;s name (2026-12-07_14-03-22Z_read; a unique beginning will do);
it never changes. show ID prints the entry; diff lists what changes from
the other side (the entry before it, another entry, a setting file or the
controller) to the entry, exiting as diff does; restore writes it to the
controller as write does (changes, write, verify). Only controller and
restore touch the port.</source>
        <translation>コントローラーを読み書きするたびに残した設定を、新しい順に現地時刻で、
それぞれのポートとともに一覧表示します。ID は項目の名前で、変わることは
ありません（2026-12-07_14-03-22Z_read。ほかと区別できれば先頭だけでも可）。
show ID は項目を表示します。diff は相手（直前の項目、別の項目、設定ファイル
または controller）からその項目への変更点を表示し、diff と同じく終了します。
restore は write と同じく（変更点の表示、書き込み、ベリファイ）項目を
コントローラーに書き込みます。ポートを使うのは controller と restore だけ
です。</translation>
    </message>
    <message>
        <source>  --dry-run, --force with restore, as for write
</source>
        <translation>  --dry-run, --force restore に付けられる（意味は write と同じ）
</translation>
    </message>
    <message>
        <source>find what stops the serial port from working</source>
        <translation>シリアルポートが使えない原因を調べる</translation>
    </message>
    <message>
        <source>Checks what stops a serial port from working on this machine: your groups,
brltty, ModemManager, the adapter, the chosen port, and whether the
controller answers; for a network port, whether its host name resolves,
the connection opens and the controller answers. Each finding is one
line with its fix. Exits 0 only when nothing is wrong.</source>
        <translation>このマシンでシリアルポートが使えない原因を調べます: 所属グループ、brltty、
ModemManager、アダプター、選んだポート、コントローラーの応答。ネットワーク
ポートでは、ホスト名の解決、接続、コントローラーの応答を調べます。見つけた
ことは 1 行ずつ対処法とともに表示します。問題がないときだけ 0 で終了します。</translation>
    </message>
    <message>
        <source>Exit codes:
</source>
        <translation>終了コード:
</translation>
    </message>
    <message>
        <source>Usage: tz586kv COMMAND [OPTIONS]

Reads, writes and checks the settings and the run log of a TZ586KV
controller with the same operations as TZ586KV Link.

Commands:
</source>
        <translation>使い方: tz586kv COMMAND [OPTIONS]

TZ586KV Link と同じ操作で、TZ586KV コントローラーの設定と走行ログを
読み込み、書き込み、確認します。

コマンド:
</translation>
    </message>
    <message>
        <source>
Options of every command:
</source>
        <translation>
全コマンド共通のオプション:
</translation>
    </message>
    <message>
        <source>  --version          the program&apos;s version

</source>
        <translation>  --version          プログラムのバージョン

</translation>
    </message>
    <message>
        <source>
Values that a write does not change are written back exactly as read.

Example:
  tz586kv read --port 1 -o bench.set

tz586kv help COMMAND (or COMMAND --help) tells more about a command.
</source>
        <translation>
書き込みで変わらない値は、読み込んだとおりに書き戻します。

例:
  tz586kv read --port 1 -o bench.set

コマンドの詳細は tz586kv help COMMAND（または COMMAND --help）で表示します。
</translation>
    </message>
    <message>
        <source>Usage: tz586kv %1 [--port P] [--json] [--quiet]

%2

Options:
%3%4
%5
Example:
  %6
</source>
        <translation>使い方: tz586kv %1 [--port P] [--json] [--quiet]

%2

オプション:
%3%4
%5
例:
  %6
</translation>
    </message>
    <message>
        <source>Try &apos;tz586kv --help&apos;.</source>
        <translation>詳しくは &apos;tz586kv --help&apos; を見てください。</translation>
    </message>
    <message>
        <source>Try &apos;tz586kv %1 --help&apos;.</source>
        <translation>詳しくは &apos;tz586kv %1 --help&apos; を見てください。</translation>
    </message>
    <message>
        <source>done (diff: the two sides are the same)</source>
        <translation>完了（diff: 両者が同じ）</translation>
    </message>
    <message>
        <source>usage error, or a value out of range on the command line (diff:
       the two sides differ; trouble there is 2 and above)</source>
        <translation>使い方の誤り、またはコマンドラインの値が範囲外（diff: 両者が異なる。
       diff での問題は 2 以上）</translation>
    </message>
    <message>
        <source>the port cannot be opened, or was lost</source>
        <translation>ポートを開けない、またはポートが失われた</translation>
    </message>
    <message>
        <source>no answer or a broken answer from the controller (&quot;RS232
       communication fault.&quot;, &quot;TZ cannot be set.&quot;, &quot;Setting Data is
       deleted.&quot;, &quot;TZ type is different.&quot;)</source>
        <translation>コントローラーの応答がない、または応答が壊れている（通信エラー、
       設定できない、設定データが消去されている、機種が違う）</translation>
    </message>
    <message>
        <source>the controller refused the data or the verify failed (&quot;Data is
       abnormal!!&quot;: it holds a value out of range that would be
       written back; &quot;Verify was NG.&quot;)</source>
        <translation>コントローラーがデータを拒否した、またはベリファイに失敗した
       （書き戻すことになる範囲外の値をコントローラーが持つ場合も）</translation>
    </message>
    <message>
        <source>a file cannot be read or written, or holds bad data or a value
       out of range</source>
        <translation>ファイルを読み書きできない、またはファイルのデータが不正か範囲外</translation>
    </message>
    <message>
        <source>interrupted (Ctrl-C) before the controller was changed; once
       a write, Default Write or Clear has begun it ends first and
       the exit code is its own (Ctrl-C again ends at once)</source>
        <translation>コントローラーを変更する前に中断された（Ctrl-C）。書き込み、
       初期値書込、消去が始まっていればそれが終わってから終了し、
       終了コードはその結果になる（もう一度 Ctrl-C ですぐ終了）</translation>
    </message>
    <message>
        <source>  --port P           3, Com3 or COM3 (1-256), a device path, demo (the
                     demo controller) or tcp://HOST:PORT (a serial bridge;
                     default: the configured port)
  --json             one JSON document on standard output, also on
                     failure: {&quot;error&quot;: {&quot;kind&quot;, &quot;message&quot;, &quot;exit&quot;}}
  -q, --quiet        print nothing but errors
  --help             this help (or: tz586kv help COMMAND)
</source>
        <translation>  --port P           3、Com3、COM3（1～256）、デバイスのパス、demo（デモ用
                     コントローラー）、tcp://HOST:PORT（シリアルブリッジ）
                     のいずれか（省略時は設定済みのポート）
  --json             標準出力に JSON 文書を 1 つ出力（失敗時も:
                     {&quot;error&quot;: {&quot;kind&quot;, &quot;message&quot;, &quot;exit&quot;}}）
  -q, --quiet        エラー以外は何も表示しない
  --help             このヘルプ（または tz586kv help COMMAND）
</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown command %1</source>
        <translation>不明なコマンド %1</translation>
    </message>
    <message>
        <source>unknown command %1; did you mean &apos;%2&apos;?</source>
        <translation>不明なコマンド %1。&apos;%2&apos; のことですか？</translation>
    </message>
    <message>
        <source>%1 needs a file name, or - for standard output</source>
        <translation>%1 にはファイル名か、標準出力を表す - を指定してください</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 は値をとりません</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 には値が必要です</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>コマンドが指定されていません</translation>
    </message>
    <message>
        <source>%1 does not go with %2</source>
        <translation>%1 は %2 では使えません</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 には %2 が必要です</translation>
    </message>
    <message>
        <source>too many arguments for %1</source>
        <translation>%1 の引数が多すぎます</translation>
    </message>
    <message>
        <source>-o - and --json both write to standard output</source>
        <translation>-o - と --json はどちらも標準出力に書き出すので、同時には使えません</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>permission denied: join group %1</source>
        <translation>権限がありません: グループ %1 に参加してください</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>アダプター</translation>
    </message>
    <message>
        <source>No problems found.
</source>
        <translation>問題は見つかりませんでした。
</translation>
    </message>
    <message>
        <source>problem: %1 Fix: %2
</source>
        <translation>問題: %1 対処: %2
</translation>
    </message>
    <message>
        <source>warning: %1 Fix: %2
</source>
        <translation>警告: %1 対処: %2
</translation>
    </message>
    <message>
        <source>The settings are the same.
</source>
        <translation>設定は同じです。
</translation>
    </message>
</context>
<context>
    <name>DeviceCommands</name>
    <message>
        <source>%1 %2; %3 is not written</source>
        <translation>%1 %2（%3 は保存していません）</translation>
    </message>
    <message>
        <source>  %1: written %2, read back %3</source>
        <translation>  %1: 書き込み %2、読み戻し %3</translation>
    </message>
    <message>
        <source>  the controller holds %1</source>
        <translation>  コントローラーの内容: %1</translation>
    </message>
    <message>
        <source>Written and verified.
</source>
        <translation>書き込みとベリファイが完了しました。
</translation>
    </message>
    <message>
        <source>%1: kept at %2 as the controller holds it (given %3; this program does not write it)</source>
        <translation>%1: コントローラーが持つ %2 のままです（指定は %3。この値はこのプログラムでは書き込みません）</translation>
    </message>
    <message>
        <source>No changes; written all the same (--force).
</source>
        <translation>変更はありませんが、書き込みました（--force）。
</translation>
    </message>
    <message>
        <source>Nothing to write: the controller already holds these values.
</source>
        <translation>書き込む変更はありません: コントローラーはすでにこの値を保持しています。
</translation>
    </message>
    <message>
        <source>Fetching the log: %1%</source>
        <translation>ログを取得中: %1%</translation>
    </message>
    <message>
        <source>The log is cleared.
</source>
        <translation>ログを消去しました。
</translation>
    </message>
</context>
<context>
    <name>DeviceSession</name>
    <message>
        <source>the port was lost: %1 went away (adapter pulled out?); nothing more was sent</source>
        <translation>ポートが失われました: %1 がなくなりました（アダプターが抜けた？）。これ以上は何も送っていません</translation>
    </message>
    <message>
        <source>%1: up to %2 s</source>
        <translation>%1: 最長 %2 秒</translation>
    </message>
    <message>
        <source>interrupted while the controller changes: the change ends first (Ctrl-C again ends at once, leaving the controller&apos;s state unknown)</source>
        <translation>コントローラーの変更中に中断されました: 変更が終わってから終了します（もう一度 Ctrl-C ですぐ終了しますが、コントローラーの状態は不明になります）</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>No settings have been kept yet.
</source>
        <translation>残した設定はまだありません。
</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>機種</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>no history entry %1, or several begin so (&apos;tz586kv history&apos; lists them)</source>
        <translation>履歴項目 %1 がないか、そう始まる項目が複数あります（一覧は &apos;tz586kv history&apos; で表示）</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>%1: %2, %3, port %4

</source>
        <translation>%1: %2、%3、ポート %4

</translation>
    </message>
    <message>
        <source>%1 is the oldest entry: name another side</source>
        <translation>%1 は最も古い項目です: 比べる相手を指定してください</translation>
    </message>
    <message>
        <source>history takes nothing, show ID, diff ID [ID|controller|FILE] or restore ID</source>
        <translation>history の後には何も付けないか、show ID、diff ID [ID|controller|FILE]、restore ID のいずれかを指定してください</translation>
    </message>
    <message>
        <source>an empty ID names no history entry</source>
        <translation>空の ID ではどの履歴項目も指定できません</translation>
    </message>
    <message>
        <source>--dry-run and --force go with history restore only</source>
        <translation>--dry-run と --force は history restore でしか使えません</translation>
    </message>
    <message>
        <source>%1: not the settings of a TZ586KV</source>
        <translation>%1: TZ586KV の設定ではありません</translation>
    </message>
</context>
<context>
    <name>Interrupts</name>
    <message>
        <source>ended in the middle of a change: the controller&apos;s state is unknown; read it (tz586kv read) before going on</source>
        <translation>変更の途中で終了しました: コントローラーの状態は不明です。続ける前に読み込んでください（tz586kv read）</translation>
    </message>
</context>
<context>
    <name>LogSummary</name>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>%1 %2 at %3 s</source>
        <translation>%1 %2（%3 秒）</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>サンプル数</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Lowest voltage</source>
        <translation>最低電圧</translation>
    </message>
    <message>
        <source>Highest voltage</source>
        <translation>最高電圧</translation>
    </message>
    <message>
        <source>Highest current</source>
        <translation>最大電流</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: 書き込めません</translation>
    </message>
</context>
<context>
    <name>PortOpen</name>
    <message>
        <source>%1 does not exist (&apos;tz586kv ports&apos; lists the ports)</source>
        <translation>%1 は存在しません（ポートの一覧は &apos;tz586kv ports&apos; で表示）</translation>
    </message>
    <message>
        <source>permission denied on %1: &apos;tz586kv doctor&apos; tells more</source>
        <translation>%1 へのアクセス権がありません: 詳しくは &apos;tz586kv doctor&apos; で</translation>
    </message>
    <message>
        <source>permission denied on %1: join group %2 and log in again; &apos;tz586kv doctor&apos; tells more</source>
        <translation>%1 へのアクセス権がありません: グループ %2 に参加してログインし直してください。詳しくは &apos;tz586kv doctor&apos; で</translation>
    </message>
    <message>
        <source>%1 is in use by another program, perhaps TZ586KV Link</source>
        <translation>%1 はほかのプログラム（TZ586KV Link かもしれません）が使用中です</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened (&apos;tz586kv doctor&apos; may tell why)</source>
        <translation>%1 を開けません（原因は &apos;tz586kv doctor&apos; でわかるかもしれません）</translation>
    </message>
    <message>
        <source>no port is chosen: pass --port, or choose one with ComPort in TZ586KV Link</source>
        <translation>ポートが選ばれていません: --port で指定するか、TZ586KV Link の「COMポート」で選んでください</translation>
    </message>
</context>
<context>
    <name>SettingInput</name>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: 読み込めません</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: ファイルがありません</translation>
    </message>
    <message>
        <source>%1: cannot be read: is a folder</source>
        <translation>%1: 読み込めません: フォルダーです</translation>
    </message>
    <message>
        <source>%1: cannot be read: is not a regular file</source>
        <translation>%1: 読み込めません: 通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1: not a setting file: it is empty</source>
        <translation>%1: 設定ファイルではありません: 空です</translation>
    </message>
    <message>
        <source>%1: not a setting file: %2</source>
        <translation>%1: 設定ファイルではありません: %2</translation>
    </message>
    <message>
        <source>%1: holds deleted setting data (model code FF)</source>
        <translation>%1: 消去された設定データです（機種コード FF）</translation>
    </message>
    <message>
        <source>%1: is for another controller type (model code %2)</source>
        <translation>%1: 別の機種のコントローラー用です（機種コード %2）</translation>
    </message>
    <message>
        <source>%1: holds characters that are not hexadecimal</source>
        <translation>%1: 16 進数でない文字を含んでいます</translation>
    </message>
    <message>
        <source>%1: cannot be written: is a folder</source>
        <translation>%1: 書き込めません: フォルダーです</translation>
    </message>
    <message>
        <source>%1: cannot be written: may not be replaced (permission denied)</source>
        <translation>%1: 書き込めません: 置き換えられません（アクセス権なし）</translation>
    </message>
    <message>
        <source>%1: cannot be written: the folder %2 does not exist</source>
        <translation>%1: 書き込めません: フォルダー %2 がありません</translation>
    </message>
    <message>
        <source>%1: cannot be written: the folder %2 may not be written (permission denied)</source>
        <translation>%1: 書き込めません: フォルダー %2 に書き込めません（アクセス権なし）</translation>
    </message>
    <message>
        <source>%1: cannot be written</source>
        <translation>%1: 書き込めません</translation>
    </message>
</context>
<context>
    <name>SettingsReport</name>
    <message>
        <source>Model</source>
        <translation>機種</translation>
    </message>
    <message>
        <source>ROM version</source>
        <translation>ROM バージョン</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>パラメーター</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>範囲</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>範囲外</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
</context>
</TS>
