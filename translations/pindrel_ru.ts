<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Puzzle board</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Solution picture</source>
        <translation>Картинка-решение</translation>
    </message>
    <message>
        <source>Darkened picture</source>
        <translation>Затемнённая картинка</translation>
    </message>
    <message>
        <source>Moves taken</source>
        <translation>Сделано ходов</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Прошло времени</translation>
    </message>
    <message>
        <source>Game message</source>
        <translation>Сообщение игры</translation>
    </message>
    <message>
        <source>Game message shadow</source>
        <translation>Тень сообщения игры</translation>
    </message>
    <message>
        <source>New record</source>
        <translation>Новый рекорд</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Tool strip</source>
        <translation>Полоса инструментов</translation>
    </message>
    <message>
        <source>Web pane</source>
        <translation>Веб-панель</translation>
    </message>
    <message>
        <source>Picture area</source>
        <translation>Область картинки</translation>
    </message>
    <message>
        <source>Board pane</source>
        <translation>Панель поля</translation>
    </message>
    <message>
        <source>Keyboard cursor and hint</source>
        <translation>Курсор клавиатуры и подсказка</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Другие инструменты</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Другие меню</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A picture puzzle: a picture or a video cut into tiles to put back in order.</source>
        <translation>Пазл из картинки: картинка или видео, разрезанные на плитки, которые нужно вернуть на место.</translation>
    </message>
    <message>
        <source>A picture or video to open (a path or a file: URL), or the http or https address of a picture to download.</source>
        <translation>Картинка или видео для открытия (путь или адрес file:) либо адрес http или https картинки для загрузки.</translation>
    </message>
    <message>
        <source>[FILE-OR-ADDRESS]</source>
        <translation>[ФАЙЛ-ИЛИ-АДРЕС]</translation>
    </message>
    <message>
        <source>Resume the game kept when Pindrel last ended.</source>
        <translation>Продолжить игру, сохранённую при последнем закрытии Pindrel.</translation>
    </message>
</context>
<context>
    <name>DecodeError</name>
    <message>
        <source>%1 is not a picture that can be opened</source>
        <translation>%1 — не картинка, которую можно открыть</translation>
    </message>
    <message>
        <source>BMP %1 is far too short for its size %2x%3</source>
        <translation>BMP %1 слишком короткий для размера %2x%3</translation>
    </message>
    <message>
        <source>out of memory for BMP %1</source>
        <translation>недостаточно памяти для BMP %1</translation>
    </message>
    <message>
        <source>cannot decode BMP %1: %2</source>
        <translation>не удаётся декодировать BMP %1: %2</translation>
    </message>
    <message>
        <source>BMP %1 decoded to an unexpected size</source>
        <translation>BMP %1 после декодирования имеет неожиданный размер</translation>
    </message>
    <message>
        <source>out of memory for the picture</source>
        <translation>недостаточно памяти для картинки</translation>
    </message>
    <message>
        <source>cannot decode JPEG: %1</source>
        <translation>не удаётся декодировать JPEG: %1</translation>
    </message>
    <message>
        <source>%1 is too large for a JPEG picture</source>
        <translation>%1 слишком велик для картинки JPEG</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>cannot decode %1 picture %2: %3</source>
        <translation>не удаётся декодировать картинку %1 %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 — не обычный файл</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>не удаётся открыть %1: %2</translation>
    </message>
    <message>
        <source>picture size %1x%2 is outside the allowed limits</source>
        <translation>размер картинки %1x%2 выходит за допустимые пределы</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Unexpected failure.</source>
        <translation>Непредвиденная ошибка.</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>Resume &amp;Last Game</source>
        <comment>Game menu</comment>
        <extracomment>Brings back the game in progress when the game last ended or another picture was opened</extracomment>
        <translation>&amp;Возобновить последнюю игру</translation>
    </message>
    <message>
        <source>No game is kept.</source>
        <translation>Сохранённой игры нет.</translation>
    </message>
    <message>
        <source>The kept game could not be read: it was damaged, or written by another version of Pindrel. It has been set aside as %1.</source>
        <extracomment>%1 is a file name</extracomment>
        <translation>Не удалось прочитать сохранённую игру: она повреждена или записана другой версией Pindrel. Она отложена под именем %1.</translation>
    </message>
    <message>
        <source>The picture of the kept game is gone or has changed:
%1</source>
        <translation>Картинка сохранённой игры пропала или изменилась:
%1</translation>
    </message>
    <message>
        <source>The picture of the kept game could not be opened:
%1</source>
        <translation>Не удалось открыть картинку сохранённой игры:
%1</translation>
    </message>
    <message>
        <source>Resume Last Game</source>
        <extracomment>Title of a message box; the same command as the Game menu&apos;s Resume Last Game</extracomment>
        <translation>Возобновить последнюю игру</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Keys</source>
        <extracomment>Title of the dialog listing every key the game answers</extracomment>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>Column headings of the Keys table: a key, and what it does</extracomment>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <extracomment>Key column of the Keys table: the four arrow keys</extracomment>
        <translation>Стрелки</translation>
    </message>
    <message>
        <source>Move the keyboard cursor</source>
        <translation>Перемещение курсора клавиатуры</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <extracomment>Key column of the Keys table: the space bar and the Enter key</extracomment>
        <translation>Пробел, Enter</translation>
    </message>
    <message>
        <source>Press the tile under the cursor (the first press shows it)</source>
        <translation>Нажатие на плитку под курсором (первое нажатие показывает курсор)</translation>
    </message>
    <message>
        <source>Ctrl+Arrow keys</source>
        <extracomment>Key column of the Keys table: Ctrl held with an arrow key</extracomment>
        <translation>Ctrl+стрелки</translation>
    </message>
    <message>
        <source>Move Blocks: slide the tile on that side of the gap into it</source>
        <extracomment>&quot;Move Blocks&quot; is the kind of game, as in the options</extracomment>
        <translation>Сдвиг плиток: плитка с этой стороны от пустого места сдвигается в него</translation>
    </message>
    <message>
        <source>Esc</source>
        <extracomment>Key column of the Keys table: the Escape key</extracomment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Выход из полноэкранного режима</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <comment>Help menu</comment>
        <extracomment>Opens the table of every key the game answers</extracomment>
        <translation>&amp;Клавиши…</translation>
    </message>
</context>
<context>
    <name>OpenFilters</name>
    <message>
        <source>Supported File Types (*.jpg; *.jpeg; *.avi) (*.jpg *.jpeg *.avi)</source>
        <extracomment>The patterns in brackets stay as they are: the second brackets are what the dialog matches</extracomment>
        <translation>Поддерживаемые типы файлов (*.jpg; *.jpeg; *.avi) (*.jpg *.jpeg *.avi)</translation>
    </message>
    <message>
        <source>JPEG Images (*.jpg; *.jpeg) (*.jpg *.jpeg)</source>
        <translation>Изображения JPEG (*.jpg; *.jpeg) (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>AVI videos (*.avi) (*.avi)</source>
        <translation>Видео AVI (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>All pictures and videos</source>
        <translation>Все картинки и видео</translation>
    </message>
    <message>
        <source>Other pictures</source>
        <translation>Другие картинки</translation>
    </message>
    <message>
        <source>Other videos</source>
        <translation>Другие видео</translation>
    </message>
</context>
<context>
    <name>PauseControl</name>
    <message>
        <source>Paused</source>
        <extracomment>Shown large over the board while the game is paused</extracomment>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <comment>Game menu</comment>
        <extracomment>Stops the clock and covers the board until chosen again</extracomment>
        <translation>Пау&amp;за</translation>
    </message>
</context>
<context>
    <name>PlayAssist</name>
    <message>
        <source>Start-up picture</source>
        <extracomment>Name of the game&apos;s own picture in the Records table</extracomment>
        <translation>Стартовая картинка</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>Game menu</comment>
        <translation>О&amp;тменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>Game menu</comment>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>Records...</source>
        <comment>Help menu</comment>
        <translation>Рекорды…</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <comment>Game menu</comment>
        <extracomment>Shows which tile to move next on the board</extracomment>
        <translation>Под&amp;сказка</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>New record: best time and fewest moves</source>
        <translation>Новый рекорд: лучшее время и меньше всего ходов</translation>
    </message>
    <message>
        <source>New record: best time</source>
        <translation>Новый рекорд: лучшее время</translation>
    </message>
    <message>
        <source>New record: fewest moves</source>
        <translation>Новый рекорд: меньше всего ходов</translation>
    </message>
</context>
<context>
    <name>RecordsDialog</name>
    <message>
        <source>Records</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Records, newest first</source>
        <translation>Рекорды, сначала новые</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Картинка</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Сетка</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>kind of game</comment>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Лучшее время</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Меньше всего ходов</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>&amp;Clear Records</source>
        <translation>&amp;Очистить рекорды</translation>
    </message>
    <message>
        <source>Clear Records</source>
        <translation>Очистить рекорды</translation>
    </message>
    <message>
        <source>Move Blocks</source>
        <translation>Сдвиг плиток</translation>
    </message>
    <message>
        <source>Swap Blocks</source>
        <translation>Обмен плиток</translation>
    </message>
    <message>
        <source>Clear all records?</source>
        <translation>Очистить все рекорды?</translation>
    </message>
    <message>
        <source>Unable to clear the records.</source>
        <translation>Не удалось очистить рекорды.</translation>
    </message>
</context>
<context>
    <name>StartupPicture</name>
    <message>
        <source>a picture puzzle</source>
        <translation>пазл из картинки</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Pindrel</source>
        <translation>О программе Pindrel</translation>
    </message>
    <message>
        <source>Pindrel v1.2

A picture puzzle: any photo or video becomes a board of tiles to put back in order.

Written in C++ with Qt. Pictures are decoded by libjpeg-turbo, videos by FFmpeg.

Thanks to everyone who played the early versions and sent in their best times.

Contact: %1</source>
        <translation>Pindrel v1.2

Пазл из картинки: любое фото или видео превращается в поле из плиток, которые нужно вернуть на место.

Написан на C++ с Qt. Картинки декодирует libjpeg-turbo, видео — FFmpeg.

Спасибо всем, кто играл в ранние версии и присылал свои лучшие результаты.

Контакты: %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Randomizing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Перетасовка</translation>
    </message>
    <message>
        <source>Browsing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Просмотр</translation>
    </message>
    <message numerus="yes">
        <source>Puzzle Completed! (%n moves)</source>
        <translation>
            <numerusform>Пазл собран! (%n ход)</numerusform>
            <numerusform>Пазл собран! (%n хода)</numerusform>
            <numerusform>Пазл собран! (%n ходов)</numerusform>
        </translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>Processing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Обработка</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Unable to download image.</source>
        <translation>Не удалось загрузить картинку.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Loadng</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Открытие</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Не удалось открыть файл.</translation>
    </message>
    <message>
        <source>Searching</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Try Again? </source>
        <translation>Ещё раз? </translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Открыть картинку</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Names a tool button that shows only an icon, for screen readers and the tool bar&apos;s overflow</extracomment>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Open image</source>
        <translation>Открыть картинку</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Интернет</translation>
    </message>
    <message>
        <source>Find images on the web</source>
        <translation>Найти картинки в интернете</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Начать заново</translation>
    </message>
    <message>
        <source>Refresh/Restart</source>
        <translation>Обновить/Начать заново</translation>
    </message>
    <message>
        <source>Previous Image</source>
        <translation>Предыдущая картинка</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Next Image</source>
        <translation>Следующая картинка</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Moves taken</source>
        <translation>Сделано ходов</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Прошло времени</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <comment>menu bar</comment>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>Game menu</comment>
        <translation>&amp;Открыть…</translation>
    </message>
    <message>
        <source>Open &amp;URL...</source>
        <comment>Game menu</comment>
        <translation>Открыть &amp;адрес…</translation>
    </message>
    <message>
        <source>Puzzles on the &amp;Web</source>
        <comment>Game menu</comment>
        <translation>Пазлы в &amp;интернете</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <comment>Game menu</comment>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Restart/Refresh</source>
        <comment>View menu</comment>
        <translation>Начать &amp;заново/Обновить</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <comment>View menu</comment>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>View menu</comment>
        <translation>&amp;Вперёд</translation>
    </message>
    <message>
        <source>Show &amp;Solution</source>
        <comment>View menu</comment>
        <translation>Показать &amp;решение</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <comment>View menu</comment>
        <translation>&amp;Полный экран</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>menu bar</comment>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <comment>Options menu</comment>
        <translation>&amp;Настройка…</translation>
    </message>
    <message>
        <source>&amp;Show Toolbar</source>
        <comment>Options menu</comment>
        <translation>Показать панель &amp;инструментов</translation>
    </message>
    <message>
        <source>&amp;Dim Selected Tiles</source>
        <comment>Options menu</comment>
        <translation>&amp;Затемнять выбранные плитки</translation>
    </message>
    <message>
        <source>Dim Incorrect Tiles</source>
        <comment>Options menu</comment>
        <translation>Затемнять плитки не на месте</translation>
    </message>
    <message>
        <source>&amp;Grid Overlay</source>
        <comment>Options menu</comment>
        <translation>&amp;Сетка поверх картинки</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <comment>Options menu</comment>
        <translation>Воспроизводить звук</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About Pindrel...</source>
        <comment>Help menu</comment>
        <translation>&amp;О программе Pindrel…</translation>
    </message>
    <message>
        <source>Visit Pindrel Online...</source>
        <comment>Help menu</comment>
        <translation>Сайт Pindrel…</translation>
    </message>
    <message>
        <source>%1: not a playable video</source>
        <translation>%1: это видео нельзя воспроизвести</translation>
    </message>
    <message>
        <source>Unable to navigate to the website.</source>
        <translation>Не удалось открыть сайт.</translation>
    </message>
</context>
<context>
    <name>TfrmOpenURL</name>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Type an internet address below, and click OK.</source>
        <translation>Введите ниже адрес в интернете и нажмите OK.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>General  </source>
        <translation>Общие  </translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Параметры игры</translation>
    </message>
    <message>
        <source>Swap Blocks</source>
        <translation>Обмен плиток</translation>
    </message>
    <message>
        <source>Move Blocks</source>
        <translation>Сдвиг плиток</translation>
    </message>
    <message>
        <source>Restart video</source>
        <translation>Перезапускать видео</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Режим игры</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Столбцы</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Строки</translation>
    </message>
    <message>
        <source>Avi Refresh</source>
        <translation>Обновление AVI</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Быстро</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Медленно</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>You&apos;re current game will be lost.

Are you sure you want to restart?</source>
        <translation>Текущая игра будет потеряна.

Вы уверены, что хотите начать заново?</translation>
    </message>
</context>
</TS>
