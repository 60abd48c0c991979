<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AppContext</name>
    <message>
        <source>ComPort cannot be opened.</source>
        <translation>COMポートを開けません。</translation>
    </message>
    <message>
        <source>CommPort was initialized.</source>
        <translation>COMポートを初期化しました。</translation>
    </message>
    <message>
        <source>Demo controller connected.</source>
        <translation>デモコントローラーに接続しました。</translation>
    </message>
    <message>
        <source>ComPort cannot be opened. %1.</source>
        <translation>COMポートを開けません。%1。</translation>
    </message>
</context>
<context>
    <name>BatteryControls</name>
    <message>
        <source>Chemistry</source>
        <translation>電池の種類</translation>
    </message>
    <message>
        <source>The pack&apos;s chemistry: the cells follow from the log at rest</source>
        <translation>電池パックの種類: セル数は静止時のログから求めます</translation>
    </message>
    <message>
        <source>Cells in series</source>
        <translation>直列セル数</translation>
    </message>
</context>
<context>
    <name>BatteryFigures</name>
    <message>
        <source>R %1</source>
        <translation>内部抵抗 %1</translation>
    </message>
    <message>
        <source>%1 per cell</source>
        <translation>1セルあたり %1</translation>
    </message>
    <message>
        <source>min %1 mean %2 max %3V/cell</source>
        <translation>最小 %1 平均 %2 最大 %3V/セル</translation>
    </message>
    <message>
        <source>%1V/cell</source>
        <translation>%1V/セル</translation>
    </message>
    <message>
        <source>rest %1V</source>
        <translation>静止電圧 %1V</translation>
    </message>
    <message>
        <source>Compared: %1</source>
        <translation>比較: %1</translation>
    </message>
    <message>
        <source>vs %1V %2A</source>
        <translation>比較 %1V %2A</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>ALL files(*.*)</source>
        <translation>すべてのファイル(*.*)</translation>
    </message>
    <message>
        <source>TZ setting data (*.set)</source>
        <translation>TZ設定データ (*.set)</translation>
    </message>
    <message>
        <source>TZ Log data (*.csv)</source>
        <translation>TZログデータ (*.csv)</translation>
    </message>
    <message>
        <source>The file already exists. <byte value="xd"/>
Do you overwrite?</source>
        <translation>ファイルは既にあります。<byte value="xd"/>
上書きしますか？</translation>
    </message>
    <message>
        <source>The file cannot be saved.</source>
        <translation>ファイルを保存できません。</translation>
    </message>
    <message>
        <source>Trouble is found in data.</source>
        <translation>データに問題があります。</translation>
    </message>
    <message>
        <source>The setting image cannot be read</source>
        <translation>設定データを読み取れません</translation>
    </message>
    <message>
        <source>Character %1: expected a hexadecimal digit</source>
        <translation>%1文字目: 16進数の数字ではありません</translation>
    </message>
    <message>
        <source>File not found. Create it?</source>
        <translation>ファイルが見つかりません。作成しますか？</translation>
    </message>
    <message>
        <source>The file cannot be read</source>
        <translation>ファイルを読み込めません</translation>
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
        <source>There is no preserved data.</source>
        <translation>保存するデータがありません。</translation>
    </message>
</context>
<context>
    <name>DemoMenu</name>
    <message>
        <source>&amp;Demo</source>
        <translation>デモ(&amp;D)</translation>
    </message>
</context>
<context>
    <name>HelpBoxes</name>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Qt</source>
        <translation>Qt</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>ライセンス</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>設定ファイル</translation>
    </message>
    <message>
        <source>History folder</source>
        <translation>履歴フォルダー</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>No licence stated by the authors yet; Qt under the GNU LGPL v3</source>
        <translation>作者によるライセンス表記はまだありません。Qt は GNU LGPL v3 です</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>No licence stated by the authors yet; Qt under the GNU LGPL v3: licenses\LGPL-3.0.txt, its source: licenses\qt-source.txt</source>
        <translation>作者によるライセンス表記はまだありません。Qt は GNU LGPL v3 です: licenses\LGPL-3.0.txt、ソースの入手先: licenses\qt-source.txt</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>Setting Data History</source>
        <translation>設定データの履歴</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>履歴の値</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>画面の値</translation>
    </message>
    <message>
        <source>Factory default</source>
        <translation>工場出荷時</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>画面に読み込む</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>名前を付けて保存...</translation>
    </message>
    <message>
        <source>Compare with file...</source>
        <translation>ファイルと比較...</translation>
    </message>
    <message>
        <source>Compare with window</source>
        <translation>画面と比較</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>model %1, ROM %2</source>
        <translation>機種 %1、ROM %2</translation>
    </message>
    <message>
        <source>Seen again %1</source>
        <translation>%1 に再び確認</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>コントローラー</translation>
    </message>
    <message>
        <source>Values that differ</source>
        <translation>異なる値</translation>
    </message>
    <message>
        <source>Values that differ from %1</source>
        <translation>%1 と異なる値</translation>
    </message>
    <message>
        <source>Differs</source>
        <translation>異なります</translation>
    </message>
</context>
<context>
    <name>LogActions</name>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Save Picture...</source>
        <translation>画像を保存...</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>画像をコピー</translation>
    </message>
    <message>
        <source>Picture at Twice the Size</source>
        <translation>画像を2倍の大きさで</translation>
    </message>
    <message>
        <source>The file already exists. <byte value="xd"/>
Do you overwrite?</source>
        <translation>ファイルは既にあります。<byte value="xd"/>
上書きしますか？</translation>
    </message>
    <message>
        <source>The file cannot be saved.</source>
        <translation>ファイルを保存できません。</translation>
    </message>
    <message>
        <source>Voltage at Rest</source>
        <translation>静止電圧</translation>
    </message>
    <message>
        <source>Add Marker...</source>
        <translation>マーカーを追加...</translation>
    </message>
    <message>
        <source>Remove Markers</source>
        <translation>マーカーを削除</translation>
    </message>
    <message>
        <source>Remove Comparison</source>
        <translation>比較を解除</translation>
    </message>
    <message>
        <source>A short text for the marker at %1 s:</source>
        <translation>%1 s のマーカーに付ける短いテキスト:</translation>
    </message>
    <message>
        <source>The markers cannot be saved.</source>
        <translation>マーカーを保存できません。</translation>
    </message>
    <message>
        <source>%1, port %2</source>
        <translation>%1、ポート %2</translation>
    </message>
    <message>
        <source>This program saves no SVG pictures here: choose PNG or PDF.</source>
        <translation>この環境では SVG で保存できません。PNG か PDF を選んでください。</translation>
    </message>
</context>
<context>
    <name>LogChooser</name>
    <message>
        <source>Compare with a Log</source>
        <translation>ログと比較</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>From File...</source>
        <translation>ファイルから...</translation>
    </message>
    <message>
        <source>%1, port %2</source>
        <translation>%1、ポート %2</translation>
    </message>
    <message>
        <source>TZ Log data (*.csv)</source>
        <translation>TZログデータ (*.csv)</translation>
    </message>
    <message>
        <source>ALL files(*.*)</source>
        <translation>すべてのファイル(*.*)</translation>
    </message>
</context>
<context>
    <name>LogPicture</name>
    <message>
        <source>Voltage at rest</source>
        <translation>静止電圧</translation>
    </message>
</context>
<context>
    <name>LogWindow</name>
    <message>
        <source>Log Data</source>
        <translation>ログデータ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Current(A)</source>
        <translation>電流(A)</translation>
    </message>
    <message>
        <source>Voltage(V)</source>
        <translation>電圧(V)</translation>
    </message>
    <message>
        <source>Scale Line</source>
        <translation>目盛線</translation>
    </message>
    <message>
        <source>Time(s)</source>
        <translation>時間(s)</translation>
    </message>
    <message>
        <source>Trouble is found in data.</source>
        <translation>データに問題があります。</translation>
    </message>
</context>
<context>
    <name>MainController</name>
    <message>
        <source>The port was lost and has been closed; ComPort connects it again.</source>
        <translation>ポートが失われたので閉じました。「COMポート」で再び接続できます。</translation>
    </message>
    <message>
        <source>Completion</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Please set it correctly.</source>
        <translation>正しく設定してください。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Read</source>
        <translation>読込</translation>
    </message>
    <message>
        <source>Setting Data Read</source>
        <translation>設定データ読込</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>書込</translation>
    </message>
    <message>
        <source>Setting Data Write</source>
        <translation>設定データ書込</translation>
    </message>
    <message>
        <source>Default Write</source>
        <translation>初期値書込</translation>
    </message>
    <message>
        <source>Default Data Write</source>
        <translation>初期値データ書込</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>取得</translation>
    </message>
    <message>
        <source>Log Data Get</source>
        <translation>ログデータ取得</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>消去</translation>
    </message>
    <message>
        <source>Log Data Clear</source>
        <translation>ログデータ消去</translation>
    </message>
    <message>
        <source>Setting Data</source>
        <translation>設定データ</translation>
    </message>
    <message>
        <source>Log Data</source>
        <translation>ログデータ</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>通信</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>%1 - Demo controller</source>
        <translation>%1 - デモコントローラー</translation>
    </message>
</context>
<context>
    <name>ParameterBoxes</name>
    <message>
        <source>controller holds %1</source>
        <translation>コントローラーの値: %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>TZ Type</source>
        <translation>TZ機種</translation>
    </message>
    <message>
        <source>ROM Version</source>
        <translation>ROMバージョン</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG画像 (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>SVG画像 (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF文書 (*.pdf)</translation>
    </message>
    <message>
        <source>ALL files(*.*)</source>
        <translation>すべてのファイル(*.*)</translation>
    </message>
</context>
<context>
    <name>PortDialog</name>
    <message>
        <source>Not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>Demo controller</source>
        <translation>デモコントローラー</translation>
    </message>
    <message>
        <source>ComPort Setting</source>
        <translation>COMポート設定</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ComPort is selected, and TZ is connected.</source>
        <translation>COMポートを選び、TZを接続してください。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Diagnose...</source>
        <translation>診断...</translation>
    </message>
    <message>
        <source>A controller inside the program, for trying it without one</source>
        <translation>プログラム内の模擬コントローラー。実機なしで試せます</translation>
    </message>
    <message>
        <source>%1: permission denied. Add yourself to the dialout group (uucp on some systems) and log in again.</source>
        <translation>%1: アクセスが拒否されました。dialout グループ（システムによっては uucp）に自分を追加し、ログインし直してください。</translation>
    </message>
    <message>
        <source>%1: in use by another program.</source>
        <translation>%1: 他のプログラムが使用中です。</translation>
    </message>
    <message>
        <source>%1
Fix: %2</source>
        <translation>%1
対処: %2</translation>
    </message>
    <message>
        <source>No problems found with %1; the controller answers.</source>
        <translation>%1 に問題はありません。コントローラーが応答しています。</translation>
    </message>
    <message>
        <source>%1: no answer within a second.</source>
        <translation>%1: 1 秒以内に応答がありません。</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Up</source>
        <translation>増やす</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>減らす</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Setting Data </source>
        <translation>設定データ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Log Data</source>
        <translation>ログデータ(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;ComPort</source>
        <translation>COMポート(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システムに合わせる</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Command-line program</source>
        <translation>コマンドライン版</translation>
    </message>
    <message>
        <source>&amp;Compare...</source>
        <translation>比較(&amp;C)...</translation>
    </message>
</context>
<context>
    <name>WindowProgram</name>
    <message>
        <source>This application is already opened!!</source>
        <translation>このアプリケーションは既に起動しています！！</translation>
    </message>
</context>
</TS>
