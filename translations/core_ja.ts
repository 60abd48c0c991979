<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>BatteryResistance</name>
    <message>
        <source>not enough load change</source>
        <translation>負荷変化が足りません</translation>
    </message>
    <message>
        <source>%1 mΩ (%2–%3)</source>
        <translation>%1 mΩ（%2～%3）</translation>
    </message>
</context>
<context>
    <name>CellCounting</name>
    <message>
        <source>%1S %2, %3 V at rest</source>
        <translation>%1S %2、静止電圧 %3 V</translation>
    </message>
    <message>
        <source>%1 V at rest fits %2 cells: say how many</source>
        <translation>静止電圧 %1 V は %2 セルのどれにも当てはまります。セル数を指定してください</translation>
    </message>
    <message>
        <source>%1 V at rest fits no %2 pack: say how many cells</source>
        <translation>静止電圧 %1 V に合う %2 パックがありません。セル数を指定してください</translation>
    </message>
    <message>
        <source>The log has no seconds at rest: say how many cells</source>
        <translation>ログに静止している区間がありません。セル数を指定してください</translation>
    </message>
</context>
<context>
    <name>ChangeEngine</name>
    <message>
        <source>Byte %1</source>
        <translation>バイト %1</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>%1 (%2 rounded)</source>
        <translation>%1（%2 を丸めました）</translation>
    </message>
    <message>
        <source>%1 (bytes %2 -&gt; %3)</source>
        <translation>%1（バイト %2 → %3）</translation>
    </message>
    <message>
        <source>%1 (cannot be written)</source>
        <translation>%1（書き込めません）</translation>
    </message>
</context>
<context>
    <name>DemoLine</name>
    <message>
        <source>Answer properly</source>
        <translation>正常に応答</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>応答なし</translation>
    </message>
    <message>
        <source>Reply cut short</source>
        <translation>応答が途切れる</translation>
    </message>
    <message>
        <source>Non-hex data</source>
        <translation>16 進数でないデータ</translation>
    </message>
    <message>
        <source>Verify fails</source>
        <translation>ベリファイ失敗</translation>
    </message>
    <message>
        <source>Setting data deleted</source>
        <translation>設定データ消去</translation>
    </message>
    <message>
        <source>Another model</source>
        <translation>別の機種</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>ケーブル抜け</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>No port is chosen.</source>
        <translation>ポートが選ばれていません。</translation>
    </message>
    <message>
        <source>Choose the controller&apos;s port: ComPort in the window, or --port on the command line.</source>
        <translation>コントローラーのポートを選んでください（ウィンドウでは ComPort、コマンドラインでは --port）。</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 がありません。</translation>
    </message>
    <message>
        <source>Plug in the adapter, or choose the port it appears as (tz586kv ports lists them).</source>
        <translation>アダプターを接続するか、アダプターが現れるポートを選んでください（tz586kv ports で一覧できます）。</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 はほかのプログラムが使用中です。</translation>
    </message>
    <message>
        <source>%1 exists but does not open as a serial port.</source>
        <translation>%1 はありますが、シリアルポートとして開けません。</translation>
    </message>
    <message>
        <source>The host name of %1 is unknown.</source>
        <translation>%1 のホスト名が見つかりません。</translation>
    </message>
    <message>
        <source>Check the name under [Ports] or --port, or give the bridge&apos;s IP address.</source>
        <translation>[Ports] または --port の名前を確認するか、ブリッジの IP アドレスを指定してください。</translation>
    </message>
    <message>
        <source>%1 refuses the connection.</source>
        <translation>%1 が接続を拒否しています。</translation>
    </message>
    <message>
        <source>Check that the serial bridge (ser2net or the like) runs and serves this port in raw mode, and that nothing else is connected to it.</source>
        <translation>シリアルブリッジ（ser2net など）が動いていてこのポートを raw モードで提供していること、ほかに接続しているものがないことを確認してください。</translation>
    </message>
    <message>
        <source>%1 cannot be reached: no route, or no answer within 3 s.</source>
        <translation>%1 に到達できません（経路がないか、3 秒以内に応答がありません）。</translation>
    </message>
    <message>
        <source>Check that the bridge&apos;s machine is on and on this network, and that no firewall stands between.</source>
        <translation>ブリッジのマシンが起動していてこのネットワークにあること、間にファイアウォールがないことを確認してください。</translation>
    </message>
    <message>
        <source>%1 is open to root only.</source>
        <translation>%1 は root しか開けません。</translation>
    </message>
    <message>
        <source>A udev rule must give it to a group you are in; the package&apos;s 60-tz586kv-link.rules does so for the common USB-serial adapters.</source>
        <translation>udev ルールで、あなたが属するグループに割り当てる必要があります。一般的な USB シリアルアダプターには、パッケージの 60-tz586kv-link.rules が割り当てます。</translation>
    </message>
    <message>
        <source>%1 refuses you although you are in its group %2.</source>
        <translation>グループ %2 に属しているのに %1 を開けません。</translation>
    </message>
    <message>
        <source>Its mode keeps the group out (ls -l %1); plug the adapter in again so that udev sets it anew.</source>
        <translation>パーミッションがグループを許可していません（ls -l %1）。udev が設定し直すよう、アダプターを挿し直してください。</translation>
    </message>
    <message>
        <source>You were added to group %1, but this login is older than that.</source>
        <translation>グループ %1 に追加されましたが、今のログインはそれより前のものです。</translation>
    </message>
    <message>
        <source>Log out and in again (or run newgrp %1 in this shell).</source>
        <translation>ログアウトしてログインし直してください（またはこのシェルで newgrp %1 を実行）。</translation>
    </message>
    <message>
        <source>You (%1) are not in group %2, which owns %3.</source>
        <translation>あなた（%1）は %3 を所有するグループ %2 に属していません。</translation>
    </message>
    <message>
        <source>Run sudo usermod -aG %1 %2, then log out and in again.</source>
        <translation>sudo usermod -aG %1 %2 を実行してから、ログアウトしてログインし直してください。</translation>
    </message>
    <message>
        <source>Without a braille display: sudo apt-get remove brltty.</source>
        <translation>点字ディスプレイを使わないなら、sudo apt-get remove brltty を実行してください。</translation>
    </message>
    <message>
        <source>brltty is running; it seizes CH340 and CP210x adapters.</source>
        <translation>brltty が動いています。CH340 や CP210x のアダプターを占有します。</translation>
    </message>
    <message>
        <source>brltty is installed; it seizes CH340 and CP210x adapters when they are plugged in.</source>
        <translation>brltty がインストールされています。CH340 や CP210x のアダプターを挿すと占有します。</translation>
    </message>
    <message>
        <source>ModemManager is running; it probes new USB-serial adapters and may hold them for a while.</source>
        <translation>ModemManager が動いています。新しい USB シリアルアダプターを調べ、しばらく占有することがあります。</translation>
    </message>
    <message>
        <source>Without a modem: sudo systemctl disable --now ModemManager.</source>
        <translation>モデムを使わないなら、sudo systemctl disable --now ModemManager を実行してください。</translation>
    </message>
    <message>
        <source>%1 opens but the controller does not answer &quot;sr&quot;.</source>
        <translation>%1 は開けますが、コントローラーが「sr」に応答しません。</translation>
    </message>
    <message>
        <source>Check the cable, that the controller is powered, and that this is its port.</source>
        <translation>ケーブル、コントローラーの電源、このポートで合っているかを確認してください。</translation>
    </message>
    <message>
        <source>The controller was not asked for its settings: no port is chosen.</source>
        <translation>コントローラーに設定を問い合わせていません。ポートが選ばれていません。</translation>
    </message>
    <message>
        <source>The controller was not asked for its settings: %1 did not open.</source>
        <translation>コントローラーに設定を問い合わせていません。%1 を開けませんでした。</translation>
    </message>
    <message>
        <source>Once the port opens, diagnose again.</source>
        <translation>ポートが開けるようになったら、もう一度診断してください。</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
    <message>
        <source>Name the port by its number (3 or Com3), a device path, demo or tcp://HOST:PORT, on --port or under [Ports].</source>
        <translation>--port または [Ports] で、ポートを番号（3 または Com3）、デバイスのパス、demo、tcp://HOST:PORT のいずれかで指定してください。</translation>
    </message>
    <message>
        <source>%1 has no driver (code 28).</source>
        <translation>%1 のドライバーがありません（コード 28）。</translation>
    </message>
    <message>
        <source>Install the driver of its chip&apos;s maker (FTDI, Prolific, Silicon Labs or WCH), or let Windows Update find one; then plug the adapter in again.</source>
        <translation>チップのメーカー（FTDI、Prolific、Silicon Labs、WCH）のドライバーをインストールするか、Windows Update で探させてください。そのあとアダプターを挿し直してください。</translation>
    </message>
    <message>
        <source>%1 cannot start (code 10).</source>
        <translation>%1 を開始できません（コード 10）。</translation>
    </message>
    <message>
        <source>Plug it into another USB socket; should that not help, uninstall it in the Device Manager together with its driver and install its chip maker&apos;s driver anew.</source>
        <translation>別の USB ポートに挿してください。それでも直らないときは、デバイス マネージャーでドライバーごとアンインストールし、チップのメーカーのドライバーをインストールし直してください。</translation>
    </message>
    <message>
        <source>Windows stopped %1 because it reported problems (code 43).</source>
        <translation>%1 が問題を報告したため、Windows が停止しました（コード 43）。</translation>
    </message>
    <message>
        <source>Plug it into another USB socket, without a hub. Should it stay, the adapter is broken or its chip is a copy that the maker&apos;s driver refuses: use an adapter with a genuine chip.</source>
        <translation>ハブを使わずに、別の USB ポートに挿してください。それでも直らないときは、アダプターの故障か、メーカーのドライバーが受け付けないコピー品のチップです。正規のチップを載せたアダプターを使ってください。</translation>
    </message>
    <message>
        <source>%1 does not work (Device Manager code %2).</source>
        <translation>%1 が動作していません（デバイス マネージャーのコード %2）。</translation>
    </message>
    <message>
        <source>Its properties in the Device Manager say why; uninstalling it there and plugging it in again often helps.</source>
        <translation>理由はデバイス マネージャーのプロパティで分かります。そこでアンインストールしてから挿し直すと、たいてい直ります。</translation>
    </message>
    <message>
        <source>%1 reports product ID 0000: FTDI&apos;s driver has disabled its chip as a counterfeit FT232R.</source>
        <translation>%1 のプロダクト ID が 0000 です。FTDI のドライバーが、偽造の FT232R とみなしてチップを無効にしました。</translation>
    </message>
    <message>
        <source>Use an adapter with a genuine FTDI chip. FT_PROG can set the product ID back to 6001, but FTDI&apos;s drivers refuse the chip again.</source>
        <translation>正規の FTDI チップを載せたアダプターを使ってください。FT_PROG でプロダクト ID を 6001 に戻せますが、FTDI のドライバーはまたそのチップを受け付けなくなります。</translation>
    </message>
    <message>
        <source>%1 is a Prolific PL2303 that its driver refuses (code 10): drivers since 2012 serve this older chip no longer (&quot;PHASED OUT SINCE 2012&quot;).</source>
        <translation>%1 はドライバーが受け付けない Prolific PL2303 です（コード 10）。2012 年以降のドライバーはこの古いチップに対応していません（「PHASED OUT SINCE 2012」）。</translation>
    </message>
    <message>
        <source>Install Prolific&apos;s older driver 3.3.2.102, choose it in the Device Manager (Update driver, Browse my computer, Let me pick) and keep Windows Update from replacing it; or use an adapter with a current chip.</source>
        <translation>Prolific の古いドライバー 3.3.2.102 をインストールしてデバイス マネージャーで選び（ドライバーの更新、コンピューターを参照、一覧から選択）、Windows Update に置き換えられないようにしてください。または、現行のチップを載せたアダプターを使ってください。</translation>
    </message>
    <message>
        <source>%1 holds what it receives for %2 ms before passing it on (its latency timer), which slows every exchange.</source>
        <translation>%1 は受信したデータを %2 ms ためてから渡すため（レイテンシタイマー）、すべてのやり取りが遅くなります。</translation>
    </message>
    <message>
        <source>In the Device Manager, open the port&apos;s Properties, Port Settings, Advanced, and set Latency Timer to 16 ms or less.</source>
        <translation>デバイス マネージャーでポートのプロパティを開き、［ポートの設定］の［詳細設定］で Latency Timer（待ち時間）を 16 ms 以下にしてください。</translation>
    </message>
    <message>
        <source>%1, driver %2</source>
        <translation>%1、ドライバー %2</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <source>read</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>before write</source>
        <translation>書き込み前</translation>
    </message>
    <message>
        <source>written</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>ベリファイ済み</translation>
    </message>
    <message>
        <source>before default</source>
        <translation>初期値書き込み前</translation>
    </message>
    <message>
        <source>default write</source>
        <translation>初期値書き込み</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the kinds of one entry</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>The settings history cannot be written to %1.</source>
        <translation>設定の履歴を %1 に書き込めません。</translation>
    </message>
</context>
<context>
    <name>HostTexts</name>
    <message>
        <source>No USB-serial adapter is plugged in (no /dev/ttyUSB* or /dev/ttyACM*).</source>
        <translation>USB シリアルアダプターが接続されていません（/dev/ttyUSB* も /dev/ttyACM* もありません）。</translation>
    </message>
    <message>
        <source>Plug it in; if it still does not appear, dmesg tells whether the kernel saw it.</source>
        <translation>接続してください。それでも現れないときは、カーネルが認識したかを dmesg で確認できます。</translation>
    </message>
    <message>
        <source>Close the program that holds it (fuser -v %1 names it); TZ586KV Link and tz586kv cannot use one port at once.</source>
        <translation>使用中のプログラムを終了してください（fuser -v %1 で分かります）。TZ586KV Link と tz586kv は同じポートを同時に使えません。</translation>
    </message>
    <message>
        <source>Check that it is the adapter&apos;s device; dmesg tells what the kernel made of it.</source>
        <translation>アダプターのデバイスか確認してください。カーネルがどう認識したかは dmesg で分かります。</translation>
    </message>
    <message>
        <source>No USB-serial adapter is plugged in (Windows lists no COM port).</source>
        <translation>USB シリアルアダプターが接続されていません（Windows に COM ポートがありません）。</translation>
    </message>
    <message>
        <source>Plug it in; if it still does not appear, the Device Manager shows whether Windows has a driver for it.</source>
        <translation>接続してください。それでも現れないときは、ドライバーがあるかをデバイス マネージャーで確認してください。</translation>
    </message>
    <message>
        <source>Close the program that holds it; TZ586KV Link and tz586kv cannot use one port at once.</source>
        <translation>使用中のプログラムを終了してください。TZ586KV Link と tz586kv は同じポートを同時に使えません。</translation>
    </message>
    <message>
        <source>Check that it is the adapter&apos;s port; the Device Manager tells what Windows made of it.</source>
        <translation>アダプターのポートか確認してください。Windows がどう認識したかはデバイス マネージャーで分かります。</translation>
    </message>
</context>
<context>
    <name>LogFile</name>
    <message>
        <source>Line %1: expected the sample number %2 first</source>
        <translation>%1 行目: 先頭にサンプル番号 %2 が必要です</translation>
    </message>
    <message>
        <source>Line %1: expected no more than %2 samples</source>
        <translation>%1 行目: サンプルは %2 個までです</translation>
    </message>
    <message>
        <source>Line %1: expected no more than three fields</source>
        <translation>%1 行目: 項目は 3 つまでです</translation>
    </message>
    <message>
        <source>Line %1: expected a voltage or nothing in the second field</source>
        <translation>%1 行目: 2 番目の項目は電圧か空欄にしてください</translation>
    </message>
    <message>
        <source>Line %1: expected a current or nothing in the third field</source>
        <translation>%1 行目: 3 番目の項目は電流か空欄にしてください</translation>
    </message>
    <message>
        <source>Line %1: expected a sample, not an empty line</source>
        <translation>%1 行目: 空行ではなくサンプルが必要です</translation>
    </message>
    <message>
        <source>Line %1: expected %2</source>
        <translation>%1 行目: %2 が必要です</translation>
    </message>
    <message>
        <source>Line %1: expected the first sample</source>
        <translation>%1 行目: 最初のサンプルが必要です</translation>
    </message>
    <message>
        <source>A folder, not a file</source>
        <translation>ファイルではなくフォルダーです</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>Larger than a log file can be (1 MiB)</source>
        <translation>ログファイルとしては大きすぎます（上限 1 MiB）</translation>
    </message>
</context>
<context>
    <name>LogHistory</name>
    <message>
        <source>The log history cannot be written to %1.</source>
        <translation>ログの履歴を %1 に書き込めません。</translation>
    </message>
</context>
<context>
    <name>LogStatistics</name>
    <message>
        <source>%1-%2s %3s</source>
        <translation>%1～%2秒 %3秒間</translation>
    </message>
    <message>
        <source>min %1 mean %2 max %3V</source>
        <translation>最小 %1 平均 %2 最大 %3V</translation>
    </message>
    <message>
        <source>mean %1 max %2A</source>
        <translation>平均 %1 最大 %2A</translation>
    </message>
    <message>
        <source>%1mAh %2Wh</source>
        <translation>%1mAh %2Wh</translation>
    </message>
    <message>
        <source>missing %1V %2A</source>
        <translation>欠測 V:%1 A:%2</translation>
    </message>
</context>
<context>
    <name>Mode</name>
    <message>
        <source>Virgin Bit</source>
        <translation>バージンビット</translation>
    </message>
    <message>
        <source>Reverse Mode</source>
        <translation>バックモード</translation>
    </message>
    <message>
        <source>Reverse Cancel</source>
        <translation>バックキャンセル</translation>
    </message>
    <message>
        <source>T Limit Cut</source>
        <translation>Tリミットカット</translation>
    </message>
    <message>
        <source>Robot Mode</source>
        <translation>ロボットモード</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>Setting Data is deleted.</source>
        <translation>設定データが消去されています。</translation>
    </message>
    <message>
        <source>TZ type is different.</source>
        <translation>TZ の機種が違います。</translation>
    </message>
    <message>
        <source>RS232 communication fault.</source>
        <translation>RS232 通信エラー。</translation>
    </message>
    <message>
        <source>TZ cannot be set.</source>
        <translation>TZ を設定できません。</translation>
    </message>
    <message>
        <source>Data is abnormal!!</source>
        <translation>データが異常です！！</translation>
    </message>
    <message>
        <source>Verify was NG.</source>
        <translation>ベリファイが NG でした。</translation>
    </message>
    <message>
        <source>The controller held other settings than the last read; the history could not keep them.</source>
        <translation>コントローラーは前回の読み込みと違う設定を保持していました。履歴には保存できませんでした。</translation>
    </message>
    <message>
        <source>The controller held other settings than the last read; the history keeps them as %1.</source>
        <translation>コントローラーは前回の読み込みと違う設定を保持していました。履歴に %1 として保存しました。</translation>
    </message>
</context>
<context>
    <name>Parameter</name>
    <message>
        <source>PWM frequency(at Min. load)</source>
        <translation>PWM周波数(最小負荷時)</translation>
    </message>
    <message>
        <source>PWM frequency(at Max. load)</source>
        <translation>PWM周波数(最大負荷時)</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>ニュートラル</translation>
    </message>
    <message>
        <source>High point(forward)</source>
        <translation>ハイポイント(前進)</translation>
    </message>
    <message>
        <source>High point(brake)</source>
        <translation>ハイポイント(ブレーキ)</translation>
    </message>
    <message>
        <source>Dead Band</source>
        <translation>デッドバンド</translation>
    </message>
    <message>
        <source>Low Batt. Protection</source>
        <translation>ローバッテリー保護</translation>
    </message>
    <message>
        <source>Current Limiter</source>
        <translation>電流リミッター</translation>
    </message>
    <message>
        <source>Brake Max. Duty</source>
        <translation>ブレーキ最大デューティ</translation>
    </message>
    <message>
        <source>Reverse Max Duty</source>
        <translation>バック最大デューティ</translation>
    </message>
    <message>
        <source>Neutral Brake</source>
        <translation>ニュートラルブレーキ</translation>
    </message>
    <message>
        <source>Current Limit Timer</source>
        <translation>電流制限タイマー</translation>
    </message>
    <message>
        <source>Current Limiter(Time Limit)</source>
        <translation>電流リミッター(時間制限)</translation>
    </message>
    <message>
        <source>Forward Boost</source>
        <translation>前進ブースト</translation>
    </message>
    <message>
        <source>Reverse Mode Shift Level</source>
        <translation>バック切替レベル</translation>
    </message>
</context>
<context>
    <name>PortName</name>
    <message>
        <source>%1 is outside the port numbers %2-%3</source>
        <translation>%1 はポート番号 %2～%3 の範囲外です</translation>
    </message>
    <message>
        <source>the port name is empty</source>
        <translation>ポート名が空です</translation>
    </message>
    <message>
        <source>%1 names no port: give a port number %2-%3 (3, Com3 or COM3), a device path, demo or tcp://HOST:PORT</source>
        <translation>%1 はポートを表していません。ポート番号 %2～%3（3、Com3、COM3）、デバイスのパス、demo、tcp://HOST:PORT のいずれかを指定してください</translation>
    </message>
    <message>
        <source>%1 under [%2]: %3</source>
        <translation>[%2] の %1: %3</translation>
    </message>
    <message>
        <source>%1 is not of the form tcp://HOST:PORT</source>
        <translation>%1 は tcp://HOST:PORT の形式ではありません</translation>
    </message>
    <message>
        <source>%1: an IPv6 address goes in brackets (tcp://[::1]:PORT)</source>
        <translation>%1: IPv6 アドレスは角かっこで囲んでください（tcp://[::1]:PORT）</translation>
    </message>
    <message>
        <source>%1 has no host %2</source>
        <translation>%1 にホストがありません %2</translation>
    </message>
    <message>
        <source>%1 has no port %2</source>
        <translation>%1 にポートがありません %2</translation>
    </message>
    <message>
        <source>%1: %2 is no host name or address</source>
        <translation>%1: %2 はホスト名でもアドレスでもありません</translation>
    </message>
    <message>
        <source>%1: port %2 is not a number</source>
        <translation>%1: ポート %2 は数値ではありません</translation>
    </message>
    <message>
        <source>%1: port %2 is outside 1-%3</source>
        <translation>%1: ポート %2 は 1～%3 の範囲外です</translation>
    </message>
    <message>
        <source>%1 has no device here: name one under [%2] (%1=DEVICE)</source>
        <translation>このシステムには %1 に当たるデバイスがありません。[%2] で指定してください（%1=DEVICE）</translation>
    </message>
</context>
<context>
    <name>PortReport</name>
    <message>
        <source>opens</source>
        <translation>開けます</translation>
    </message>
    <message>
        <source>absent</source>
        <translation>ありません</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>権限がありません</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>使用中</translation>
    </message>
    <message>
        <source>fails</source>
        <translation>開けません</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>応答なし</translation>
    </message>
</context>
<context>
    <name>Range</name>
    <message>
        <source>%1 ~ %2</source>
        <translation>%1～%2</translation>
    </message>
</context>
<context>
    <name>SettingFile</name>
    <message>
        <source>Character %1: expected a hexadecimal digit</source>
        <translation>%1 文字目: 16 進数の数字が必要です</translation>
    </message>
    <message>
        <source>%1 characters: a setting file holds the 64 hexadecimal characters of the image, then at most one line end</source>
        <translation>%1 文字: 設定ファイルには設定データの 16 進数 64 文字と、改行 1 つまでしか入りません</translation>
    </message>
</context>
<context>
    <name>ShownValue</name>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
</context>
<context>
    <name>TcpLine</name>
    <message>
        <source>no host and port to connect to</source>
        <translation>接続先のホストとポートがありません</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 s</source>
        <translation>%1 が %2 秒以内に応答しませんでした</translation>
    </message>
    <message>
        <source>the host name %1 is unknown</source>
        <translation>ホスト名 %1 が見つかりません</translation>
    </message>
    <message>
        <source>%1 refused the connection</source>
        <translation>%1 が接続を拒否しました</translation>
    </message>
</context>
<context>
    <name>ValueProblem</name>
    <message>
        <source>%1: nothing is outside %2</source>
        <translation>%1: 値がありません（範囲 %2）</translation>
    </message>
    <message>
        <source>%1: %2 is not a number</source>
        <translation>%1: %2 は数値ではありません</translation>
    </message>
    <message>
        <source>%1: %2 has a comma; type the decimal point as &quot;.&quot;</source>
        <translation>%1: %2 にカンマがあります。小数点は「.」で入力してください</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3</source>
        <translation>%1: %2 は %3 の範囲外です</translation>
    </message>
</context>
</TS>
