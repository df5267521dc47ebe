<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Puzzle board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Solution picture</source>
        <translation>Obraz rozwiązania</translation>
    </message>
    <message>
        <source>Darkened picture</source>
        <translation>Przyciemniony obraz</translation>
    </message>
    <message>
        <source>Moves taken</source>
        <translation>Wykonane ruchy</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Czas gry</translation>
    </message>
    <message>
        <source>Game message</source>
        <translation>Komunikat gry</translation>
    </message>
    <message>
        <source>Game message shadow</source>
        <translation>Cień komunikatu gry</translation>
    </message>
    <message>
        <source>New record</source>
        <translation>Nowy rekord</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Tool strip</source>
        <translation>Listwa narzędzi</translation>
    </message>
    <message>
        <source>Web pane</source>
        <translation>Panel WWW</translation>
    </message>
    <message>
        <source>Picture area</source>
        <translation>Obszar obrazu</translation>
    </message>
    <message>
        <source>Board pane</source>
        <translation>Panel planszy</translation>
    </message>
    <message>
        <source>Keyboard cursor and hint</source>
        <translation>Kursor klawiatury i podpowiedź</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Więcej narzędzi</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Więcej menu</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A picture puzzle: a picture or a video cut into tiles to put back in order.</source>
        <translation>Układanka obrazkowa: obraz lub film pocięty na kafelki, które trzeba ułożyć z powrotem.</translation>
    </message>
    <message>
        <source>A picture or video to open (a path or a file: URL), or the http or https address of a picture to download.</source>
        <translation>Obraz lub film do otwarcia (ścieżka lub adres URL file:) albo adres http lub https obrazu do pobrania.</translation>
    </message>
    <message>
        <source>[FILE-OR-ADDRESS]</source>
        <translation>[PLIK-LUB-ADRES]</translation>
    </message>
    <message>
        <source>Resume the game kept when Pindrel last ended.</source>
        <translation>Wznawia grę zapisaną przy ostatnim zamknięciu programu Pindrel.</translation>
    </message>
</context>
<context>
    <name>DecodeError</name>
    <message>
        <source>%1 is not a picture that can be opened</source>
        <translation>%1 nie jest obrazem, który można otworzyć</translation>
    </message>
    <message>
        <source>BMP %1 is far too short for its size %2x%3</source>
        <translation>BMP %1 jest o wiele za krótki jak na rozmiar %2x%3</translation>
    </message>
    <message>
        <source>out of memory for BMP %1</source>
        <translation>za mało pamięci na BMP %1</translation>
    </message>
    <message>
        <source>cannot decode BMP %1: %2</source>
        <translation>nie można zdekodować BMP %1: %2</translation>
    </message>
    <message>
        <source>BMP %1 decoded to an unexpected size</source>
        <translation>BMP %1 po zdekodowaniu ma nieoczekiwany rozmiar</translation>
    </message>
    <message>
        <source>out of memory for the picture</source>
        <translation>za mało pamięci na obraz</translation>
    </message>
    <message>
        <source>cannot decode JPEG: %1</source>
        <translation>nie można zdekodować JPEG: %1</translation>
    </message>
    <message>
        <source>%1 is too large for a JPEG picture</source>
        <translation>%1 jest za duży jak na obraz JPEG</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>cannot decode %1 picture %2: %3</source>
        <translation>nie można zdekodować obrazu %1 %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>picture size %1x%2 is outside the allowed limits</source>
        <translation>rozmiar obrazu %1x%2 wykracza poza dozwolone granice</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Unexpected failure.</source>
        <translation>Nieoczekiwany błąd.</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>Resume &amp;Last Game</source>
        <comment>Game menu</comment>
        <extracomment>Brings back the game in progress when the game last ended or another picture was opened</extracomment>
        <translation>Wznów ostatnią &amp;grę</translation>
    </message>
    <message>
        <source>No game is kept.</source>
        <translation>Brak zapisanej gry.</translation>
    </message>
    <message>
        <source>The kept game could not be read: it was damaged, or written by another version of Pindrel. It has been set aside as %1.</source>
        <extracomment>%1 is a file name</extracomment>
        <translation>Nie można odczytać zapisanej gry: była uszkodzona albo zapisała ją inna wersja programu Pindrel. Odłożono ją jako %1.</translation>
    </message>
    <message>
        <source>The picture of the kept game is gone or has changed:
%1</source>
        <translation>Obraz zapisanej gry zniknął lub się zmienił:
%1</translation>
    </message>
    <message>
        <source>The picture of the kept game could not be opened:
%1</source>
        <translation>Nie można otworzyć obrazu zapisanej gry:
%1</translation>
    </message>
    <message>
        <source>Resume Last Game</source>
        <extracomment>Title of a message box; the same command as the Game menu&apos;s Resume Last Game</extracomment>
        <translation>Wznów ostatnią grę</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Keys</source>
        <extracomment>Title of the dialog listing every key the game answers</extracomment>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>Column headings of the Keys table: a key, and what it does</extracomment>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Polecenie</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <extracomment>Key column of the Keys table: the four arrow keys</extracomment>
        <translation>Strzałki</translation>
    </message>
    <message>
        <source>Move the keyboard cursor</source>
        <translation>Przesuwanie kursora klawiatury</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <extracomment>Key column of the Keys table: the space bar and the Enter key</extracomment>
        <translation>Spacja, Enter</translation>
    </message>
    <message>
        <source>Press the tile under the cursor (the first press shows it)</source>
        <translation>Naciśnięcie kafelka pod kursorem (pierwsze naciśnięcie pokazuje kursor)</translation>
    </message>
    <message>
        <source>Ctrl+Arrow keys</source>
        <extracomment>Key column of the Keys table: Ctrl held with an arrow key</extracomment>
        <translation>Ctrl+strzałki</translation>
    </message>
    <message>
        <source>Move Blocks: slide the tile on that side of the gap into it</source>
        <extracomment>&quot;Move Blocks&quot; is the kind of game, as in the options</extracomment>
        <translation>Przesuwanie kafelków: wsunięcie w lukę kafelka z tej strony</translation>
    </message>
    <message>
        <source>Esc</source>
        <extracomment>Key column of the Keys table: the Escape key</extracomment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Wyjście z pełnego ekranu</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <comment>Help menu</comment>
        <extracomment>Opens the table of every key the game answers</extracomment>
        <translation>&amp;Klawisze…</translation>
    </message>
</context>
<context>
    <name>OpenFilters</name>
    <message>
        <source>Supported File Types (*.jpg; *.jpeg; *.avi) (*.jpg *.jpeg *.avi)</source>
        <extracomment>The patterns in brackets stay as they are: the second brackets are what the dialog matches</extracomment>
        <translation>Obsługiwane typy plików (*.jpg; *.jpeg; *.avi) (*.jpg *.jpeg *.avi)</translation>
    </message>
    <message>
        <source>JPEG Images (*.jpg; *.jpeg) (*.jpg *.jpeg)</source>
        <translation>Obrazy JPEG (*.jpg; *.jpeg) (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>AVI videos (*.avi) (*.avi)</source>
        <translation>Filmy AVI (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>All pictures and videos</source>
        <translation>Wszystkie obrazy i filmy</translation>
    </message>
    <message>
        <source>Other pictures</source>
        <translation>Inne obrazy</translation>
    </message>
    <message>
        <source>Other videos</source>
        <translation>Inne filmy</translation>
    </message>
</context>
<context>
    <name>PauseControl</name>
    <message>
        <source>Paused</source>
        <extracomment>Shown large over the board while the game is paused</extracomment>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <comment>Game menu</comment>
        <extracomment>Stops the clock and covers the board until chosen again</extracomment>
        <translation>&amp;Wstrzymaj</translation>
    </message>
</context>
<context>
    <name>PlayAssist</name>
    <message>
        <source>Start-up picture</source>
        <extracomment>Name of the game&apos;s own picture in the Records table</extracomment>
        <translation>Obraz startowy</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>Game menu</comment>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>Game menu</comment>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Records...</source>
        <comment>Help menu</comment>
        <translation>Rekordy…</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <comment>Game menu</comment>
        <extracomment>Shows which tile to move next on the board</extracomment>
        <translation>Po&amp;dpowiedź</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>New record: best time and fewest moves</source>
        <translation>Nowy rekord: najlepszy czas i najmniej ruchów</translation>
    </message>
    <message>
        <source>New record: best time</source>
        <translation>Nowy rekord: najlepszy czas</translation>
    </message>
    <message>
        <source>New record: fewest moves</source>
        <translation>Nowy rekord: najmniej ruchów</translation>
    </message>
</context>
<context>
    <name>RecordsDialog</name>
    <message>
        <source>Records</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Records, newest first</source>
        <translation>Rekordy, od najnowszych</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Siatka</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>kind of game</comment>
        <translation>Rodzaj gry</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Najlepszy czas</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Najmniej ruchów</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>&amp;Clear Records</source>
        <translation>&amp;Wyczyść rekordy</translation>
    </message>
    <message>
        <source>Clear Records</source>
        <translation>Wyczyść rekordy</translation>
    </message>
    <message>
        <source>Move Blocks</source>
        <translation>Przesuwanie kafelków</translation>
    </message>
    <message>
        <source>Swap Blocks</source>
        <translation>Zamiana kafelków</translation>
    </message>
    <message>
        <source>Clear all records?</source>
        <translation>Wyczyścić wszystkie rekordy?</translation>
    </message>
    <message>
        <source>Unable to clear the records.</source>
        <translation>Nie można wyczyścić rekordów.</translation>
    </message>
</context>
<context>
    <name>StartupPicture</name>
    <message>
        <source>a picture puzzle</source>
        <translation>układanka obrazkowa</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Pindrel</source>
        <translation>O programie Pindrel</translation>
    </message>
    <message>
        <source>Pindrel v1.2

A picture puzzle: any photo or video becomes a board of tiles to put back in order.

Written in C++ with Qt. Pictures are decoded by libjpeg-turbo, videos by FFmpeg.

Thanks to everyone who played the early versions and sent in their best times.

Contact: %1</source>
        <translation>Pindrel v1.2

Układanka obrazkowa: każde zdjęcie lub film staje się planszą z kafelków do ułożenia z powrotem.

Napisany w C++ z użyciem Qt. Obrazy dekoduje libjpeg-turbo, a filmy FFmpeg.

Dziękujemy wszystkim, którzy grali we wczesne wersje i przysyłali swoje najlepsze czasy.

Kontakt: %1</translation>
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
        <translation>Tasowanie</translation>
    </message>
    <message>
        <source>Browsing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Przeglądanie</translation>
    </message>
    <message numerus="yes">
        <source>Puzzle Completed! (%n moves)</source>
        <translation>
            <numerusform>Układanka ułożona! (%n ruch)</numerusform>
            <numerusform>Układanka ułożona! (%n ruchy)</numerusform>
            <numerusform>Układanka ułożona! (%n ruchów)</numerusform>
        </translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>Processing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Przetwarzanie</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Unable to download image.</source>
        <translation>Nie można pobrać obrazu.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Loadng</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Wczytywanie</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Nie można otworzyć pliku.</translation>
    </message>
    <message>
        <source>Searching</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Szukanie</translation>
    </message>
    <message>
        <source>Try Again? </source>
        <translation>Jeszcze raz? </translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Otwórz obraz</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Names a tool button that shows only an icon, for screen readers and the tool bar&apos;s overflow</extracomment>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Open image</source>
        <translation>Otwórz obraz</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Sieć</translation>
    </message>
    <message>
        <source>Find images on the web</source>
        <translation>Szukaj obrazów w sieci</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Zacznij od nowa</translation>
    </message>
    <message>
        <source>Refresh/Restart</source>
        <translation>Odśwież/Zacznij od nowa</translation>
    </message>
    <message>
        <source>Previous Image</source>
        <translation>Poprzedni obraz</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Next Image</source>
        <translation>Następny obraz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Moves taken</source>
        <translation>Wykonane ruchy</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Czas gry</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <comment>menu bar</comment>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>Game menu</comment>
        <translation>&amp;Otwórz…</translation>
    </message>
    <message>
        <source>Open &amp;URL...</source>
        <comment>Game menu</comment>
        <translation>Otwórz &amp;URL…</translation>
    </message>
    <message>
        <source>Puzzles on the &amp;Web</source>
        <comment>Game menu</comment>
        <translation>Układanki w &amp;sieci</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <comment>Game menu</comment>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Restart/Refresh</source>
        <comment>View menu</comment>
        <translation>&amp;Zacznij od nowa/Odśwież</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <comment>View menu</comment>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>View menu</comment>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>Show &amp;Solution</source>
        <comment>View menu</comment>
        <translation>Pokaż &amp;rozwiązanie</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <comment>View menu</comment>
        <translation>&amp;Pełny ekran</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>menu bar</comment>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <comment>Options menu</comment>
        <translation>&amp;Ustawienia…</translation>
    </message>
    <message>
        <source>&amp;Show Toolbar</source>
        <comment>Options menu</comment>
        <translation>Pokaż &amp;pasek narzędzi</translation>
    </message>
    <message>
        <source>&amp;Dim Selected Tiles</source>
        <comment>Options menu</comment>
        <translation>Przyciemniaj &amp;zaznaczone kafelki</translation>
    </message>
    <message>
        <source>Dim Incorrect Tiles</source>
        <comment>Options menu</comment>
        <translation>Przyciemniaj źle ułożone kafelki</translation>
    </message>
    <message>
        <source>&amp;Grid Overlay</source>
        <comment>Options menu</comment>
        <translation>Pokaż &amp;siatkę</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <comment>Options menu</comment>
        <translation>Odtwarzaj dźwięk</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About Pindrel...</source>
        <comment>Help menu</comment>
        <translation>&amp;O programie Pindrel…</translation>
    </message>
    <message>
        <source>Visit Pindrel Online...</source>
        <comment>Help menu</comment>
        <translation>Odwiedź stronę Pindrel…</translation>
    </message>
    <message>
        <source>%1: not a playable video</source>
        <translation>%1: tego filmu nie można odtworzyć</translation>
    </message>
    <message>
        <source>Unable to navigate to the website.</source>
        <translation>Nie można otworzyć strony internetowej.</translation>
    </message>
</context>
<context>
    <name>TfrmOpenURL</name>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Type an internet address below, and click OK.</source>
        <translation>Wpisz poniżej adres internetowy i kliknij OK.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>General  </source>
        <translation>Ogólne  </translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Wideo</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opcje gry</translation>
    </message>
    <message>
        <source>Swap Blocks</source>
        <translation>Zamiana kafelków</translation>
    </message>
    <message>
        <source>Move Blocks</source>
        <translation>Przesuwanie kafelków</translation>
    </message>
    <message>
        <source>Restart video</source>
        <translation>Odtwarzaj film od nowa</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Rodzaj gry</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolumny</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Wiersze</translation>
    </message>
    <message>
        <source>Avi Refresh</source>
        <translation>Odświeżanie AVI</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Szybko</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Wolno</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>You&apos;re current game will be lost.

Are you sure you want to restart?</source>
        <translation>Bieżąca gra zostanie utracona.

Czy na pewno zacząć od nowa?</translation>
    </message>
</context>
</TS>
