<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Puzzle board</source>
        <translation>Speelbord</translation>
    </message>
    <message>
        <source>Solution picture</source>
        <translation>Oplossing</translation>
    </message>
    <message>
        <source>Darkened picture</source>
        <translation>Verduisterde afbeelding</translation>
    </message>
    <message>
        <source>Moves taken</source>
        <translation>Aantal zetten</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Verstreken tijd</translation>
    </message>
    <message>
        <source>Game message</source>
        <translation>Spelbericht</translation>
    </message>
    <message>
        <source>Game message shadow</source>
        <translation>Schaduw van het spelbericht</translation>
    </message>
    <message>
        <source>New record</source>
        <translation>Nieuw record</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>Tool strip</source>
        <translation>Werkstrook</translation>
    </message>
    <message>
        <source>Web pane</source>
        <translation>Webpaneel</translation>
    </message>
    <message>
        <source>Picture area</source>
        <translation>Afbeeldingsgebied</translation>
    </message>
    <message>
        <source>Board pane</source>
        <translation>Bordpaneel</translation>
    </message>
    <message>
        <source>Keyboard cursor and hint</source>
        <translation>Toetsenbordcursor en hint</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Meer hulpmiddelen</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Meer menu&apos;s</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A picture puzzle: a picture or a video cut into tiles to put back in order.</source>
        <translation>Een fotopuzzel: een afbeelding of video in stukjes geknipt die weer op hun plek moeten.</translation>
    </message>
    <message>
        <source>A picture or video to open (a path or a file: URL), or the http or https address of a picture to download.</source>
        <translation>Een afbeelding of video om te openen (een pad of een file:-URL), of het http- of https-adres van een afbeelding om te downloaden.</translation>
    </message>
    <message>
        <source>[FILE-OR-ADDRESS]</source>
        <translation>[BESTAND-OF-ADRES]</translation>
    </message>
    <message>
        <source>Resume the game kept when Pindrel last ended.</source>
        <translation>Het spel hervatten dat bewaard is toen Pindrel voor het laatst werd afgesloten.</translation>
    </message>
</context>
<context>
    <name>DecodeError</name>
    <message>
        <source>%1 is not a picture that can be opened</source>
        <translation>%1 is geen afbeelding die kan worden geopend</translation>
    </message>
    <message>
        <source>BMP %1 is far too short for its size %2x%3</source>
        <translation>BMP %1 is veel te kort voor de grootte %2x%3</translation>
    </message>
    <message>
        <source>out of memory for BMP %1</source>
        <translation>onvoldoende geheugen voor BMP %1</translation>
    </message>
    <message>
        <source>cannot decode BMP %1: %2</source>
        <translation>kan BMP %1 niet decoderen: %2</translation>
    </message>
    <message>
        <source>BMP %1 decoded to an unexpected size</source>
        <translation>BMP %1 is gedecodeerd tot een onverwachte grootte</translation>
    </message>
    <message>
        <source>out of memory for the picture</source>
        <translation>onvoldoende geheugen voor de afbeelding</translation>
    </message>
    <message>
        <source>cannot decode JPEG: %1</source>
        <translation>kan JPEG niet decoderen: %1</translation>
    </message>
    <message>
        <source>%1 is too large for a JPEG picture</source>
        <translation>%1 is te groot voor een JPEG-afbeelding</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>kan %1 niet lezen: %2</translation>
    </message>
    <message>
        <source>cannot decode %1 picture %2: %3</source>
        <translation>kan %1-afbeelding %2 niet decoderen: %3</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 is geen gewoon bestand</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>kan %1 niet openen: %2</translation>
    </message>
    <message>
        <source>picture size %1x%2 is outside the allowed limits</source>
        <translation>afbeeldingsgrootte %1x%2 valt buiten de toegestane grenzen</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Unexpected failure.</source>
        <translation>Onverwachte fout.</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>Resume &amp;Last Game</source>
        <comment>Game menu</comment>
        <extracomment>Brings back the game in progress when the game last ended or another picture was opened</extracomment>
        <translation>&amp;Laatste spel hervatten</translation>
    </message>
    <message>
        <source>No game is kept.</source>
        <translation>Er is geen spel bewaard.</translation>
    </message>
    <message>
        <source>The kept game could not be read: it was damaged, or written by another version of Pindrel. It has been set aside as %1.</source>
        <extracomment>%1 is a file name</extracomment>
        <translation>Het bewaarde spel kon niet worden gelezen: het was beschadigd of geschreven door een andere versie van Pindrel. Het is opzijgezet als %1.</translation>
    </message>
    <message>
        <source>The picture of the kept game is gone or has changed:
%1</source>
        <translation>De afbeelding van het bewaarde spel is verdwenen of gewijzigd:
%1</translation>
    </message>
    <message>
        <source>The picture of the kept game could not be opened:
%1</source>
        <translation>De afbeelding van het bewaarde spel kon niet worden geopend:
%1</translation>
    </message>
    <message>
        <source>Resume Last Game</source>
        <extracomment>Title of a message box; the same command as the Game menu&apos;s Resume Last Game</extracomment>
        <translation>Laatste spel hervatten</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Keys</source>
        <extracomment>Title of the dialog listing every key the game answers</extracomment>
        <translation>Toetsen</translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>Column headings of the Keys table: a key, and what it does</extracomment>
        <translation>Toets</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Opdracht</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <extracomment>Key column of the Keys table: the four arrow keys</extracomment>
        <translation>Pijltjestoetsen</translation>
    </message>
    <message>
        <source>Move the keyboard cursor</source>
        <translation>Toetsenbordcursor verplaatsen</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <extracomment>Key column of the Keys table: the space bar and the Enter key</extracomment>
        <translation>Spatiebalk, Enter</translation>
    </message>
    <message>
        <source>Press the tile under the cursor (the first press shows it)</source>
        <translation>Stukje onder de cursor kiezen (de eerste druk toont de cursor)</translation>
    </message>
    <message>
        <source>Ctrl+Arrow keys</source>
        <extracomment>Key column of the Keys table: Ctrl held with an arrow key</extracomment>
        <translation>Ctrl+pijltjestoetsen</translation>
    </message>
    <message>
        <source>Move Blocks: slide the tile on that side of the gap into it</source>
        <extracomment>&quot;Move Blocks&quot; is the kind of game, as in the options</extracomment>
        <translation>Stukjes schuiven: het stukje aan die kant van het gat erin schuiven</translation>
    </message>
    <message>
        <source>Esc</source>
        <extracomment>Key column of the Keys table: the Escape key</extracomment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Volledig scherm verlaten</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <comment>Help menu</comment>
        <extracomment>Opens the table of every key the game answers</extracomment>
        <translation>&amp;Toetsen…</translation>
    </message>
</context>
<context>
    <name>OpenFilters</name>
    <message>
        <source>Supported File Types (*.jpg; *.jpeg; *.avi) (*.jpg *.jpeg *.avi)</source>
        <extracomment>The patterns in brackets stay as they are: the second brackets are what the dialog matches</extracomment>
        <translation>Ondersteunde bestandstypen (*.jpg; *.jpeg; *.avi) (*.jpg *.jpeg *.avi)</translation>
    </message>
    <message>
        <source>JPEG Images (*.jpg; *.jpeg) (*.jpg *.jpeg)</source>
        <translation>JPEG-afbeeldingen (*.jpg; *.jpeg) (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>AVI videos (*.avi) (*.avi)</source>
        <translation>AVI-video&apos;s (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>All pictures and videos</source>
        <translation>Alle afbeeldingen en video&apos;s</translation>
    </message>
    <message>
        <source>Other pictures</source>
        <translation>Andere afbeeldingen</translation>
    </message>
    <message>
        <source>Other videos</source>
        <translation>Andere video&apos;s</translation>
    </message>
</context>
<context>
    <name>PauseControl</name>
    <message>
        <source>Paused</source>
        <extracomment>Shown large over the board while the game is paused</extracomment>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <comment>Game menu</comment>
        <extracomment>Stops the clock and covers the board until chosen again</extracomment>
        <translation>&amp;Pauzeren</translation>
    </message>
</context>
<context>
    <name>PlayAssist</name>
    <message>
        <source>Start-up picture</source>
        <extracomment>Name of the game&apos;s own picture in the Records table</extracomment>
        <translation>Startafbeelding</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>Game menu</comment>
        <translation>Ongedaan &amp;maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>Game menu</comment>
        <translation>&amp;Herhalen</translation>
    </message>
    <message>
        <source>Records...</source>
        <comment>Help menu</comment>
        <translation>Records…</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <comment>Game menu</comment>
        <extracomment>Shows which tile to move next on the board</extracomment>
        <translation>H&amp;int</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>New record: best time and fewest moves</source>
        <translation>Nieuw record: beste tijd en minste zetten</translation>
    </message>
    <message>
        <source>New record: best time</source>
        <translation>Nieuw record: beste tijd</translation>
    </message>
    <message>
        <source>New record: fewest moves</source>
        <translation>Nieuw record: minste zetten</translation>
    </message>
</context>
<context>
    <name>RecordsDialog</name>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Records, newest first</source>
        <translation>Records, nieuwste eerst</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>kind of game</comment>
        <translation>Speltype</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Beste tijd</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Minste zetten</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>&amp;Clear Records</source>
        <translation>Records &amp;wissen</translation>
    </message>
    <message>
        <source>Clear Records</source>
        <translation>Records wissen</translation>
    </message>
    <message>
        <source>Move Blocks</source>
        <translation>Stukjes schuiven</translation>
    </message>
    <message>
        <source>Swap Blocks</source>
        <translation>Stukjes wisselen</translation>
    </message>
    <message>
        <source>Clear all records?</source>
        <translation>Alle records wissen?</translation>
    </message>
    <message>
        <source>Unable to clear the records.</source>
        <translation>Kan de records niet wissen.</translation>
    </message>
</context>
<context>
    <name>StartupPicture</name>
    <message>
        <source>a picture puzzle</source>
        <translation>een fotopuzzel</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Pindrel</source>
        <translation>Over Pindrel</translation>
    </message>
    <message>
        <source>Pindrel v1.2

A picture puzzle: any photo or video becomes a board of tiles to put back in order.

Written in C++ with Qt. Pictures are decoded by libjpeg-turbo, videos by FFmpeg.

Thanks to everyone who played the early versions and sent in their best times.

Contact: %1</source>
        <translation>Pindrel v1.2

Een fotopuzzel: elke foto of video wordt een bord vol stukjes die weer op hun plek moeten.

Geschreven in C++ met Qt. Afbeeldingen worden gedecodeerd door libjpeg-turbo, video&apos;s door FFmpeg.

Dank aan iedereen die de eerste versies speelde en zijn beste tijden instuurde.

Contact: %1</translation>
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
        <translation>Schudden</translation>
    </message>
    <message>
        <source>Browsing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Surfen</translation>
    </message>
    <message numerus="yes">
        <source>Puzzle Completed! (%n moves)</source>
        <translation>
            <numerusform>Puzzel opgelost! (%n zet)</numerusform>
            <numerusform>Puzzel opgelost! (%n zetten)</numerusform>
        </translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Downloaden</translation>
    </message>
    <message>
        <source>Processing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Verwerken</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Unable to download image.</source>
        <translation>Kan de afbeelding niet downloaden.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Loadng</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Kan het bestand niet openen.</translation>
    </message>
    <message>
        <source>Searching</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Try Again? </source>
        <translation>Nog een keer? </translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Afbeelding openen</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Names a tool button that shows only an icon, for screen readers and the tool bar&apos;s overflow</extracomment>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Open image</source>
        <translation>Afbeelding openen</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Find images on the web</source>
        <translation>Afbeeldingen zoeken op het web</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Spel opnieuw starten</translation>
    </message>
    <message>
        <source>Refresh/Restart</source>
        <translation>Vernieuwen/Opnieuw starten</translation>
    </message>
    <message>
        <source>Previous Image</source>
        <translation>Vorige afbeelding</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Next Image</source>
        <translation>Volgende afbeelding</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Moves taken</source>
        <translation>Aantal zetten</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Verstreken tijd</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <comment>menu bar</comment>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>Game menu</comment>
        <translation>&amp;Openen…</translation>
    </message>
    <message>
        <source>Open &amp;URL...</source>
        <comment>Game menu</comment>
        <translation>&amp;URL openen…</translation>
    </message>
    <message>
        <source>Puzzles on the &amp;Web</source>
        <comment>Game menu</comment>
        <translation>Puzzels op het &amp;web</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <comment>Game menu</comment>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Beeld</translation>
    </message>
    <message>
        <source>&amp;Restart/Refresh</source>
        <comment>View menu</comment>
        <translation>Opnieuw &amp;starten/Vernieuwen</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <comment>View menu</comment>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>View menu</comment>
        <translation>&amp;Volgende</translation>
    </message>
    <message>
        <source>Show &amp;Solution</source>
        <comment>View menu</comment>
        <translation>&amp;Oplossing tonen</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <comment>View menu</comment>
        <translation>Volledig sc&amp;herm</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>menu bar</comment>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <comment>Options menu</comment>
        <translation>&amp;Instellingen…</translation>
    </message>
    <message>
        <source>&amp;Show Toolbar</source>
        <comment>Options menu</comment>
        <translation>&amp;Werkbalk tonen</translation>
    </message>
    <message>
        <source>&amp;Dim Selected Tiles</source>
        <comment>Options menu</comment>
        <translation>Geselecteerde stukjes &amp;dimmen</translation>
    </message>
    <message>
        <source>Dim Incorrect Tiles</source>
        <comment>Options menu</comment>
        <translation>Verkeerde stukjes dimmen</translation>
    </message>
    <message>
        <source>&amp;Grid Overlay</source>
        <comment>Options menu</comment>
        <translation>&amp;Raster tonen</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <comment>Options menu</comment>
        <translation>Geluid afspelen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About Pindrel...</source>
        <comment>Help menu</comment>
        <translation>&amp;Over Pindrel…</translation>
    </message>
    <message>
        <source>Visit Pindrel Online...</source>
        <comment>Help menu</comment>
        <translation>Pindrel online bezoeken…</translation>
    </message>
    <message>
        <source>%1: not a playable video</source>
        <translation>%1: geen afspeelbare video</translation>
    </message>
    <message>
        <source>Unable to navigate to the website.</source>
        <translation>Kan de website niet bereiken.</translation>
    </message>
</context>
<context>
    <name>TfrmOpenURL</name>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Type an internet address below, and click OK.</source>
        <translation>Typ hieronder een internetadres en klik op OK.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>General  </source>
        <translation>Algemeen  </translation>
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
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spelopties</translation>
    </message>
    <message>
        <source>Swap Blocks</source>
        <translation>Stukjes wisselen</translation>
    </message>
    <message>
        <source>Move Blocks</source>
        <translation>Stukjes schuiven</translation>
    </message>
    <message>
        <source>Restart video</source>
        <translation>Video opnieuw starten</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Speltype</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolommen</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rijen</translation>
    </message>
    <message>
        <source>Avi Refresh</source>
        <translation>AVI-verversing</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Snel</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langzaam</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>You&apos;re current game will be lost.

Are you sure you want to restart?</source>
        <translation>Het huidige spel gaat verloren.

Weet je zeker dat je opnieuw wilt beginnen?</translation>
    </message>
</context>
</TS>
