<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the product&apos;s name</extracomment>
        <translation>%1 について</translation>
    </message>
</context>
<context>
    <name>BandClock</name>
    <message>
        <source>This desktop has no system tray, so the task-bar clock shows its places in this window.</source>
        <translation>このデスクトップにはシステムトレイがないため、タスクバー時計はこのウィンドウに場所を表示します。</translation>
    </message>
</context>
<context>
    <name>BandListWindow</name>
    <message>
        <source>zelband list</source>
        <translation>zelband 一覧</translation>
    </message>
</context>
<context>
    <name>ClockButtons</name>
    <message>
        <source>Settings</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>End</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Show as a separate clock</source>
        <translation>独立した時計で表示</translation>
    </message>
    <message>
        <source>Put into the title bar</source>
        <translation>タイトルバーの中に入れる</translation>
    </message>
    <message>
        <source>Stop following the title bar</source>
        <translation>タイトルバーを追わない</translation>
    </message>
    <message>
        <source>Show time differences as a picture</source>
        <translation>時差を絵で表示</translation>
    </message>
    <message>
        <source>Show in the task bar</source>
        <translation>タスクバーに表示</translation>
    </message>
</context>
<context>
    <name>HandOver</name>
    <message>
        <source>%1 could not be started from %2: %3.</source>
        <extracomment>%1 is a program&apos;s file name, %2 a folder, %3 why it failed</extracomment>
        <translation>%2 から %1 を起動できませんでした：%3。</translation>
    </message>
    <message>
        <source>there is no such program there, nor in %1</source>
        <translation>そこにも %1 にもそのプログラムがありません</translation>
    </message>
    <message>
        <source>there is no such program</source>
        <translation>そのプログラムがありません</translation>
    </message>
    <message>
        <source>it is not an executable program</source>
        <translation>実行できるプログラムではありません</translation>
    </message>
    <message>
        <source>the system refused to run it</source>
        <translation>システムが実行を拒否しました</translation>
    </message>
    <message>
        <source>%1 %2 was not started.</source>
        <extracomment>%1 says why the settings could not be saved, %2 is a program&apos;s file name</extracomment>
        <translation>%1 %2 は起動しませんでした。</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>This page cannot be shown: %1.</source>
        <translation>このページは表示できません：%1。</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; cannot be opened: %2.</source>
        <translation>ヘルプファイル「%1」を開けません：%2。</translation>
    </message>
</context>
<context>
    <name>HelpFolder</name>
    <message>
        <source>it is not in the help folder</source>
        <translation>ヘルプのフォルダーにありません</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>%1 MB を超えています</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Cannot show the help contents. No help belongs to this project.</source>
        <translation>ﾍﾙﾌﾟの目次を表示できません。 このﾌﾟﾛｼﾞｪｸﾄに関連付けられたﾍﾙﾌﾟが存在しません。</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Zel&apos;s World Clock Help</source>
        <translation>Zel&apos;s World Clock ヘルプ</translation>
    </message>
    <message>
        <source>Zel&apos;s World Clock Help - %1</source>
        <extracomment>%1 is the title of the page shown</extracomment>
        <translation>Zel&apos;s World Clock ヘルプ - %1</translation>
    </message>
</context>
<context>
    <name>HostSystem</name>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
</context>
<context>
    <name>IniFileBackend</name>
    <message>
        <source>its folder cannot be written to</source>
        <translation>フォルダーに書き込めません</translation>
    </message>
    <message>
        <source>no lock file could be created beside it; the disk may be full</source>
        <translation>ロックファイルを作成できません（ディスクがいっぱいかもしれません）</translation>
    </message>
    <message>
        <source>%1 (process %2) has kept it locked for more than %3 seconds</source>
        <extracomment>%1 is a program&apos;s name, %2 its process number, %3 a number of seconds</extracomment>
        <translation>%1（プロセス %2）が %3 秒を超えてロックしたままです</translation>
    </message>
    <message>
        <source>a folder is in the place of its lock file %1</source>
        <extracomment>%1 is the lock file</extracomment>
        <translation>ロックファイル %1 の場所にフォルダーがあります</translation>
    </message>
    <message>
        <source>something other than a file is in the place of its lock file %1</source>
        <translation>ロックファイル %1 の場所にファイル以外のものがあります</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <extracomment>%1 is a number of megabytes</extracomment>
        <translation>%1 MB を超えています</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>別のプログラム</translation>
    </message>
    <message>
        <source>a folder is in its place</source>
        <translation>同じ名前のフォルダーがあります</translation>
    </message>
    <message>
        <source>the file is write-protected</source>
        <translation>ファイルが書き込み禁止です</translation>
    </message>
    <message>
        <source>no new file could be created beside it (%1)</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>新しいファイルを作成できません（%1）</translation>
    </message>
    <message>
        <source>the new file could not be given the old one&apos;s permissions (%1)</source>
        <translation>新しいファイルに元のファイルのアクセス権を設定できません（%1）</translation>
    </message>
    <message>
        <source>the new settings could not be written (%1)</source>
        <extracomment>%1 is the system&apos;s reason, such as a full disk</extracomment>
        <translation>新しい設定を書き込めません（%1）</translation>
    </message>
    <message>
        <source>the new file could not take the old one&apos;s place (%1)</source>
        <translation>新しいファイルで元のファイルを置き換えられません（%1）</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <extracomment>%1 is a folder</extracomment>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>the file is there but cannot be read (%1); it is left as it is</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>ファイルはありますが読み込めません（%1）。ファイルには手を付けていません</translation>
    </message>
</context>
<context>
    <name>ListClock</name>
    <message>
        <source>Meeting: %1</source>
        <extracomment>The title of a saved calendar event; %1 the places, separated by commas</extracomment>
        <translation>打ち合わせ: %1</translation>
    </message>
    <message>
        <source>Green line: every place shown is in its working hours on a working day</source>
        <extracomment>The tool tip&apos;s second line on a strip cell marked by the green line at its foot</extracomment>
        <translation>緑の線: 表示中のすべての場所が勤務日の勤務時間内</translation>
    </message>
</context>
<context>
    <name>ListWindow</name>
    <message>
        <source>No such time there that day: summer time skips it</source>
        <translation>その日その地にはない時刻です（夏時間で飛ばされます）</translation>
    </message>
    <message>
        <source>Type a time such as 9, 9:30 or 21:05</source>
        <translation>9、9:30、21:05 のように時刻を入力してください</translation>
    </message>
    <message>
        <source>Switch the strips&apos; colouring</source>
        <translation>帯の色分けを切り替える</translation>
    </message>
    <message>
        <source>Copy the times</source>
        <translation>時刻をコピー</translation>
    </message>
    <message>
        <source>Save as calendar event…</source>
        <translation>カレンダーの予定として保存…</translation>
    </message>
    <message>
        <source>Common working hours…</source>
        <translation>共通の勤務時間…</translation>
    </message>
    <message>
        <source>Working hours of %1…</source>
        <translation>%1 の勤務時間…</translation>
    </message>
    <message>
        <source>No hour within a week from now when every place is at work</source>
        <translation>今から1週間以内に、すべての場所が勤務時間内になる時刻はありません</translation>
    </message>
    <message>
        <source>No hour within a week back when every place was at work</source>
        <translation>1週間前までに、すべての場所が勤務時間内だった時刻はありません</translation>
    </message>
    <message>
        <source>Common working hours</source>
        <translation>共通の勤務時間</translation>
    </message>
    <message>
        <source>Working hours of %1</source>
        <translation>%1 の勤務時間</translation>
    </message>
    <message>
        <source>Hours of its own</source>
        <translation>独自の勤務時間</translation>
    </message>
    <message>
        <source>From</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Until (00:00: midnight)</source>
        <translation>終了（00:00 は午前0時）</translation>
    </message>
    <message>
        <source>Save as calendar event</source>
        <translation>カレンダーの予定として保存</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>カレンダーファイル (*.ics)</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 を保存できませんでした: %2</translation>
    </message>
    <message>
        <source>Show while…</source>
        <translation>表示するウィンドウ…</translation>
    </message>
    <message>
        <source>Show %1 while</source>
        <translation>%1 を表示するウィンドウ</translation>
    </message>
    <message>
        <source>While the window in front has this word in its title or class name, the panel and title-bar clocks show %1. Empty: never.</source>
        <translation>前面のウィンドウのタイトルかクラス名にこの語があるあいだ、パネルとタイトルバーの時計は %1 を表示します。空欄なら表示しません。</translation>
    </message>
</context>
<context>
    <name>HourCycle</name>
    <message>
        <source>12-hour clock</source>
        <translation>12時間表示</translation>
    </message>
</context>
<context>
    <name>LoginStart</name>
    <message>
        <source>Start at login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Could not change %1: %2.</source>
        <extracomment>%1 is the login entry&apos;s file, %2 why it could not be changed</extracomment>
        <translation>%1 を変更できませんでした: %2。</translation>
    </message>
    <message>
        <source>it is too large for a login entry</source>
        <translation>ログイン時の起動の設定としては大きすぎます</translation>
    </message>
    <message>
        <source>it cannot be read (%1), so it is left as it is</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>読み込めないため（%1）、そのままにしてあります</translation>
    </message>
    <message>
        <source>it could not be removed</source>
        <translation>削除できませんでした</translation>
    </message>
    <message>
        <source>the folder %1 has a name that a login entry cannot hold</source>
        <extracomment>%1 is the folder of the programs</extracomment>
        <translation>フォルダー %1 の名前はログイン時の起動の設定に書けません</translation>
    </message>
    <message>
        <source>its folder could not be created</source>
        <translation>フォルダーを作成できませんでした</translation>
    </message>
    <message>
        <source>this system has no login entries</source>
        <translation>このシステムにはログイン時の起動の設定がありません</translation>
    </message>
</context>
<context>
    <name>LookedAtInstant</name>
    <message>
        <source>%1 d </source>
        <extracomment>a number of days ahead or back, before the hours and minutes</extracomment>
        <translation>%1日 </translation>
    </message>
</context>
<context>
    <name>MomentText</name>
    <message>
        <source>ddd d MMM yyyy</source>
        <extracomment>The date of a copied moment, as a QDate format: weekday, day, month, year</extracomment>
        <translation>yyyy年M月d日(ddd)</translation>
    </message>
    <message>
        <source>%1  %2 %3 (%4)</source>
        <extracomment>One place of a copied moment: %1 name, %2 date, %3 time, %4 offset from UTC</extracomment>
        <translation>%1  %2 %3 (%4)</translation>
    </message>
</context>
<context>
    <name>PanelClock</name>
    <message>
        <source>This desktop does not show other programs&apos; windows to the panel (Wayland without X), so it cannot follow their title bars.</source>
        <translation>このデスクトップ（X のない Wayland）では他のプログラムのウィンドウが見えないため、タイトルバーを追えません。</translation>
    </message>
    <message>
        <source>Change to &quot;Stop following the title bar&quot;</source>
        <translation>「タイトルバーを追わない」に変更</translation>
    </message>
    <message>
        <source>Change to &quot;Follow the title bar&quot;</source>
        <translation>「タイトルバーを追う」に変更</translation>
    </message>
</context>
<context>
    <name>PlaceTime</name>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
</context>
<context>
    <name>ProductIdentity</name>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>%1.%2.%3 are the major, minor and revision numbers</extracomment>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Visit the home page</source>
        <translation>ホームページを見てね</translation>
    </message>
</context>
<context>
    <name>RegistryBackend</name>
    <message>
        <source>the registry refused the change</source>
        <translation>レジストリが変更を拒否しました</translation>
    </message>
    <message>
        <source>the registry key could not be written</source>
        <translation>レジストリキーに書き込めません</translation>
    </message>
</context>
<context>
    <name>SettingsModel</name>
    <message>
        <source>Tytle Bar</source>
        <translation>Tytle Bar</translation>
    </message>
    <message>
        <source>%1 Sec.</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>%1 Sec.</translation>
    </message>
    <message>
        <source>Tytle bar</source>
        <translation>Tytle bar</translation>
    </message>
    <message>
        <source>Independence</source>
        <translation>Independence</translation>
    </message>
    <message>
        <source>List</source>
        <translation>List</translation>
    </message>
    <message>
        <source>Task bar</source>
        <translation>Task bar</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Find a place</source>
        <translation>地名で探す</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>見つかった地名</translation>
    </message>
    <message>
        <source>Your name for the place</source>
        <translation>この場所の呼び名</translation>
    </message>
    <message>
        <source>Summer time adjustment (light blue: not known whether summer time is kept)</source>
        <translation>夏時間の調整（水色＝サマータイム制有無不明）</translation>
    </message>
    <message>
        <source>Summer time follows the time zone of the place</source>
        <translation>夏時間はその地域のタイムゾーンに従う</translation>
    </message>
    <message>
        <source>UTC=universal time coordinated (=GMT)</source>
        <translation>UTC=universal time coordinated (=GMT)</translation>
    </message>
    <message>
        <source>Zel&apos;s World Clock</source>
        <translation>Zel&apos;s World Clock</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>Click to change how long each place is shown</source>
        <translation>クリックすると表示切り替えの間隔が変わる</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Click to change the kind of clock</source>
        <translation>クリックすると時計の種類が変わる</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>Country Name</source>
        <translation>Country Name</translation>
    </message>
    <message>
        <source>National capital</source>
        <translation>National capital</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Currency</translation>
    </message>
    <message>
        <source>Exchange Rate</source>
        <translation>Exchange Rate</translation>
    </message>
    <message>
        <source>(UTC)</source>
        <translation>(UTC)</translation>
    </message>
    <message>
        <source>(Local)</source>
        <translation>(Local)</translation>
    </message>
    <message>
        <source>O K</source>
        <translation>O K</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Time zone map</source>
        <translation>時差地図</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>国旗</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>スロット%1：%2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空き</translation>
    </message>
</context>
<context>
    <name>StoreError</name>
    <message>
        <source>The settings could not be saved in %1: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be written</extracomment>
        <translation>設定を %1 に保存できませんでした：%2。</translation>
    </message>
</context>
</TS>
