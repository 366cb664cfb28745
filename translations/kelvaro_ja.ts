<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>kelvaro</name>
    <message>
        <source>
Exit status:
  0  done; or the clock ran and ended normally, or another clock already runs
  1  not done: no alarm in progress to snooze or stop, or the change is left to
     &quot;Are you sure ...?&quot; at the clock (&quot;Warn if Changing Settings&quot;), or --status
     with no clock running cannot read the settings
  2  the command line is refused
  3  the settings are locked: the clock answers &quot;locked&quot;
  4  no running clock to ask (every request but --status), or it did not answer
</source>
        <translation>
終了ステータス:
  0  完了。または時計が実行され正常に終了した、または別の時計がすでに動いている
  1  未完了: スヌーズや停止をするアラームが鳴っていない、または変更が時計側の
     「よろしいですか…?」（「設定変更時に警告」）待ち、または --status が
     時計の動いていない状態で設定を読めない
  2  コマンドラインが拒否された
  3  設定がロックされている: 時計は「ロック中」と答える
  4  問い合わせる時計が動いていない（--status 以外のすべての要求）、または応答がない
</translation>
    </message>
    <message>
        <source>    Add MP3 &amp;&amp; Video Music to List   </source>
        <translation>    MP3 &amp;&amp; 動画をリストに追加   </translation>
    </message>
    <message>
        <source>  to arrive at %1</source>
        <translation>  %1 に到着するために</translation>
    </message>
    <message>
        <source> Insert 
%1
 Here Before 
%2? 
</source>
        <translation> 
%1
 を 
%2
 の前に挿入しますか? 
</translation>
    </message>
    <message>
        <source> Move 
%1
 to a new Location? 
</source>
        <translation> 
%1
 を新しい位置へ移動しますか? 
</translation>
    </message>
    <message>
        <source> Note: Alarm Clock is NOT ON!                

Turn Alarm ON       CANCEL</source>
        <translation> 注意: 目覚まし時計がオンになっていません!                

アラームをオン       キャンセル</translation>
    </message>
    <message>
        <source> Note: Alarm NOT Set ON for Today! 

Turn ON Todays Alarm? 
</source>
        <translation> 注意: 今日のアラームがオンになっていません! 

今日のアラームをオンにしますか? 
</translation>
    </message>
    <message>
        <source> Note: Alarm NOT Set ON for Tomorrow! 

Turn ON Tomorrows Alarm? 
</source>
        <translation> 注意: 明日のアラームがオンになっていません! 

明日のアラームをオンにしますか? 
</translation>
    </message>
    <message>
        <source> Note: Resize Taskbar Clock by 

First Place the Mouse over the Taskbar Clock,

Then Press and hold the Left Mouse button and the &apos;Ctrl&apos; key at the same time,

Then drag the Mouse. 
</source>
        <translation> 注意: タスクバー時計のサイズ変更 

まずマウスをタスクバー時計の上に置き、

マウスの左ボタンと &apos;Ctrl&apos; キーを同時に押したまま、

マウスをドラッグします。 
</translation>
    </message>
    <message>
        <source> Note: You are running on BATTERY power!                

                   Continue to Sleep?

                  YES                     NO</source>
        <translation> 注意: バッテリーで動作しています!                

                   このままスリープしますか?

                  はい                     いいえ</translation>
    </message>
    <message>
        <source> Volume Control, The Blue area is the non-alarm volume setting</source>
        <translation> 音量 – 青い部分はアラーム以外の音量です</translation>
    </message>
    <message>
        <source>!!!WARNING!!! 
Your Program may NOT be able to make a Sound to Alert You.</source>
        <translation>!!!警告!!! 
このプログラムはアラーム音を鳴らせない可能性があります。</translation>
    </message>
    <message>
        <source>%1	%2 hr-Time Difference</source>
        <translation>%1	時差 %2 時間</translation>
    </message>
    <message>
        <source>%1

Offered:
%2
Enter or Use Zone
takes it.</source>
        <translation>%1

候補:
%2
Enter または「ゾーンを使用」
で決定します。</translation>
    </message>
    <message>
        <source>%1
Are you sure?</source>
        <translation>%1
よろしいですか?</translation>
    </message>
    <message>
        <source>%1 (unchanged)</source>
        <translation>%1（変更なし）</translation>
    </message>
    <message>
        <source>%1 (unknown zone)</source>
        <translation>%1（不明なタイムゾーン）</translation>
    </message>
    <message>
        <source>%1 = Sunday Alarm Time - %2</source>
        <translation>%1 = 日曜アラーム時刻 – %2</translation>
    </message>
    <message>
        <source>%1 by </source>
        <translation>%1 の時刻: </translation>
    </message>
    <message>
        <source>%1 cannot be read (%2). The city list stays empty and will not be saved over that file.</source>
        <translation>%1 を読み込めません（%2）。都市リストは空のままで、このファイルには上書き保存されません。</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2). The clock runs on its default settings and will not save them over that file.</source>
        <translation>%1 を読み込めません（%2）。時計は既定の設定で動作し、このファイルには上書き保存しません。</translation>
    </message>
    <message>
        <source>%1 is too large to read (%2). The city list stays empty and will not be saved over that file.</source>
        <translation>%1 は大きすぎて読み込めません（%2）。都市リストは空のままで、このファイルには上書き保存されません。</translation>
    </message>
    <message>
        <source>%1 is too large to read (%2). The clock runs on its default settings and will not save them over that file.</source>
        <translation>%1 は大きすぎて読み込めません（%2）。時計は既定の設定で動作し、このファイルには上書き保存しません。</translation>
    </message>
    <message>
        <source>%1 is too large to read (%2). The list stays empty.</source>
        <translation>%1 は大きすぎて読み込めません（%2）。リストは空のままです。</translation>
    </message>
    <message>
        <source>%1%2%3%4%5%6%7</source>
        <translation>%1%2%3%4%5%6%7</translation>
    </message>
    <message>
        <source>%1, %2% lit</source>
        <translation>%1、輝面比 %2%</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
    <message>
        <source>%1:
%2</source>
        <translation>%1:
%2</translation>
    </message>
    <message>
        <source>%1: %2 s, reply in %3 s</source>
        <translation>%1: %2 秒、応答 %3 秒</translation>
    </message>
    <message>
        <source>%1: %2 s, reply in %3 s (too slow to count)</source>
        <translation>%1: %2 秒、応答 %3 秒（遅すぎるため不採用）</translation>
    </message>
    <message>
        <source>%1: alarm at %2</source>
        <translation>%1: %2 のアラーム</translation>
    </message>
    <message>
        <source>%1: no reply</source>
        <translation>%1: 応答なし</translation>
    </message>
    <message>
        <source>&amp;12 / 24 Hour Format</source>
        <translation>12 / 24 時間表示(&amp;1)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>アラーム(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;All Days</source>
        <translation>毎日(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;CD</source>
        <translation>&amp;CD</translation>
    </message>
    <message>
        <source>&amp;Cities</source>
        <translation>都市(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Days Settings</source>
        <translation>曜日(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;E-Mail Kelvaro Support</source>
        <translation>Kelvaro サポートへメール(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Even More Settings</source>
        <translation>その他の設定(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Kelvaro Web Site</source>
        <translation>Kelvaro ウェブサイト(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Lock Settings</source>
        <translation>設定をロック(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>最小化(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;MP3, MPEG Video, Wave</source>
        <translation>&amp;MP3、MPEG 動画、Wave</translation>
    </message>
    <message>
        <source>&amp;Music Settings</source>
        <translation>音楽(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;ON</source>
        <translation>オン(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Restore Settings from Disk</source>
        <translation>設定を復元(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save Settings to Disk</source>
        <translation>設定を保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Set Alarm Time</source>
        <translation>アラーム時刻(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Set Clock using Web Atomic Clock Time</source>
        <translation>ウェブの原子時計で時刻合わせ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Sleep</source>
        <translation>スリープ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Time Settings</source>
        <translation>時刻(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Use PopUp Hints</source>
        <translation>ポップアップヒントを使う(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>ウィンドウ(&amp;W)</translation>
    </message>
    <message>
        <source>&apos;auto&apos; starts the clock; it does not go with a request to it.</source>
        <translation>&apos;auto&apos; は時計を起動します。時計への要求とは併用できません。</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>--alarm takes on or off.</source>
        <translation>--alarm には on か off を指定します。</translation>
    </message>
    <message>
        <source>--dir needs a folder name.</source>
        <translation>--dir にはフォルダー名が必要です。</translation>
    </message>
    <message>
        <source>--dir: &apos;%1&apos; is not a folder.</source>
        <translation>--dir: &apos;%1&apos; はフォルダーではありません。</translation>
    </message>
    <message>
        <source>--set-alarm takes a time HH:MM, 00:00 to 23:59.</source>
        <translation>--set-alarm には時刻 HH:MM（00:00〜23:59）を指定します。</translation>
    </message>
    <message>
        <source>0 Minutes = Always ON until turned off</source>
        <translation>0 分 = 止めるまで鳴り続ける</translation>
    </message>
    <message>
        <source>0 Minutes = No Auto Snooze</source>
        <translation>0 分 = 自動スヌーズなし</translation>
    </message>
    <message>
        <source>^^ Update Cities ^^</source>
        <translation>^^ 都市を更新 ^^</translation>
    </message>
    <message>
        <source>About Kelvaro Clock</source>
        <translation>Kelvaro Clock について</translation>
    </message>
    <message>
        <source>Add / &amp;Change City Time Zone</source>
        <translation>都市のタイムゾーンを追加 / 変更(&amp;C)</translation>
    </message>
    <message>
        <source>Add / Edit Cities &amp;&amp; Time Zones</source>
        <translation>都市 &amp;&amp; タイムゾーンの編集</translation>
    </message>
    <message>
        <source>ADD CD Tracks to Music List</source>
        <translation>CD トラックを音楽リストに追加</translation>
    </message>
    <message>
        <source>Add music to the list</source>
        <translation>音楽をリストに追加</translation>
    </message>
    <message>
        <source>After Alarm sounds - Press ANY key to start Snooze.  Click Stop Alarm Button to END alarm</source>
        <translation>アラームが鳴ったら任意のキーでスヌーズ。「アラーム停止」ボタンで終了</translation>
    </message>
    <message>
        <source>After Alarm sounds press ANY Key to extend the Snooze Time</source>
        <translation>アラームが鳴ったら任意のキーでスヌーズを延長</translation>
    </message>
    <message>
        <source>Alarm %1</source>
        <translation>アラーム %1</translation>
    </message>
    <message>
        <source>Alarm AM / PM</source>
        <translation>アラーム 午前 / 午後</translation>
    </message>
    <message>
        <source>alarm at %1</source>
        <translation>%1 にアラーム</translation>
    </message>
    <message>
        <source>Alarm at %1</source>
        <translation>%1 のアラーム</translation>
    </message>
    <message>
        <source>Alarm clock for travellers</source>
        <translation>旅行者のための目覚まし時計</translation>
    </message>
    <message>
        <source>Alarm Hour</source>
        <translation>アラームの時</translation>
    </message>
    <message>
        <source>Alarm is left off.</source>
        <translation>アラームはオフのままです。</translation>
    </message>
    <message>
        <source>Alarm is NOT awwn!</source>
        <translation>アラームがオンではありません!</translation>
    </message>
    <message>
        <source>Alarm is now set awn.</source>
        <translation>アラームをオンにしました。</translation>
    </message>
    <message>
        <source>Alarm Minute</source>
        <translation>アラームの分</translation>
    </message>
    <message>
        <source>Alarm Music &amp; Mpeg Videos</source>
        <translation>アラーム音楽 &amp; MPEG 動画</translation>
    </message>
    <message>
        <source>Alarm NOT Set awwn for Today! Do you want to Turn awwn Todays Alarm?</source>
        <translation>今日のアラームがオンではありません! 今日のアラームをオンにしますか?</translation>
    </message>
    <message>
        <source>Alarm NOT Set awwn for Tomorrow!</source>
        <translation>明日のアラームがオンではありません!</translation>
    </message>
    <message>
        <source>Alarm off</source>
        <translation>アラーム オフ</translation>
    </message>
    <message>
        <source>alarm off</source>
        <translation>アラームオフ</translation>
    </message>
    <message>
        <source>Alarm on</source>
        <translation>アラーム オン</translation>
    </message>
    <message>
        <source>alarm on</source>
        <translation>アラームオン</translation>
    </message>
    <message>
        <source>Alarm ON / OFF</source>
        <translation>アラーム オン / オフ</translation>
    </message>
    <message>
        <source>Alarm sounding</source>
        <translation>アラームが鳴っています</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>アラーム時刻</translation>
    </message>
    <message>
        <source>ALARM TIME</source>
        <translation>アラーム時刻</translation>
    </message>
    <message>
        <source>Alarm Time - Adjusted for City</source>
        <translation>アラーム時刻 – 都市に合わせて調整</translation>
    </message>
    <message>
        <source>All the Super Alarm minutes together must be fewer than 1440 (one day).  Try again!</source>
        <translation>スーパーアラームの分の合計は 1440（1 日）未満にしてください。  もう一度どうぞ!</translation>
    </message>
    <message>
        <source>Allow Auto Time Update</source>
        <translation>時刻の自動更新を許可</translation>
    </message>
    <message>
        <source>Allow Super Alarm</source>
        <translation>スーパーアラームを許可</translation>
    </message>
    <message>
        <source>always on</source>
        <translation>常にオン</translation>
    </message>
    <message>
        <source>An alarm clock for travellers</source>
        <translation>旅行者のための目覚まし時計</translation>
    </message>
    <message>
        <source>An hour difference in %1 could not be used and is now 0.</source>
        <translation>%1 の時差が使えなかったため 0 にしました。</translation>
    </message>
    <message>
        <source>Are you sure you want to Change This Setting?</source>
        <translation>この設定を変更してもよろしいですか?</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>引数:</translation>
    </message>
    <message>
        <source>asked at the clock</source>
        <translation>時計側で確認中</translation>
    </message>
    <message>
        <source>Asking before the night ends</source>
        <translation>夜が終わる前に確認します</translation>
    </message>
    <message>
        <source>Atomic Clock 12hr Time</source>
        <translation>原子時計 12 時間制</translation>
    </message>
    <message>
        <source>Atomic Clock 24hr Time</source>
        <translation>原子時計 24 時間制</translation>
    </message>
    <message>
        <source>Automatic time synchronization is enabled.</source>
        <translation>時刻の自動同期が有効になっています。</translation>
    </message>
    <message>
        <source>Automatically Runs when Windows Starts</source>
        <translation>ログイン時に自動起動</translation>
    </message>
    <message>
        <source>Battery %1</source>
        <translation>バッテリー %1</translation>
    </message>
    <message>
        <source>Battery ---</source>
        <translation>バッテリー ---</translation>
    </message>
    <message>
        <source>Before Work or Boarding Time </source>
        <translation>始業・搭乗の前 </translation>
    </message>
    <message>
        <source>cannot read the settings: %1</source>
        <translation>設定を読み込めません: %1</translation>
    </message>
    <message>
        <source>CD Music</source>
        <translation>CD の音楽</translation>
    </message>
    <message>
        <source>CD Tracks</source>
        <translation>CD トラック</translation>
    </message>
    <message>
        <source>Change Task Bar Clock Size - Font</source>
        <translation>タスクバー時計のサイズ – フォント</translation>
    </message>
    <message>
        <source>Choose the alarm&apos;s MIDI file</source>
        <translation>アラームの MIDI ファイルを選択</translation>
    </message>
    <message>
        <source>Choose the program to run at the alarm</source>
        <translation>アラーム時に実行するプログラムを選択</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>都市</translation>
    </message>
    <message>
        <source>City</source>
        <translation>都市</translation>
    </message>
    <message>
        <source>City clock %1</source>
        <translation>都市の時計 %1</translation>
    </message>
    <message>
        <source>city: %1
alarm: %2
alarm on: %3
state: %4
next ring: %5</source>
        <translation>都市: %1
アラーム: %2
アラームオン: %3
状態: %4
次に鳴る時刻: %5</translation>
    </message>
    <message>
        <source>Click Below to ADD Web Radio to Music List</source>
        <translation>下をクリックしてウェブラジオを追加</translation>
    </message>
    <message>
        <source>Clock not set: fewer than two time servers answered quickly</source>
        <translation>時刻未設定: すばやく応答したタイムサーバーが 2 台未満です</translation>
    </message>
    <message>
        <source>Clock not set: the time servers did not agree</source>
        <translation>時刻未設定: タイムサーバーの時刻が一致しません</translation>
    </message>
    <message>
        <source>Clock running = blinks every second</source>
        <translation>時計動作中 = 毎秒点滅</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Closing. GoodBy!</source>
        <translation>終了します。さようなら!</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>クレジット</translation>
    </message>
    <message>
        <source>Current City and Time Zone</source>
        <translation>現在の都市とタイムゾーン</translation>
    </message>
    <message>
        <source>Current City and Time Zone
%1</source>
        <translation>現在の都市とタイムゾーン
%1</translation>
    </message>
    <message>
        <source>Current Time</source>
        <translation>現在時刻</translation>
    </message>
    <message>
        <source>Days that Alarm can sound, Current day is underlined</source>
        <translation>アラームが鳴る曜日（今日に下線）</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>デバッグ</translation>
    </message>
    <message>
        <source>Different Music each Super Alarm Time</source>
        <translation>スーパーアラームの段階ごとに別の音楽</translation>
    </message>
    <message>
        <source>Do you want to Allow Computer to Shutdown?

  Allow Shutdown    Stop Shutdown</source>
        <translation>コンピューターのシャットダウンを許可しますか?

  シャットダウンを許可    シャットダウンを中止</translation>
    </message>
    <message>
        <source>Don&apos;t Adjust Volume (mute fix)</source>
        <translation>音量を調整しない（ミュート対策）</translation>
    </message>
    <message>
        <source>Don&apos;t say Hour After Sleep</source>
        <translation>就寝後は時報を読み上げない</translation>
    </message>
    <message>
        <source>Don&apos;t Turn OFF Monitor during Sleep</source>
        <translation>スリープ中にモニターをオフにしない</translation>
    </message>
    <message>
        <source>Dress</source>
        <translation>着替え</translation>
    </message>
    <message>
        <source>Drive to Work or Airport</source>
        <translation>職場か空港へ移動</translation>
    </message>
    <message>
        <source>Eat or Misc.</source>
        <translation>食事・その他</translation>
    </message>
    <message>
        <source>Enable Dual Alarm</source>
        <translation>ダブルアラームを有効にする</translation>
    </message>
    <message>
        <source>Enter a City               |       Enter Hours Difference from your Home City.</source>
        <translation>都市を入力               |       自分の都市との時差を入力。</translation>
    </message>
    <message>
        <source>Enter City </source>
        <translation>都市を入力 </translation>
    </message>
    <message>
        <source>Enter the City,  Ins, Del, and Tab at end will add a new row. </source>
        <translation>都市を入力。Ins、Del、末尾での Tab で行を追加します。 </translation>
    </message>
    <message>
        <source>Enter Time Change</source>
        <translation>時差を入力</translation>
    </message>
    <message>
        <source>Enter Web Radio/TV Descriptions</source>
        <translation>ウェブラジオ/TV の説明を入力</translation>
    </message>
    <message>
        <source>First quarter</source>
        <translation>上弦の月</translation>
    </message>
    <message>
        <source>Flames</source>
        <translation>炎</translation>
    </message>
    <message>
        <source>Follow the desktop</source>
        <translation>デスクトップに従う</translation>
    </message>
    <message>
        <source>For</source>
        <translation>都市</translation>
    </message>
    <message>
        <source>Fr </source>
        <translation>金 </translation>
    </message>
    <message>
        <source>Free software: use it, share it, change it. No warranty.</source>
        <translation>フリーソフトウェア: 使用・共有・改変は自由です。無保証です。</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>金曜日</translation>
    </message>
    <message>
        <source>From Calculate Alarm Time</source>
        <translation>「アラーム時刻の計算」から</translation>
    </message>
    <message>
        <source>Full moon</source>
        <translation>満月</translation>
    </message>
    <message>
        <source>Get Airline Tickets</source>
        <translation>航空券を受け取る</translation>
    </message>
    <message>
        <source>Get Out of Bed</source>
        <translation>起床</translation>
    </message>
    <message>
        <source>Get Time</source>
        <translation>時刻を取得</translation>
    </message>
    <message>
        <source>Get Web Time Sync</source>
        <translation>ウェブ時刻の同期</translation>
    </message>
    <message>
        <source>give one of --status, --snooze, --stop, --alarm and --set-alarm at a time.</source>
        <translation>--status、--snooze、--stop、--alarm、--set-alarm は一度に一つだけ指定します。</translation>
    </message>
    <message>
        <source>Hours Diff</source>
        <translation>時差</translation>
    </message>
    <message>
        <source>Hours of sleep must be fewer than 24.  Try again!</source>
        <translation>睡眠時間は 24 時間未満にしてください。  もう一度どうぞ!</translation>
    </message>
    <message>
        <source>Hours Sleep, so get to bed by</source>
        <translation>時間睡眠、就寝時刻は</translation>
    </message>
    <message>
        <source>How Music is Played</source>
        <translation>音楽の再生方法</translation>
    </message>
    <message>
        <source>Hr</source>
        <translation>時</translation>
    </message>
    <message>
        <source>idle</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>In Order</source>
        <translation>順番に</translation>
    </message>
    <message>
        <source>Infinate</source>
        <translation>無限</translation>
    </message>
    <message>
        <source>Interactive authentication required.</source>
        <translation>対話的な認証が必要です。</translation>
    </message>
    <message>
        <source>It is now %1, Time to %2!</source>
        <translation>現在 %1、%2 の時間です!</translation>
    </message>
    <message>
        <source>It is now %1. %2.</source>
        <translation>現在 %1。%2。</translation>
    </message>
    <message numerus="yes">
        <source>It is now %1. %2. You have %n Minutes before you should %3.</source>
        <translation>
            <numerusform>現在 %1。%2。%3 まであと %n 分です。</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep the settings and lists in FOLDER (made when missing). Default: the program&apos;s own folder when it holds Kelvaro.ini, else ~/.local/share/kelvaro.</source>
        <translation>設定とリストを FOLDER に保存します（なければ作成）。既定: Kelvaro.ini があればプログラムのフォルダー、なければ ~/.local/share/kelvaro。</translation>
    </message>
    <message>
        <source>Keeps the computer awake</source>
        <translation>コンピューターを起動したままにする</translation>
    </message>
    <message>
        <source>Keeps the computer awake for the alarm</source>
        <translation>アラームのためにコンピューターを起動したままにする</translation>
    </message>
    <message>
        <source>Kelvaro City Clock</source>
        <translation>Kelvaro 都市時計</translation>
    </message>
    <message>
        <source>Kelvaro Clock</source>
        <translation>Kelvaro Clock</translation>
    </message>
    <message>
        <source>Kelvaro Clock Settings</source>
        <translation>Kelvaro Clock の設定</translation>
    </message>
    <message>
        <source>Kelvaro Clock: an alarm clock for travellers that shows and rings at the time of the city you choose.</source>
        <translation>Kelvaro Clock: 選んだ都市の時刻を表示し、その時刻に鳴る旅行者向けの目覚まし時計。</translation>
    </message>
    <message>
        <source>Kelvaro Settings do not exist at that location</source>
        <translation>その場所に Kelvaro の設定はありません</translation>
    </message>
    <message>
        <source>Kelvaro Settings Restored.</source>
        <translation>Kelvaro の設定を復元しました。</translation>
    </message>
    <message>
        <source>Kelvaro Settings Saved.</source>
        <translation>Kelvaro の設定を保存しました。</translation>
    </message>
    <message>
        <source>kernel alarm timer</source>
        <translation>カーネルのアラームタイマー</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Last quarter</source>
        <translation>下弦の月</translation>
    </message>
    <message>
        <source>Last Time Synch</source>
        <translation>前回の時刻同期</translation>
    </message>
    <message>
        <source>Leave the Alarm Clock Running Every Day while on the web and it will check and</source>
        <translation>ウェブ接続中に毎日アラーム時計を動かしておくと、</translation>
    </message>
    <message>
        <source>Leave the House </source>
        <translation>家を出る </translation>
    </message>
    <message>
        <source>lit</source>
        <translation>点灯</translation>
    </message>
    <message>
        <source>Local Time:</source>
        <translation>ローカル時刻:</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>ロック</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>ロック中</translation>
    </message>
    <message>
        <source>Made by the Kelvaro Clock developers</source>
        <translation>Kelvaro Clock 開発者による制作</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Maximum &apos;12&apos; hours</source>
        <translation>最大 &apos;12&apos; 時間</translation>
    </message>
    <message>
        <source>Maximum &apos;1439&apos; minutes in all</source>
        <translation>合計最大 &apos;1439&apos; 分</translation>
    </message>
    <message>
        <source>Maximum &apos;23&apos; hours</source>
        <translation>最大 &apos;23&apos; 時間</translation>
    </message>
    <message>
        <source>Maximum &apos;23&apos; hours sleep</source>
        <translation>睡眠は最大 &apos;23&apos; 時間</translation>
    </message>
    <message>
        <source>Maximum &apos;59&apos; minutes</source>
        <translation>最大 &apos;59&apos; 分</translation>
    </message>
    <message>
        <source>Maximum &apos;59&apos; minutes!</source>
        <translation>最大 &apos;59&apos; 分です!</translation>
    </message>
    <message>
        <source>Maximum &apos;9999&apos; Seconds</source>
        <translation>最大 &apos;9999&apos; 秒</translation>
    </message>
    <message>
        <source>Maximum hours in a day are 23.  Try again!</source>
        <translation>1 日の時は最大 23 です。  もう一度どうぞ!</translation>
    </message>
    <message>
        <source>Maximum hours in a day is 23.  Try again!</source>
        <translation>1 日の時は最大 23 です。  再入力してください!</translation>
    </message>
    <message>
        <source>Maximum hours is 12.  Try again!</source>
        <translation>時は最大 12 です。  もう一度どうぞ!</translation>
    </message>
    <message>
        <source>Maximum minutes in an hour are 59.  Try again!</source>
        <translation>分は最大 59 です。  もう一度どうぞ!</translation>
    </message>
    <message>
        <source>Maximum number of minutes in an hour are 59.  Try again!</source>
        <translation>1 時間の分は最大 59 です。  もう一度どうぞ!</translation>
    </message>
    <message>
        <source>Maximum number of Seconds are 9999.  Try again!</source>
        <translation>秒は最大 9999 です。  もう一度どうぞ!</translation>
    </message>
    <message>
        <source>MI&amp;DI</source>
        <translation>MI&amp;DI</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>MIDI Music</source>
        <translation>MIDI の音楽</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>minimize or close.</source>
        <translation>最小化または終了。</translation>
    </message>
    <message>
        <source>minimized.</source>
        <translation>最小化しました。</translation>
    </message>
    <message>
        <source>minutes late</source>
        <translation>分遅れまで</translation>
    </message>
    <message>
        <source>Missed alarm</source>
        <translation>見逃したアラーム</translation>
    </message>
    <message>
        <source>Mo </source>
        <translation>月 </translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Moon phase</source>
        <translation>月の満ち欠け</translation>
    </message>
    <message>
        <source>Moon picture:</source>
        <translation>月の画像:</translation>
    </message>
    <message>
        <source>MP3 and Wave Music</source>
        <translation>MP3 と Wave の音楽</translation>
    </message>
    <message>
        <source>Music Device for Alarm</source>
        <translation>アラームの音源</translation>
    </message>
    <message>
        <source>Music Titles</source>
        <translation>曲名</translation>
    </message>
    <message>
        <source>Must be on the Web To Set Time to the Atomic Clock!</source>
        <translation>原子時計で時刻を合わせるにはウェブへの接続が必要です!</translation>
    </message>
    <message>
        <source>New moon</source>
        <translation>新月</translation>
    </message>
    <message>
        <source>Night screen</source>
        <translation>夜間画面</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>no alarm in progress</source>
        <translation>鳴っているアラームはありません</translation>
    </message>
    <message>
        <source>No alarm is set for the next days: switch the alarm and its days on.</source>
        <translation>この先の日にアラームが設定されていません: アラームと曜日をオンにしてください。</translation>
    </message>
    <message>
        <source>No clock service is available.</source>
        <translation>利用できる時刻サービスがありません。</translation>
    </message>
    <message>
        <source>no running Kelvaro Clock to ask</source>
        <translation>問い合わせる Kelvaro Clock が動いていません</translation>
    </message>
    <message>
        <source>no running Kelvaro Clock to ask (no private folder for its socket)</source>
        <translation>問い合わせる Kelvaro Clock が実行されていません (ソケット用の個人フォルダーがありません)</translation>
    </message>
    <message>
        <source>No sound output was found: start the sound server or connect speakers.</source>
        <translation>音声出力が見つかりません: サウンドサーバーを起動するかスピーカーを接続してください。</translation>
    </message>
    <message>
        <source>No update site (an https:// address) is set</source>
        <translation>更新サイト（https:// のアドレス）が設定されていません</translation>
    </message>
    <message>
        <source>No Zone</source>
        <translation>ゾーンなし</translation>
    </message>
    <message>
        <source>No zone: the typed
hour difference
is used.</source>
        <translation>ゾーンなし: 入力した
時差を
使います。</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Not a valid C D Track. Try Again!</source>
        <translation>有効な CD トラックではありません。もう一度どうぞ!</translation>
    </message>
    <message>
        <source>Not a valid CD Track, Try Again!</source>
        <translation>有効な CD トラックではありません。再試行してください!</translation>
    </message>
    <message>
        <source>Not a valid Program, Try Again!</source>
        <translation>有効なプログラムではありません。再試行してください!</translation>
    </message>
    <message>
        <source>Not a valid Sound File, Try Again!</source>
        <translation>有効なサウンドファイルではありません。再試行してください!</translation>
    </message>
    <message>
        <source>not lit</source>
        <translation>消灯</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>動作していません</translation>
    </message>
    <message>
        <source>Note: You can press Alt-S or Alt-M to hide the Alarm Clock.      

                    Minimize                Close</source>
        <translation>注意: Alt-S または Alt-M で目覚まし時計を隠せます。      

                    最小化                終了</translation>
    </message>
    <message>
        <source>Now Plus Time</source>
        <translation>現在時刻からの時間</translation>
    </message>
    <message>
        <source>Now+</source>
        <translation>今+</translation>
    </message>
    <message>
        <source>OF&amp;F</source>
        <translation>オフ(&amp;F)</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>off after %1 min</source>
        <translation>%1 分後に停止</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>OK, but remember, I warned you.</source>
        <translation>わかりました。でも警告はしましたよ。</translation>
    </message>
    <message>
        <source>On Line = Green</source>
        <translation>オンライン = 緑</translation>
    </message>
    <message>
        <source>Only %1 or %2 accepted as input</source>
        <translation>入力できるのは %1 か %2 だけです</translation>
    </message>
    <message>
        <source>Only A M or P M accepted as input!</source>
        <translation>入力できるのは A M か P M だけです!</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>Pass Customs</source>
        <translation>税関を通る</translation>
    </message>
    <message>
        <source>Permission denied.</source>
        <translation>許可されていません。</translation>
    </message>
    <message>
        <source>Please plug in power before going to sleep.</source>
        <translation>寝る前に電源をつないでください。</translation>
    </message>
    <message>
        <source>Print the chosen city, the alarm time, whether the alarm is on, its state and the next ring (ISO 8601 local time, or &quot;off&quot;), from the running clock or, with none running, from the settings.</source>
        <translation>選択中の都市、アラーム時刻、アラームのオン/オフ、その状態、次に鳴る時刻（ISO 8601 のローカル時刻、または &quot;off&quot;）を、動作中の時計から、動いていなければ設定から表示します。</translation>
    </message>
    <message>
        <source>Program of your Choice</source>
        <translation>任意のプログラム</translation>
    </message>
    <message>
        <source>Program Parameters</source>
        <translation>プログラムの引数</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>プログラム</translation>
    </message>
    <message>
        <source>Reach the alarm volume over</source>
        <translation>アラーム音量に達するまで</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>拒否されました</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>リピート</translation>
    </message>
    <message>
        <source>Restore Settings from Disk</source>
        <translation>設定を復元</translation>
    </message>
    <message>
        <source>Return Car Rental</source>
        <translation>レンタカーを返す</translation>
    </message>
    <message>
        <source>S&amp;undays have seperate Alarm Time</source>
        <translation>日曜日は別のアラーム時刻(&amp;U)</translation>
    </message>
    <message>
        <source>Sa </source>
        <translation>土 </translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Save as Default</source>
        <translation>既定として保存</translation>
    </message>
    <message>
        <source>Save it Anywhere</source>
        <translation>任意の場所</translation>
    </message>
    <message>
        <source>Save Settings to Disk</source>
        <translation>設定を保存</translation>
    </message>
    <message>
        <source>Say Alarm Time</source>
        <translation>アラーム時刻を読み上げる</translation>
    </message>
    <message>
        <source>Say Current Time</source>
        <translation>現在時刻を読み上げる</translation>
    </message>
    <message>
        <source>Say Hour Every Hour</source>
        <translation>毎正時に時刻を読み上げる</translation>
    </message>
    <message>
        <source>seconds (0 = at once)</source>
        <translation>秒（0 = すぐに）</translation>
    </message>
    <message>
        <source>Set &amp;Super Alarm</source>
        <translation>スーパーアラームを設定(&amp;S)</translation>
    </message>
    <message>
        <source>Set Alarm</source>
        <translation>アラームを設定</translation>
    </message>
    <message>
        <source>Set Alarm time then Double Click This to Set Sunday Alarm for this City</source>
        <translation>アラーム時刻を設定してからここをダブルクリックすると、この都市の日曜アラームを設定します</translation>
    </message>
    <message>
        <source>Set Super Alarm</source>
        <translation>スーパーアラームを設定</translation>
    </message>
    <message>
        <source>Set Super Alarm Time</source>
        <translation>スーパーアラーム</translation>
    </message>
    <message>
        <source>Set the running clock&apos;s alarm time (24-hour).</source>
        <translation>動作中の時計のアラーム時刻を設定します（24 時間制）。</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>時刻を設定</translation>
    </message>
    <message>
        <source>Sets the wake-up for the next alarm</source>
        <translation>次のアラームのためにコンピューターの起動を設定します</translation>
    </message>
    <message>
        <source>Setting changed.</source>
        <translation>設定を変更しました。</translation>
    </message>
    <message>
        <source>Setting not changed.</source>
        <translation>設定は変更されていません。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Show City Time in Task Bar Clock</source>
        <translation>タスクバー時計に都市の時刻を表示</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Shower</source>
        <translation>シャワー</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>シャッフル</translation>
    </message>
    <message>
        <source>silenced</source>
        <translation>消音</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>スリープ</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>スヌーズ</translation>
    </message>
    <message>
        <source>Snooze after %1 min</source>
        <translation>%1 分後にスヌーズ</translation>
    </message>
    <message>
        <source>Snooze after (min)</source>
        <translation>スヌーズまで（分）</translation>
    </message>
    <message>
        <source>Snooze Enabled</source>
        <translation>スヌーズを有効にする</translation>
    </message>
    <message>
        <source>Snooze min</source>
        <translation>スヌーズ分</translation>
    </message>
    <message>
        <source>Snooze the running clock&apos;s alarm, as a key does.</source>
        <translation>動作中の時計のアラームを、キーと同じようにスヌーズします。</translation>
    </message>
    <message>
        <source>snoozing</source>
        <translation>スヌーズ中</translation>
    </message>
    <message>
        <source>Snoozing = Blue</source>
        <translation>スヌーズ中 = 青</translation>
    </message>
    <message>
        <source>Snoozing for %1 min</source>
        <translation>%1 分間スヌーズ中</translation>
    </message>
    <message>
        <source>snoozing until %1</source>
        <translation>%1 までスヌーズ</translation>
    </message>
    <message>
        <source>SORT</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Sound a missed alarm when at most</source>
        <translation>見逃したアラームを鳴らすのは最大</translation>
    </message>
    <message>
        <source>sounding</source>
        <translation>鳴動中</translation>
    </message>
    <message>
        <source>Speak During Alarm</source>
        <translation>アラーム中に読み上げる</translation>
    </message>
    <message>
        <source>Start minimised (as the start with the session does).</source>
        <translation>最小化して起動します（セッション開始時と同じ）。</translation>
    </message>
    <message>
        <source>Start Work or Boarding Time </source>
        <translation>始業・搭乗時刻 </translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop Alarm</source>
        <translation>アラーム停止</translation>
    </message>
    <message>
        <source>Stop Alarm Sound until next alarm</source>
        <translation>次のアラームまで音を止める</translation>
    </message>
    <message>
        <source>Stop Hibernate and Stand-by</source>
        <translation>休止状態とスタンバイを防ぐ</translation>
    </message>
    <message>
        <source>Stop the running clock&apos;s alarm, as &quot;Stop Alarm&quot; does.</source>
        <translation>動作中の時計のアラームを「アラーム停止」と同じように止めます。</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>停止しました</translation>
    </message>
    <message>
        <source>Su </source>
        <translation>日 </translation>
    </message>
    <message>
        <source>Su Mo Tu We Th Fr Sa</source>
        <translation>日 月 火 水 木 金 土</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Super Alarm Not Set</source>
        <translation>スーパーアラーム未設定</translation>
    </message>
    <message>
        <source>Super Alarm step %1</source>
        <translation>スーパーアラームの段階 %1</translation>
    </message>
    <message>
        <source>Super Alarm Times</source>
        <translation>スーパーアラームの段階</translation>
    </message>
    <message>
        <source>Switch the running clock&apos;s alarm on or off.</source>
        <translation>動作中の時計のアラームをオン/オフします。</translation>
    </message>
    <message>
        <source>System &amp;Ding</source>
        <translation>システムのチャイム(&amp;D)</translation>
    </message>
    <message>
        <source>System Ding</source>
        <translation>システムのチャイム</translation>
    </message>
    <message>
        <source>system timer</source>
        <translation>システムタイマー</translation>
    </message>
    <message>
        <source>Test Alarm Sound</source>
        <translation>アラーム音をテスト</translation>
    </message>
    <message>
        <source>Test Volume</source>
        <translation>音量テスト</translation>
    </message>
    <message>
        <source>Th </source>
        <translation>木 </translation>
    </message>
    <message>
        <source>The alarm could not play %1, so it sounds %2 this time. Your choice of sound stays as it is.</source>
        <translation>アラームは %1 を再生できなかったため、今回は %2 を鳴らします。音の選択はそのままです。</translation>
    </message>
    <message>
        <source>The alarm due at %1 sounds late: Kelvaro Clock was not running then.</source>
        <translation>%1 のアラームが遅れて鳴ります: その時 Kelvaro Clock が動いていませんでした。</translation>
    </message>
    <message>
        <source>The alarm due at %1 sounds late: the computer was asleep or its clock was set forward.</source>
        <translation>%1 のアラームが遅れて鳴ります: コンピューターがスリープ中だったか、時計が進められました。</translation>
    </message>
    <message>
        <source>The alarm due at %1 was missed and stays silent: it is more than %2 minutes late.</source>
        <translation>%1 のアラームは見逃され、鳴りません: %2 分以上遅れています。</translation>
    </message>
    <message>
        <source>The alarm is on</source>
        <translation>アラームがオンです</translation>
    </message>
    <message>
        <source>The alarm will NOT ring.</source>
        <translation>アラームは鳴りません。</translation>
    </message>
    <message>
        <source>The alarm will ring.</source>
        <translation>アラームは鳴ります。</translation>
    </message>
    <message>
        <source>The battery lasts past the alarm.</source>
        <translation>バッテリーはアラームの時刻まで持ちます。</translation>
    </message>
    <message>
        <source>The battery will run down before the alarm at %1: plug in the power.</source>
        <translation>%1 のアラームの前にバッテリーが切れます: 電源をつないでください。</translation>
    </message>
    <message>
        <source>the CD</source>
        <translation>CD</translation>
    </message>
    <message>
        <source>The CD drive does not answer; the alarm falls back to the ding.</source>
        <translation>CD ドライブが応答しません。アラームはチャイムで代用します。</translation>
    </message>
    <message>
        <source>the chosen sound</source>
        <translation>選んだ音</translation>
    </message>
    <message>
        <source>The clock service did not answer in time.</source>
        <translation>時刻サービスが時間内に応答しませんでした。</translation>
    </message>
    <message>
        <source>The clock speaks the chosen language from its next start.</source>
        <translation>選んだ言語は次回の起動から使われます。</translation>
    </message>
    <message>
        <source>the clock&apos;s socket belongs to another user: nothing was sent</source>
        <translation>時計のソケットは別のユーザーのものです: 何も送信されませんでした</translation>
    </message>
    <message>
        <source>The computer is kept awake for the alarm; do not close the lid, which sends it to sleep anyway.</source>
        <translation>アラームのためにコンピューターは起動したままです。ふたを閉じるとスリープするので閉じないでください。</translation>
    </message>
    <message>
        <source>The computer runs on battery and its time left is unknown: plug in the power.</source>
        <translation>バッテリー駆動中で残り時間が不明です: 電源をつないでください。</translation>
    </message>
    <message>
        <source>The computer runs on mains power.</source>
        <translation>コンピューターは電源に接続されています。</translation>
    </message>
    <message>
        <source>The computer will not wake for the alarm</source>
        <translation>アラームのためにコンピューターは起動しません</translation>
    </message>
    <message>
        <source>The computer will not wake up for the alarm. To let it wake, install the program&apos;s package (its wake helper may set the kernel&apos;s alarm timer), run it where systemd allows wake-up timers, or check &quot;Stop Hibernate and Stand-by&quot; so that the computer stays awake.</source>
        <translation>アラームのためにコンピューターは起動しません。起動させるには、プログラムのパッケージをインストールする（ウェイクヘルパーがカーネルのアラームタイマーを設定できます）、systemd がウェイクタイマーを許す環境で動かす、または「休止状態とスタンバイを防ぐ」をオンにして起動したままにしてください。</translation>
    </message>
    <message>
        <source>The computer will not wake up for the alarm: check &quot;Stop Hibernate and Stand-by&quot;, or install the program&apos;s package so that its wake helper can wake the computer.</source>
        <translation>アラームのためにコンピューターは起動しません:「休止状態とスタンバイを防ぐ」をオンにするか、ウェイクヘルパーが起動できるようプログラムのパッケージをインストールしてください。</translation>
    </message>
    <message>
        <source>the folder option is written --dir.</source>
        <translation>フォルダーのオプションは --dir と書きます。</translation>
    </message>
    <message>
        <source>The media file %1 is missing; the alarm falls back to the ding.</source>
        <translation>メディアファイル %1 がありません。アラームはチャイムで代用します。</translation>
    </message>
    <message>
        <source>the MIDI file</source>
        <translation>MIDI ファイル</translation>
    </message>
    <message>
        <source>The MIDI file %1 is missing; the alarm falls back to the ding.</source>
        <translation>MIDI ファイル %1 がありません。アラームはチャイムで代用します。</translation>
    </message>
    <message>
        <source>the music file</source>
        <translation>音楽ファイル</translation>
    </message>
    <message>
        <source>The program %1 cannot be started: choose another sound source.</source>
        <translation>プログラム %1 を起動できません: 別の音源を選んでください。</translation>
    </message>
    <message>
        <source>the running clock did not answer</source>
        <translation>実行中の時計が応答しませんでした</translation>
    </message>
    <message>
        <source>the running clock&apos;s answer could not be read</source>
        <translation>動作中の時計の応答を読めませんでした</translation>
    </message>
    <message>
        <source>The selected city keeps its typed hour difference</source>
        <translation>選んだ都市は入力した時差のままです</translation>
    </message>
    <message>
        <source>The snooze that ended at %1 sounds late: Kelvaro Clock was not running then.</source>
        <translation>%1 に終わったスヌーズが遅れて鳴ります: その時 Kelvaro Clock が動いていませんでした。</translation>
    </message>
    <message>
        <source>The snooze that ended at %1 sounds late: the computer was asleep or its clock was set forward.</source>
        <translation>%1 に終わったスヌーズが遅れて鳴ります: コンピューターがスリープ中だったか、時計が進められました。</translation>
    </message>
    <message>
        <source>The snooze that ended at %1 was missed and stays silent: it is more than %2 minutes late.</source>
        <translation>%1 に終わったスヌーズは見逃され、鳴りません: %2 分以上遅れています。</translation>
    </message>
    <message>
        <source>The sound output does not answer: restart the sound server.</source>
        <translation>音声出力が応答しません: サウンドサーバーを再起動してください。</translation>
    </message>
    <message>
        <source>The sound output is muted: turn the master volume up.</source>
        <translation>音声出力がミュートです: マスター音量を上げてください。</translation>
    </message>
    <message>
        <source>The sound output is ready.</source>
        <translation>音声出力の準備ができています。</translation>
    </message>
    <message>
        <source>The sound source is ready.</source>
        <translation>音源の準備ができています。</translation>
    </message>
    <message>
        <source>The system clock could not be set.</source>
        <translation>システム時計を設定できませんでした。</translation>
    </message>
    <message>
        <source>The system clock could not be set.
%1</source>
        <translation>システム時計を設定できませんでした。
%1</translation>
    </message>
    <message>
        <source>the system ding</source>
        <translation>システムのチャイム</translation>
    </message>
    <message>
        <source>The time zone of the selected city</source>
        <translation>選んだ都市のタイムゾーン</translation>
    </message>
    <message>
        <source>the web stream</source>
        <translation>ウェブストリーム</translation>
    </message>
    <message>
        <source>The zone in the box becomes the selected city&apos;s</source>
        <translation>ボックスのゾーンを選んだ都市に設定します</translation>
    </message>
    <message>
        <source>There is no disc in the drive; the alarm falls back to the ding.</source>
        <translation>ドライブにディスクがありません。アラームはチャイムで代用します。</translation>
    </message>
    <message>
        <source>This desktop does not let a program keep a small clock above the windows, so the city time is shown in the tray icon&apos;s tip instead (where there is a tray).</source>
        <translation>このデスクトップではウィンドウの上に小さな時計を置けないため、都市の時刻はトレイアイコンのヒントに表示されます (トレイがある場合)。</translation>
    </message>
    <message>
        <source>This desktop has no tray, so the clock has no icon there: minimised, it stays in the taskbar or dock, and starting Kelvaro Clock again brings it back.</source>
        <translation>このデスクトップにはトレイがないため、時計のアイコンは表示されません。最小化するとタスクバーまたはドックに残り、Kelvaro Clock をもう一度起動すると元に戻ります。</translation>
    </message>
    <message>
        <source>This file name holds a line break or a bell character, which the music list cannot keep. Rename the file and try again.</source>
        <translation>このファイル名には改行またはベル文字が含まれていて、音楽リストに保存できません。ファイル名を変更してやり直してください。</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>木曜日</translation>
    </message>
    <message>
        <source>Time Server</source>
        <translation>タイムサーバー</translation>
    </message>
    <message>
        <source>Time zone of the city:</source>
        <translation>都市のタイムゾーン:</translation>
    </message>
    <message>
        <source>To ADD a new row - Press Insert.</source>
        <translation>行を追加 – Insert キー。</translation>
    </message>
    <message>
        <source>To DELETE a row - Press Del on the row you want to delete.</source>
        <translation>行を削除 – 削除する行で Del キー。</translation>
    </message>
    <message>
        <source>Todays Alarm is left off.</source>
        <translation>今日のアラームはオフのままです。</translation>
    </message>
    <message>
        <source>Todays Alarm is now awn.</source>
        <translation>今日のアラームをオンにしました。</translation>
    </message>
    <message>
        <source>tomorrows Alarm is left off.</source>
        <translation>明日のアラームはオフのままです。</translation>
    </message>
    <message>
        <source>tomorrows Alarm is now set awn.</source>
        <translation>明日のアラームをオンにしました。</translation>
    </message>
    <message>
        <source>Try &apos;kelvaro --help&apos; for more information.</source>
        <translation>詳しくは &apos;kelvaro --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>Tu </source>
        <translation>火 </translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>火曜日</translation>
    </message>
    <message>
        <source>Turn Music OFF after (min)</source>
        <translation>音楽を止めるまで（分）</translation>
    </message>
    <message>
        <source>Turn OFF Alarm after Alarm (Alarm Once)</source>
        <translation>鳴った後にアラームをオフ（1 回のみ）</translation>
    </message>
    <message>
        <source>Turn OFF the alarm program</source>
        <translation>アラームプログラムを終了</translation>
    </message>
    <message>
        <source>Type a city to find its time zone, then pick it from the list</source>
        <translation>都市名を入力してタイムゾーンを探し、リストから選びます</translation>
    </message>
    <message>
        <source>Unable to get Web time, try another Time Server</source>
        <translation>ウェブ時刻を取得できません。別のタイムサーバーを試してください</translation>
    </message>
    <message>
        <source>Unable to get Web time. select another Time Server!</source>
        <translation>ウェブ時刻を取得できません。別のタイムサーバーを選んでください!</translation>
    </message>
    <message>
        <source>Unable to save Settins, maybe try another Floppy.</source>
        <translation>設定を保存できませんでした。別のフロッピーを試してみてください。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos; (the only word taken is &apos;auto&apos;).</source>
        <translation>予期しない引数 &apos;%1&apos;（使える語は &apos;auto&apos; だけです）。</translation>
    </message>
    <message>
        <source>unknown request</source>
        <translation>不明な要求</translation>
    </message>
    <message>
        <source>Update Music List</source>
        <translation>音楽リストを更新</translation>
    </message>
    <message>
        <source>update your system clock automatically every day. </source>
        <translation>毎日自動でシステム時計を合わせます。 </translation>
    </message>
    <message>
        <source>Updated = Green</source>
        <translation>更新済み = 緑</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>使い方: </translation>
    </message>
    <message>
        <source>Use Defaults</source>
        <translation>既定を使う</translation>
    </message>
    <message>
        <source>Use Zone</source>
        <translation>ゾーンを使用</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Volume Test = Green</source>
        <translation>音量テスト = 緑</translation>
    </message>
    <message>
        <source>wake helper</source>
        <translation>起動ヘルパー</translation>
    </message>
    <message>
        <source>Wakes the computer for the alarm (%1)</source>
        <translation>アラームのためにコンピューターを起動します（%1）</translation>
    </message>
    <message>
        <source>Wakes the computer: %1</source>
        <translation>コンピューターを起動: %1</translation>
    </message>
    <message>
        <source>WakeUp
Shower
Dress
Eat
Drive</source>
        <translation>起床
シャワー
着替え
食事
移動</translation>
    </message>
    <message>
        <source>Waning crescent</source>
        <translation>有明月</translation>
    </message>
    <message>
        <source>Waning gibbous</source>
        <translation>寝待月</translation>
    </message>
    <message>
        <source>Warn if Battery is below 5%</source>
        <translation>バッテリー残量 5% 未満で警告</translation>
    </message>
    <message>
        <source>Warn if Changing Settings</source>
        <translation>設定変更時に警告</translation>
    </message>
    <message>
        <source>WARNING LOW BATTERY</source>
        <translation>警告: バッテリー残量低下</translation>
    </message>
    <message>
        <source>Waxing crescent</source>
        <translation>三日月</translation>
    </message>
    <message>
        <source>Waxing gibbous</source>
        <translation>十三夜月</translation>
    </message>
    <message>
        <source>We </source>
        <translation>水 </translation>
    </message>
    <message>
        <source>Web Radio Music</source>
        <translation>ウェブラジオの音楽</translation>
    </message>
    <message>
        <source>Web Radio/TV</source>
        <translation>ウェブラジオ/TV</translation>
    </message>
    <message>
        <source>Web Radio/TV Links</source>
        <translation>ウェブラジオ/TV のリンク</translation>
    </message>
    <message>
        <source>Web Time:</source>
        <translation>ウェブ時刻:</translation>
    </message>
    <message>
        <source>WebRadio</source>
        <translation>ウェブラジオ</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>水曜日</translation>
    </message>
    <message>
        <source>Week &amp;Days Only</source>
        <translation>平日のみ(&amp;D)</translation>
    </message>
    <message>
        <source>Week&amp;ends Only</source>
        <translation>週末のみ(&amp;E)</translation>
    </message>
    <message>
        <source>Whole CD</source>
        <translation>CD 全体</translation>
    </message>
    <message>
        <source>Will not wake the computer</source>
        <translation>コンピューターを起動しません</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>You are running on BATTERY power!  The battery may run down while you are sleeping.</source>
        <translation>バッテリーで動作しています!  寝ている間にバッテリーが切れるかもしれません。</translation>
    </message>
    <message>
        <source>You have turned your alarm awwn.  It will play %1 at %2.</source>
        <translation>アラームをオンにしました。  %2 に %1 を鳴らします。</translation>
    </message>
    <message>
        <source>You have turned your alarm off. It will be silent.</source>
        <translation>アラームをオフにしました。鳴りません。</translation>
    </message>
    <message>
        <source>You have turned your alarm on.  It will play %1 at %2.</source>
        <translation>アラームをオンにしました。  %2 に %1 を鳴らします。</translation>
    </message>
    <message>
        <source>You Must be on the Web To Set Time to the Atomic Clock!</source>
        <translation>原子時計で時刻を合わせるにはウェブに接続している必要があります!</translation>
    </message>
    <message>
        <source>~&amp;Run Your Program</source>
        <translation>~任意のプログラムを実行(&amp;R)</translation>
    </message>
</context>
</TS>
