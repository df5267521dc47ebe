<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Puzzle board</source>
        <translation>拼图板</translation>
    </message>
    <message>
        <source>Solution picture</source>
        <translation>答案图片</translation>
    </message>
    <message>
        <source>Darkened picture</source>
        <translation>变暗的图片</translation>
    </message>
    <message>
        <source>Moves taken</source>
        <translation>已走步数</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>已用时间</translation>
    </message>
    <message>
        <source>Game message</source>
        <translation>游戏消息</translation>
    </message>
    <message>
        <source>Game message shadow</source>
        <translation>游戏消息阴影</translation>
    </message>
    <message>
        <source>New record</source>
        <translation>新纪录</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Tool strip</source>
        <translation>工具条</translation>
    </message>
    <message>
        <source>Web pane</source>
        <translation>网页面板</translation>
    </message>
    <message>
        <source>Picture area</source>
        <translation>图片区域</translation>
    </message>
    <message>
        <source>Board pane</source>
        <translation>拼图面板</translation>
    </message>
    <message>
        <source>Keyboard cursor and hint</source>
        <translation>键盘光标和提示</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>更多工具</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>更多菜单</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A picture puzzle: a picture or a video cut into tiles to put back in order.</source>
        <translation>拼图游戏：把图片或视频切成方块，再按顺序拼回原样。</translation>
    </message>
    <message>
        <source>A picture or video to open (a path or a file: URL), or the http or https address of a picture to download.</source>
        <translation>要打开的图片或视频（路径或 file: URL），或要下载的图片的 http 或 https 地址。</translation>
    </message>
    <message>
        <source>[FILE-OR-ADDRESS]</source>
        <translation>[文件或地址]</translation>
    </message>
    <message>
        <source>Resume the game kept when Pindrel last ended.</source>
        <translation>继续上次退出 Pindrel 时保存的游戏。</translation>
    </message>
</context>
<context>
    <name>DecodeError</name>
    <message>
        <source>%1 is not a picture that can be opened</source>
        <translation>%1 不是可以打开的图片</translation>
    </message>
    <message>
        <source>BMP %1 is far too short for its size %2x%3</source>
        <translation>BMP %1 的数据太短，与其尺寸 %2x%3 不符</translation>
    </message>
    <message>
        <source>out of memory for BMP %1</source>
        <translation>内存不足，无法载入 BMP %1</translation>
    </message>
    <message>
        <source>cannot decode BMP %1: %2</source>
        <translation>无法解码 BMP %1：%2</translation>
    </message>
    <message>
        <source>BMP %1 decoded to an unexpected size</source>
        <translation>BMP %1 解码后的尺寸异常</translation>
    </message>
    <message>
        <source>out of memory for the picture</source>
        <translation>内存不足，无法载入图片</translation>
    </message>
    <message>
        <source>cannot decode JPEG: %1</source>
        <translation>无法解码 JPEG：%1</translation>
    </message>
    <message>
        <source>%1 is too large for a JPEG picture</source>
        <translation>%1 太大，无法作为 JPEG 图片打开</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>cannot decode %1 picture %2: %3</source>
        <translation>无法解码 %1 图片 %2：%3</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 不是普通文件</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>picture size %1x%2 is outside the allowed limits</source>
        <translation>图片尺寸 %1x%2 超出允许的范围</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Unexpected failure.</source>
        <translation>发生意外错误。</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>Resume &amp;Last Game</source>
        <comment>Game menu</comment>
        <extracomment>Brings back the game in progress when the game last ended or another picture was opened</extracomment>
        <translation>继续上次的游戏(&amp;G)</translation>
    </message>
    <message>
        <source>No game is kept.</source>
        <translation>没有保存的游戏。</translation>
    </message>
    <message>
        <source>The kept game could not be read: it was damaged, or written by another version of Pindrel. It has been set aside as %1.</source>
        <extracomment>%1 is a file name</extracomment>
        <translation>无法读取保存的游戏：文件已损坏，或由其他版本的 Pindrel 写入。已将其改名为 %1 并放在一旁。</translation>
    </message>
    <message>
        <source>The picture of the kept game is gone or has changed:
%1</source>
        <translation>保存的游戏所用的图片已不存在或已更改：
%1</translation>
    </message>
    <message>
        <source>The picture of the kept game could not be opened:
%1</source>
        <translation>无法打开保存的游戏所用的图片：
%1</translation>
    </message>
    <message>
        <source>Resume Last Game</source>
        <extracomment>Title of a message box; the same command as the Game menu&apos;s Resume Last Game</extracomment>
        <translation>继续上次的游戏</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Keys</source>
        <extracomment>Title of the dialog listing every key the game answers</extracomment>
        <translation>按键列表</translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>Column headings of the Keys table: a key, and what it does</extracomment>
        <translation>按键</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <extracomment>Key column of the Keys table: the four arrow keys</extracomment>
        <translation>方向键</translation>
    </message>
    <message>
        <source>Move the keyboard cursor</source>
        <translation>移动键盘光标</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <extracomment>Key column of the Keys table: the space bar and the Enter key</extracomment>
        <translation>空格、回车</translation>
    </message>
    <message>
        <source>Press the tile under the cursor (the first press shows it)</source>
        <translation>按下光标所在的方块（第一次按键会显示光标）</translation>
    </message>
    <message>
        <source>Ctrl+Arrow keys</source>
        <extracomment>Key column of the Keys table: Ctrl held with an arrow key</extracomment>
        <translation>Ctrl+方向键</translation>
    </message>
    <message>
        <source>Move Blocks: slide the tile on that side of the gap into it</source>
        <extracomment>&quot;Move Blocks&quot; is the kind of game, as in the options</extracomment>
        <translation>移动方块：把空位那一侧的方块滑入空位</translation>
    </message>
    <message>
        <source>Esc</source>
        <extracomment>Key column of the Keys table: the Escape key</extracomment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>退出全屏</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <comment>Help menu</comment>
        <extracomment>Opens the table of every key the game answers</extracomment>
        <translation>按键列表(&amp;K)...</translation>
    </message>
</context>
<context>
    <name>OpenFilters</name>
    <message>
        <source>Supported File Types (*.jpg; *.jpeg; *.avi) (*.jpg *.jpeg *.avi)</source>
        <extracomment>The patterns in brackets stay as they are: the second brackets are what the dialog matches</extracomment>
        <translation>支持的文件类型 (*.jpg; *.jpeg; *.avi) (*.jpg *.jpeg *.avi)</translation>
    </message>
    <message>
        <source>JPEG Images (*.jpg; *.jpeg) (*.jpg *.jpeg)</source>
        <translation>JPEG 图片 (*.jpg; *.jpeg) (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>AVI videos (*.avi) (*.avi)</source>
        <translation>AVI 视频 (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>All pictures and videos</source>
        <translation>所有图片和视频</translation>
    </message>
    <message>
        <source>Other pictures</source>
        <translation>其他图片</translation>
    </message>
    <message>
        <source>Other videos</source>
        <translation>其他视频</translation>
    </message>
</context>
<context>
    <name>PauseControl</name>
    <message>
        <source>Paused</source>
        <extracomment>Shown large over the board while the game is paused</extracomment>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <comment>Game menu</comment>
        <extracomment>Stops the clock and covers the board until chosen again</extracomment>
        <translation>暂停(&amp;P)</translation>
    </message>
</context>
<context>
    <name>PlayAssist</name>
    <message>
        <source>Start-up picture</source>
        <extracomment>Name of the game&apos;s own picture in the Records table</extracomment>
        <translation>启动图片</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>Game menu</comment>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>Game menu</comment>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Records...</source>
        <comment>Help menu</comment>
        <translation>纪录...</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <comment>Game menu</comment>
        <extracomment>Shows which tile to move next on the board</extracomment>
        <translation>提示(&amp;H)</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>New record: best time and fewest moves</source>
        <translation>新纪录：最短用时和最少步数</translation>
    </message>
    <message>
        <source>New record: best time</source>
        <translation>新纪录：最短用时</translation>
    </message>
    <message>
        <source>New record: fewest moves</source>
        <translation>新纪录：最少步数</translation>
    </message>
</context>
<context>
    <name>RecordsDialog</name>
    <message>
        <source>Records</source>
        <translation>纪录</translation>
    </message>
    <message>
        <source>Records, newest first</source>
        <translation>纪录（最新的在前）</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>网格</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>kind of game</comment>
        <translation>玩法</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>最短用时</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>最少步数</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>&amp;Clear Records</source>
        <translation>清除纪录(&amp;D)</translation>
    </message>
    <message>
        <source>Clear Records</source>
        <translation>清除纪录</translation>
    </message>
    <message>
        <source>Move Blocks</source>
        <translation>移动方块</translation>
    </message>
    <message>
        <source>Swap Blocks</source>
        <translation>交换方块</translation>
    </message>
    <message>
        <source>Clear all records?</source>
        <translation>要清除所有纪录吗？</translation>
    </message>
    <message>
        <source>Unable to clear the records.</source>
        <translation>无法清除纪录。</translation>
    </message>
</context>
<context>
    <name>StartupPicture</name>
    <message>
        <source>a picture puzzle</source>
        <translation>图片拼图游戏</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Pindrel</source>
        <translation>关于 Pindrel</translation>
    </message>
    <message>
        <source>Pindrel v1.2

A picture puzzle: any photo or video becomes a board of tiles to put back in order.

Written in C++ with Qt. Pictures are decoded by libjpeg-turbo, videos by FFmpeg.

Thanks to everyone who played the early versions and sent in their best times.

Contact: %1</source>
        <translation>Pindrel v1.2

图片拼图游戏：任何照片或视频都能变成一盘方块，等你把它们拼回原样。

使用 C++ 和 Qt 编写。图片由 libjpeg-turbo 解码，视频由 FFmpeg 解码。

感谢所有玩过早期版本并发来最佳成绩的玩家。

联系方式：%1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Randomizing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>正在打乱</translation>
    </message>
    <message>
        <source>Browsing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>正在浏览</translation>
    </message>
    <message numerus="yes">
        <source>Puzzle Completed! (%n moves)</source>
        <translation>
            <numerusform>拼图完成！（%n 步）</numerusform>
        </translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>正在下载</translation>
    </message>
    <message>
        <source>Processing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>正在处理</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Unable to download image.</source>
        <translation>无法下载图片。</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>错误</translation>
    </message>
    <message>
        <source>Loadng</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>正在载入</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>无法打开文件。</translation>
    </message>
    <message>
        <source>Searching</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>正在搜索</translation>
    </message>
    <message>
        <source>Try Again? </source>
        <translation>再来一次？ </translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>打开图片</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Names a tool button that shows only an icon, for screen readers and the tool bar&apos;s overflow</extracomment>
        <translation>打开</translation>
    </message>
    <message>
        <source>Open image</source>
        <translation>打开图片</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>网页</translation>
    </message>
    <message>
        <source>Find images on the web</source>
        <translation>在网上查找图片</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>重新开始游戏</translation>
    </message>
    <message>
        <source>Refresh/Restart</source>
        <translation>刷新/重新开始</translation>
    </message>
    <message>
        <source>Previous Image</source>
        <translation>上一张图片</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Next Image</source>
        <translation>下一张图片</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Moves taken</source>
        <translation>已走步数</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>已用时间</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <comment>menu bar</comment>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>Game menu</comment>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open &amp;URL...</source>
        <comment>Game menu</comment>
        <translation>打开网址(&amp;L)...</translation>
    </message>
    <message>
        <source>Puzzles on the &amp;Web</source>
        <comment>Game menu</comment>
        <translation>网上拼图(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <comment>Game menu</comment>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Restart/Refresh</source>
        <comment>View menu</comment>
        <translation>重新开始/刷新(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <comment>View menu</comment>
        <translation>上一张(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>View menu</comment>
        <translation>下一张(&amp;N)</translation>
    </message>
    <message>
        <source>Show &amp;Solution</source>
        <comment>View menu</comment>
        <translation>显示答案(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <comment>View menu</comment>
        <translation>全屏(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>menu bar</comment>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <comment>Options menu</comment>
        <translation>设置(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Show Toolbar</source>
        <comment>Options menu</comment>
        <translation>显示工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Dim Selected Tiles</source>
        <comment>Options menu</comment>
        <translation>选中的方块变暗(&amp;D)</translation>
    </message>
    <message>
        <source>Dim Incorrect Tiles</source>
        <comment>Options menu</comment>
        <translation>位置不对的方块变暗</translation>
    </message>
    <message>
        <source>&amp;Grid Overlay</source>
        <comment>Options menu</comment>
        <translation>显示网格(&amp;G)</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <comment>Options menu</comment>
        <translation>播放声音</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Pindrel...</source>
        <comment>Help menu</comment>
        <translation>关于 Pindrel(&amp;A)...</translation>
    </message>
    <message>
        <source>Visit Pindrel Online...</source>
        <comment>Help menu</comment>
        <translation>访问 Pindrel 网站...</translation>
    </message>
    <message>
        <source>%1: not a playable video</source>
        <translation>%1：不是可以播放的视频</translation>
    </message>
    <message>
        <source>Unable to navigate to the website.</source>
        <translation>无法打开网站。</translation>
    </message>
</context>
<context>
    <name>TfrmOpenURL</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Type an internet address below, and click OK.</source>
        <translation>请在下面输入网址，然后点击“确定”。</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
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
        <translation>选项</translation>
    </message>
    <message>
        <source>General  </source>
        <translation>常规  </translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>游戏选项</translation>
    </message>
    <message>
        <source>Swap Blocks</source>
        <translation>交换方块</translation>
    </message>
    <message>
        <source>Move Blocks</source>
        <translation>移动方块</translation>
    </message>
    <message>
        <source>Restart video</source>
        <translation>重新播放视频</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>游戏类型</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>列数</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>行数</translation>
    </message>
    <message>
        <source>Avi Refresh</source>
        <translation>AVI 刷新间隔</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>快</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>慢</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>You&apos;re current game will be lost.

Are you sure you want to restart?</source>
        <translation>当前游戏将会丢失。

确定要重新开始吗？</translation>
    </message>
</context>
</TS>
