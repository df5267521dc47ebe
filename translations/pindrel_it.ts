<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Puzzle board</source>
        <translation>Tabellone di gioco</translation>
    </message>
    <message>
        <source>Solution picture</source>
        <translation>Immagine della soluzione</translation>
    </message>
    <message>
        <source>Darkened picture</source>
        <translation>Immagine scurita</translation>
    </message>
    <message>
        <source>Moves taken</source>
        <translation>Mosse fatte</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Tempo trascorso</translation>
    </message>
    <message>
        <source>Game message</source>
        <translation>Messaggio di gioco</translation>
    </message>
    <message>
        <source>Game message shadow</source>
        <translation>Ombra del messaggio di gioco</translation>
    </message>
    <message>
        <source>New record</source>
        <translation>Nuovo record</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Tool strip</source>
        <translation>Striscia degli strumenti</translation>
    </message>
    <message>
        <source>Web pane</source>
        <translation>Pannello web</translation>
    </message>
    <message>
        <source>Picture area</source>
        <translation>Area dell&apos;immagine</translation>
    </message>
    <message>
        <source>Board pane</source>
        <translation>Pannello del tabellone</translation>
    </message>
    <message>
        <source>Keyboard cursor and hint</source>
        <translation>Cursore della tastiera e suggerimento</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Altri strumenti</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Altri menu</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A picture puzzle: a picture or a video cut into tiles to put back in order.</source>
        <translation>Un puzzle di immagini: un&apos;immagine o un video tagliati in tessere da rimettere in ordine.</translation>
    </message>
    <message>
        <source>A picture or video to open (a path or a file: URL), or the http or https address of a picture to download.</source>
        <translation>Un&apos;immagine o un video da aprire (un percorso o un URL file:), oppure l&apos;indirizzo http o https di un&apos;immagine da scaricare.</translation>
    </message>
    <message>
        <source>[FILE-OR-ADDRESS]</source>
        <translation>[FILE-O-INDIRIZZO]</translation>
    </message>
    <message>
        <source>Resume the game kept when Pindrel last ended.</source>
        <translation>Riprende la partita salvata quando Pindrel è stato chiuso l&apos;ultima volta.</translation>
    </message>
</context>
<context>
    <name>DecodeError</name>
    <message>
        <source>%1 is not a picture that can be opened</source>
        <translation>%1 non è un&apos;immagine che si può aprire</translation>
    </message>
    <message>
        <source>BMP %1 is far too short for its size %2x%3</source>
        <translation>il BMP %1 è troppo corto per la sua dimensione di %2x%3</translation>
    </message>
    <message>
        <source>out of memory for BMP %1</source>
        <translation>memoria insufficiente per il BMP %1</translation>
    </message>
    <message>
        <source>cannot decode BMP %1: %2</source>
        <translation>impossibile decodificare il BMP %1: %2</translation>
    </message>
    <message>
        <source>BMP %1 decoded to an unexpected size</source>
        <translation>il BMP %1 è stato decodificato con una dimensione inattesa</translation>
    </message>
    <message>
        <source>out of memory for the picture</source>
        <translation>memoria insufficiente per l&apos;immagine</translation>
    </message>
    <message>
        <source>cannot decode JPEG: %1</source>
        <translation>impossibile decodificare il JPEG: %1</translation>
    </message>
    <message>
        <source>%1 is too large for a JPEG picture</source>
        <translation>%1 è troppo grande per un&apos;immagine JPEG</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>cannot decode %1 picture %2: %3</source>
        <translation>impossibile decodificare l&apos;immagine %1 %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 non è un file normale</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>picture size %1x%2 is outside the allowed limits</source>
        <translation>la dimensione dell&apos;immagine %1x%2 è fuori dai limiti consentiti</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Unexpected failure.</source>
        <translation>Errore imprevisto.</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>Resume &amp;Last Game</source>
        <comment>Game menu</comment>
        <extracomment>Brings back the game in progress when the game last ended or another picture was opened</extracomment>
        <translation>Riprendi l&apos;ul&amp;tima partita</translation>
    </message>
    <message>
        <source>No game is kept.</source>
        <translation>Nessuna partita salvata.</translation>
    </message>
    <message>
        <source>The kept game could not be read: it was damaged, or written by another version of Pindrel. It has been set aside as %1.</source>
        <extracomment>%1 is a file name</extracomment>
        <translation>Impossibile leggere la partita salvata: era danneggiata o scritta da un&apos;altra versione di Pindrel. È stata messa da parte come %1.</translation>
    </message>
    <message>
        <source>The picture of the kept game is gone or has changed:
%1</source>
        <translation>L&apos;immagine della partita salvata non c&apos;è più o è cambiata:
%1</translation>
    </message>
    <message>
        <source>The picture of the kept game could not be opened:
%1</source>
        <translation>Impossibile aprire l&apos;immagine della partita salvata:
%1</translation>
    </message>
    <message>
        <source>Resume Last Game</source>
        <extracomment>Title of a message box; the same command as the Game menu&apos;s Resume Last Game</extracomment>
        <translation>Riprendi l&apos;ultima partita</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Keys</source>
        <extracomment>Title of the dialog listing every key the game answers</extracomment>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>Column headings of the Keys table: a key, and what it does</extracomment>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <extracomment>Key column of the Keys table: the four arrow keys</extracomment>
        <translation>Frecce</translation>
    </message>
    <message>
        <source>Move the keyboard cursor</source>
        <translation>Sposta il cursore della tastiera</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <extracomment>Key column of the Keys table: the space bar and the Enter key</extracomment>
        <translation>Spazio, Invio</translation>
    </message>
    <message>
        <source>Press the tile under the cursor (the first press shows it)</source>
        <translation>Premi la tessera sotto il cursore (la prima pressione mostra il cursore)</translation>
    </message>
    <message>
        <source>Ctrl+Arrow keys</source>
        <extracomment>Key column of the Keys table: Ctrl held with an arrow key</extracomment>
        <translation>Ctrl+Frecce</translation>
    </message>
    <message>
        <source>Move Blocks: slide the tile on that side of the gap into it</source>
        <extracomment>&quot;Move Blocks&quot; is the kind of game, as in the options</extracomment>
        <translation>Sposta le tessere: fai scorrere nello spazio vuoto la tessera da quel lato</translation>
    </message>
    <message>
        <source>Esc</source>
        <extracomment>Key column of the Keys table: the Escape key</extracomment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Esci da schermo intero</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <comment>Help menu</comment>
        <extracomment>Opens the table of every key the game answers</extracomment>
        <translation>&amp;Tasti…</translation>
    </message>
</context>
<context>
    <name>OpenFilters</name>
    <message>
        <source>Supported File Types (*.jpg; *.jpeg; *.avi) (*.jpg *.jpeg *.avi)</source>
        <extracomment>The patterns in brackets stay as they are: the second brackets are what the dialog matches</extracomment>
        <translation>Tipi di file supportati (*.jpg; *.jpeg; *.avi) (*.jpg *.jpeg *.avi)</translation>
    </message>
    <message>
        <source>JPEG Images (*.jpg; *.jpeg) (*.jpg *.jpeg)</source>
        <translation>Immagini JPEG (*.jpg; *.jpeg) (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>AVI videos (*.avi) (*.avi)</source>
        <translation>Video AVI (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>All pictures and videos</source>
        <translation>Tutte le immagini e i video</translation>
    </message>
    <message>
        <source>Other pictures</source>
        <translation>Altre immagini</translation>
    </message>
    <message>
        <source>Other videos</source>
        <translation>Altri video</translation>
    </message>
</context>
<context>
    <name>PauseControl</name>
    <message>
        <source>Paused</source>
        <extracomment>Shown large over the board while the game is paused</extracomment>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <comment>Game menu</comment>
        <extracomment>Stops the clock and covers the board until chosen again</extracomment>
        <translation>&amp;Pausa</translation>
    </message>
</context>
<context>
    <name>PlayAssist</name>
    <message>
        <source>Start-up picture</source>
        <extracomment>Name of the game&apos;s own picture in the Records table</extracomment>
        <translation>Immagine iniziale</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>Game menu</comment>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>Game menu</comment>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Records...</source>
        <comment>Help menu</comment>
        <translation>Record…</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <comment>Game menu</comment>
        <extracomment>Shows which tile to move next on the board</extracomment>
        <translation>&amp;Suggerimento</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>New record: best time and fewest moves</source>
        <translation>Nuovo record: miglior tempo e meno mosse</translation>
    </message>
    <message>
        <source>New record: best time</source>
        <translation>Nuovo record: miglior tempo</translation>
    </message>
    <message>
        <source>New record: fewest moves</source>
        <translation>Nuovo record: meno mosse</translation>
    </message>
</context>
<context>
    <name>RecordsDialog</name>
    <message>
        <source>Records</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Records, newest first</source>
        <translation>Record, dal più recente</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>kind of game</comment>
        <translation>Tipo di gioco</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Miglior tempo</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Meno mosse</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>&amp;Clear Records</source>
        <translation>&amp;Azzera i record</translation>
    </message>
    <message>
        <source>Clear Records</source>
        <translation>Azzera i record</translation>
    </message>
    <message>
        <source>Move Blocks</source>
        <translation>Sposta le tessere</translation>
    </message>
    <message>
        <source>Swap Blocks</source>
        <translation>Scambia le tessere</translation>
    </message>
    <message>
        <source>Clear all records?</source>
        <translation>Azzerare tutti i record?</translation>
    </message>
    <message>
        <source>Unable to clear the records.</source>
        <translation>Impossibile azzerare i record.</translation>
    </message>
</context>
<context>
    <name>StartupPicture</name>
    <message>
        <source>a picture puzzle</source>
        <translation>un puzzle di immagini</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Pindrel</source>
        <translation>Informazioni su Pindrel</translation>
    </message>
    <message>
        <source>Pindrel v1.2

A picture puzzle: any photo or video becomes a board of tiles to put back in order.

Written in C++ with Qt. Pictures are decoded by libjpeg-turbo, videos by FFmpeg.

Thanks to everyone who played the early versions and sent in their best times.

Contact: %1</source>
        <translation>Pindrel v1.2

Un puzzle di immagini: qualsiasi foto o video diventa un tabellone di tessere da rimettere in ordine.

Scritto in C++ con Qt. Le immagini sono decodificate da libjpeg-turbo, i video da FFmpeg.

Grazie a tutti quelli che hanno giocato alle prime versioni e ci hanno mandato i loro tempi migliori.

Contatto: %1</translation>
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
        <translation>Mescolamento</translation>
    </message>
    <message>
        <source>Browsing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Navigazione</translation>
    </message>
    <message numerus="yes">
        <source>Puzzle Completed! (%n moves)</source>
        <translation>
            <numerusform>Puzzle completato! (%n mossa)</numerusform>
            <numerusform>Puzzle completato! (%n mosse)</numerusform>
        </translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Download</translation>
    </message>
    <message>
        <source>Processing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Elaborazione</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Unable to download image.</source>
        <translation>Impossibile scaricare l&apos;immagine.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Loadng</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Impossibile aprire il file.</translation>
    </message>
    <message>
        <source>Searching</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Ricerca</translation>
    </message>
    <message>
        <source>Try Again? </source>
        <translation>Di nuovo? </translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Apri immagine</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Names a tool button that shows only an icon, for screen readers and the tool bar&apos;s overflow</extracomment>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Open image</source>
        <translation>Apri immagine</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Find images on the web</source>
        <translation>Cerca immagini sul web</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Ricomincia la partita</translation>
    </message>
    <message>
        <source>Refresh/Restart</source>
        <translation>Aggiorna/Ricomincia</translation>
    </message>
    <message>
        <source>Previous Image</source>
        <translation>Immagine precedente</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Next Image</source>
        <translation>Immagine successiva</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Moves taken</source>
        <translation>Mosse fatte</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Tempo trascorso</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <comment>menu bar</comment>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>Game menu</comment>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>Open &amp;URL...</source>
        <comment>Game menu</comment>
        <translation>Apri &amp;URL…</translation>
    </message>
    <message>
        <source>Puzzles on the &amp;Web</source>
        <comment>Game menu</comment>
        <translation>Puzzle sul &amp;web</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <comment>Game menu</comment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Restart/Refresh</source>
        <comment>View menu</comment>
        <translation>&amp;Ricomincia/Aggiorna</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <comment>View menu</comment>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>View menu</comment>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>Show &amp;Solution</source>
        <comment>View menu</comment>
        <translation>Mostra s&amp;oluzione</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <comment>View menu</comment>
        <translation>&amp;Schermo intero</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>menu bar</comment>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <comment>Options menu</comment>
        <translation>&amp;Impostazioni…</translation>
    </message>
    <message>
        <source>&amp;Show Toolbar</source>
        <comment>Options menu</comment>
        <translation>Mostra &amp;barra degli strumenti</translation>
    </message>
    <message>
        <source>&amp;Dim Selected Tiles</source>
        <comment>Options menu</comment>
        <translation>&amp;Scurisci le tessere selezionate</translation>
    </message>
    <message>
        <source>Dim Incorrect Tiles</source>
        <comment>Options menu</comment>
        <translation>Scurisci le tessere fuori posto</translation>
    </message>
    <message>
        <source>&amp;Grid Overlay</source>
        <comment>Options menu</comment>
        <translation>Mostra la &amp;griglia</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <comment>Options menu</comment>
        <translation>Riproduci suoni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About Pindrel...</source>
        <comment>Help menu</comment>
        <translation>&amp;Informazioni su Pindrel…</translation>
    </message>
    <message>
        <source>Visit Pindrel Online...</source>
        <comment>Help menu</comment>
        <translation>Visita Pindrel online…</translation>
    </message>
    <message>
        <source>%1: not a playable video</source>
        <translation>%1: non è un video riproducibile</translation>
    </message>
    <message>
        <source>Unable to navigate to the website.</source>
        <translation>Impossibile raggiungere il sito web.</translation>
    </message>
</context>
<context>
    <name>TfrmOpenURL</name>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Type an internet address below, and click OK.</source>
        <translation>Scrivi un indirizzo internet qui sotto e fai clic su OK.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>General  </source>
        <translation>Generale  </translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opzioni di gioco</translation>
    </message>
    <message>
        <source>Swap Blocks</source>
        <translation>Scambia le tessere</translation>
    </message>
    <message>
        <source>Move Blocks</source>
        <translation>Sposta le tessere</translation>
    </message>
    <message>
        <source>Restart video</source>
        <translation>Riavvia il video</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Tipo di gioco</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Avi Refresh</source>
        <translation>Aggiornamento AVI</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>You&apos;re current game will be lost.

Are you sure you want to restart?</source>
        <translation>La partita in corso andrà persa.

Vuoi davvero ricominciare?</translation>
    </message>
</context>
</TS>
