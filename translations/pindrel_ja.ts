<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Puzzle board</source>
        <translation>パズル盤</translation>
    </message>
    <message>
        <source>Solution picture</source>
        <translation>完成図</translation>
    </message>
    <message>
        <source>Darkened picture</source>
        <translation>暗くした画像</translation>
    </message>
    <message>
        <source>Moves taken</source>
        <translation>手数</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>経過時間</translation>
    </message>
    <message>
        <source>Game message</source>
        <translation>ゲームメッセージ</translation>
    </message>
    <message>
        <source>Game message shadow</source>
        <translation>ゲームメッセージの影</translation>
    </message>
    <message>
        <source>New record</source>
        <translation>新記録</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Tool strip</source>
        <translation>ツールストリップ</translation>
    </message>
    <message>
        <source>Web pane</source>
        <translation>Web ペイン</translation>
    </message>
    <message>
        <source>Picture area</source>
        <translation>画像エリア</translation>
    </message>
    <message>
        <source>Board pane</source>
        <translation>盤面エリア</translation>
    </message>
    <message>
        <source>Keyboard cursor and hint</source>
        <translation>キーボードカーソルとヒント</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>その他のツール</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>その他のメニュー</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A picture puzzle: a picture or a video cut into tiles to put back in order.</source>
        <translation>絵合わせパズル: 画像や動画をタイルに切り分け、元の並びに戻して遊びます。</translation>
    </message>
    <message>
        <source>A picture or video to open (a path or a file: URL), or the http or https address of a picture to download.</source>
        <translation>開く画像または動画 (パス、または file: URL)、もしくはダウンロードする画像の http / https アドレス。</translation>
    </message>
    <message>
        <source>[FILE-OR-ADDRESS]</source>
        <translation>[ファイルまたはアドレス]</translation>
    </message>
    <message>
        <source>Resume the game kept when Pindrel last ended.</source>
        <translation>前回 Pindrel を終了したときに保存されたゲームを再開します。</translation>
    </message>
</context>
<context>
    <name>DecodeError</name>
    <message>
        <source>%1 is not a picture that can be opened</source>
        <translation>%1 は開ける画像ではありません</translation>
    </message>
    <message>
        <source>BMP %1 is far too short for its size %2x%3</source>
        <translation>BMP %1 はサイズ %2x%3 に対してデータが短すぎます</translation>
    </message>
    <message>
        <source>out of memory for BMP %1</source>
        <translation>BMP %1 を読み込むためのメモリが足りません</translation>
    </message>
    <message>
        <source>cannot decode BMP %1: %2</source>
        <translation>BMP %1 をデコードできません: %2</translation>
    </message>
    <message>
        <source>BMP %1 decoded to an unexpected size</source>
        <translation>BMP %1 のデコード結果のサイズが想定と違います</translation>
    </message>
    <message>
        <source>out of memory for the picture</source>
        <translation>画像を読み込むためのメモリが足りません</translation>
    </message>
    <message>
        <source>cannot decode JPEG: %1</source>
        <translation>JPEG をデコードできません: %1</translation>
    </message>
    <message>
        <source>%1 is too large for a JPEG picture</source>
        <translation>%1 は JPEG 画像としては大きすぎます</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>cannot decode %1 picture %2: %3</source>
        <translation>%1 画像 %2 をデコードできません: %3</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 は通常のファイルではありません</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>picture size %1x%2 is outside the allowed limits</source>
        <translation>画像サイズ %1x%2 は許容範囲外です</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Unexpected failure.</source>
        <translation>予期しないエラーが発生しました。</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>Resume &amp;Last Game</source>
        <comment>Game menu</comment>
        <extracomment>Brings back the game in progress when the game last ended or another picture was opened</extracomment>
        <translation>前回のゲームを再開(&amp;G)</translation>
    </message>
    <message>
        <source>No game is kept.</source>
        <translation>保存されたゲームはありません。</translation>
    </message>
    <message>
        <source>The kept game could not be read: it was damaged, or written by another version of Pindrel. It has been set aside as %1.</source>
        <extracomment>%1 is a file name</extracomment>
        <translation>保存されたゲームを読み込めませんでした。破損しているか、別のバージョンの Pindrel で書き込まれています。%1 として退避しました。</translation>
    </message>
    <message>
        <source>The picture of the kept game is gone or has changed:
%1</source>
        <translation>保存されたゲームの画像が見つからないか、変更されています:
%1</translation>
    </message>
    <message>
        <source>The picture of the kept game could not be opened:
%1</source>
        <translation>保存されたゲームの画像を開けませんでした:
%1</translation>
    </message>
    <message>
        <source>Resume Last Game</source>
        <extracomment>Title of a message box; the same command as the Game menu&apos;s Resume Last Game</extracomment>
        <translation>前回のゲームを再開</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Keys</source>
        <extracomment>Title of the dialog listing every key the game answers</extracomment>
        <translation>キー一覧</translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>Column headings of the Keys table: a key, and what it does</extracomment>
        <translation>キー</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <extracomment>Key column of the Keys table: the four arrow keys</extracomment>
        <translation>矢印キー</translation>
    </message>
    <message>
        <source>Move the keyboard cursor</source>
        <translation>キーボードカーソルを移動</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <extracomment>Key column of the Keys table: the space bar and the Enter key</extracomment>
        <translation>Space, Enter</translation>
    </message>
    <message>
        <source>Press the tile under the cursor (the first press shows it)</source>
        <translation>カーソル位置のタイルを押す (最初の一押しでカーソルを表示)</translation>
    </message>
    <message>
        <source>Ctrl+Arrow keys</source>
        <extracomment>Key column of the Keys table: Ctrl held with an arrow key</extracomment>
        <translation>Ctrl+矢印キー</translation>
    </message>
    <message>
        <source>Move Blocks: slide the tile on that side of the gap into it</source>
        <extracomment>&quot;Move Blocks&quot; is the kind of game, as in the options</extracomment>
        <translation>スライド: 空きマスのその側にあるタイルを空きマスへ動かす</translation>
    </message>
    <message>
        <source>Esc</source>
        <extracomment>Key column of the Keys table: the Escape key</extracomment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>全画面表示を終了</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <comment>Help menu</comment>
        <extracomment>Opens the table of every key the game answers</extracomment>
        <translation>キー一覧(&amp;K)...</translation>
    </message>
</context>
<context>
    <name>OpenFilters</name>
    <message>
        <source>Supported File Types (*.jpg; *.jpeg; *.avi) (*.jpg *.jpeg *.avi)</source>
        <extracomment>The patterns in brackets stay as they are: the second brackets are what the dialog matches</extracomment>
        <translation>対応するファイル形式 (*.jpg; *.jpeg; *.avi) (*.jpg *.jpeg *.avi)</translation>
    </message>
    <message>
        <source>JPEG Images (*.jpg; *.jpeg) (*.jpg *.jpeg)</source>
        <translation>JPEG 画像 (*.jpg; *.jpeg) (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>AVI videos (*.avi) (*.avi)</source>
        <translation>AVI 動画 (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>All pictures and videos</source>
        <translation>すべての画像と動画</translation>
    </message>
    <message>
        <source>Other pictures</source>
        <translation>その他の画像</translation>
    </message>
    <message>
        <source>Other videos</source>
        <translation>その他の動画</translation>
    </message>
</context>
<context>
    <name>PauseControl</name>
    <message>
        <source>Paused</source>
        <extracomment>Shown large over the board while the game is paused</extracomment>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <comment>Game menu</comment>
        <extracomment>Stops the clock and covers the board until chosen again</extracomment>
        <translation>一時停止(&amp;P)</translation>
    </message>
</context>
<context>
    <name>PlayAssist</name>
    <message>
        <source>Start-up picture</source>
        <extracomment>Name of the game&apos;s own picture in the Records table</extracomment>
        <translation>起動時の画像</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>Game menu</comment>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>Game menu</comment>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message>
        <source>Records...</source>
        <comment>Help menu</comment>
        <translation>記録...</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <comment>Game menu</comment>
        <extracomment>Shows which tile to move next on the board</extracomment>
        <translation>ヒント(&amp;H)</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>New record: best time and fewest moves</source>
        <translation>新記録: 最短時間・最少手数</translation>
    </message>
    <message>
        <source>New record: best time</source>
        <translation>新記録: 最短時間</translation>
    </message>
    <message>
        <source>New record: fewest moves</source>
        <translation>新記録: 最少手数</translation>
    </message>
</context>
<context>
    <name>RecordsDialog</name>
    <message>
        <source>Records</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Records, newest first</source>
        <translation>記録 (新しい順)</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>マス目</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>kind of game</comment>
        <translation>種類</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>最短時間</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>最少手数</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>&amp;Clear Records</source>
        <translation>記録を消去(&amp;D)</translation>
    </message>
    <message>
        <source>Clear Records</source>
        <translation>記録を消去</translation>
    </message>
    <message>
        <source>Move Blocks</source>
        <translation>スライド</translation>
    </message>
    <message>
        <source>Swap Blocks</source>
        <translation>入れ替え</translation>
    </message>
    <message>
        <source>Clear all records?</source>
        <translation>すべての記録を消去しますか?</translation>
    </message>
    <message>
        <source>Unable to clear the records.</source>
        <translation>記録を消去できませんでした。</translation>
    </message>
</context>
<context>
    <name>StartupPicture</name>
    <message>
        <source>a picture puzzle</source>
        <translation>絵合わせパズル</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Pindrel</source>
        <translation>Pindrel について</translation>
    </message>
    <message>
        <source>Pindrel v1.2

A picture puzzle: any photo or video becomes a board of tiles to put back in order.

Written in C++ with Qt. Pictures are decoded by libjpeg-turbo, videos by FFmpeg.

Thanks to everyone who played the early versions and sent in their best times.

Contact: %1</source>
        <translation>Pindrel v1.2

絵合わせパズル: どんな写真や動画も、元の並びに戻すタイルの盤面になります。

C++ と Qt で作られています。画像のデコードには libjpeg-turbo、動画には FFmpeg を使っています。

初期のバージョンを遊んでベストタイムを送ってくださった皆さん、ありがとうございます。

連絡先: %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Randomizing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>シャッフル中</translation>
    </message>
    <message>
        <source>Browsing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>閲覧中</translation>
    </message>
    <message numerus="yes">
        <source>Puzzle Completed! (%n moves)</source>
        <translation>
            <numerusform>パズル完成! (%n 手)</numerusform>
        </translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>Processing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>処理中</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Unable to download image.</source>
        <translation>画像をダウンロードできませんでした。</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Loadng</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>読み込み中</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>ファイルを開けませんでした。</translation>
    </message>
    <message>
        <source>Searching</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>検索中</translation>
    </message>
    <message>
        <source>Try Again? </source>
        <translation>もう一度? </translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>画像を開く</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Names a tool button that shows only an icon, for screen readers and the tool bar&apos;s overflow</extracomment>
        <translation>開く</translation>
    </message>
    <message>
        <source>Open image</source>
        <translation>画像を開く</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Find images on the web</source>
        <translation>Web で画像を探す</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>ゲームをやり直す</translation>
    </message>
    <message>
        <source>Refresh/Restart</source>
        <translation>更新/やり直し</translation>
    </message>
    <message>
        <source>Previous Image</source>
        <translation>前の画像</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Next Image</source>
        <translation>次の画像</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Moves taken</source>
        <translation>手数</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>経過時間</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <comment>menu bar</comment>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>Game menu</comment>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open &amp;URL...</source>
        <comment>Game menu</comment>
        <translation>URL を開く(&amp;L)...</translation>
    </message>
    <message>
        <source>Puzzles on the &amp;Web</source>
        <comment>Game menu</comment>
        <translation>Web のパズル(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <comment>Game menu</comment>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Restart/Refresh</source>
        <comment>View menu</comment>
        <translation>やり直し/更新(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <comment>View menu</comment>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>View menu</comment>
        <translation>次へ(&amp;N)</translation>
    </message>
    <message>
        <source>Show &amp;Solution</source>
        <comment>View menu</comment>
        <translation>完成図を表示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <comment>View menu</comment>
        <translation>全画面表示(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>menu bar</comment>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <comment>Options menu</comment>
        <translation>設定(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Show Toolbar</source>
        <comment>Options menu</comment>
        <translation>ツールバーを表示(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Dim Selected Tiles</source>
        <comment>Options menu</comment>
        <translation>選択したタイルを暗くする(&amp;D)</translation>
    </message>
    <message>
        <source>Dim Incorrect Tiles</source>
        <comment>Options menu</comment>
        <translation>位置の違うタイルを暗くする</translation>
    </message>
    <message>
        <source>&amp;Grid Overlay</source>
        <comment>Options menu</comment>
        <translation>グリッドを重ねる(&amp;G)</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <comment>Options menu</comment>
        <translation>効果音を鳴らす</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Pindrel...</source>
        <comment>Help menu</comment>
        <translation>Pindrel について(&amp;A)...</translation>
    </message>
    <message>
        <source>Visit Pindrel Online...</source>
        <comment>Help menu</comment>
        <translation>Pindrel のサイトへ...</translation>
    </message>
    <message>
        <source>%1: not a playable video</source>
        <translation>%1: 再生できる動画ではありません</translation>
    </message>
    <message>
        <source>Unable to navigate to the website.</source>
        <translation>Web サイトを開けませんでした。</translation>
    </message>
</context>
<context>
    <name>TfrmOpenURL</name>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Type an internet address below, and click OK.</source>
        <translation>インターネットのアドレスを下に入力して OK をクリックしてください。</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>General  </source>
        <translation>全般  </translation>
    </message>
    <message>
        <source>Video</source>
        <translation>動画</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>ゲームのオプション</translation>
    </message>
    <message>
        <source>Swap Blocks</source>
        <translation>入れ替え</translation>
    </message>
    <message>
        <source>Move Blocks</source>
        <translation>スライド</translation>
    </message>
    <message>
        <source>Restart video</source>
        <translation>動画を最初から再生</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>ゲームの種類</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>列</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Avi Refresh</source>
        <translation>AVI の更新間隔</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>速い</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>遅い</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>You&apos;re current game will be lost.

Are you sure you want to restart?</source>
        <translation>現在のゲームは失われます。

本当にやり直しますか?</translation>
    </message>
</context>
</TS>
