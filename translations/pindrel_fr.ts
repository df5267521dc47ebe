<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Puzzle board</source>
        <translation>Plateau de jeu</translation>
    </message>
    <message>
        <source>Solution picture</source>
        <translation>Image de la solution</translation>
    </message>
    <message>
        <source>Darkened picture</source>
        <translation>Image assombrie</translation>
    </message>
    <message>
        <source>Moves taken</source>
        <translation>Coups joués</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Game message</source>
        <translation>Message du jeu</translation>
    </message>
    <message>
        <source>Game message shadow</source>
        <translation>Ombre du message du jeu</translation>
    </message>
    <message>
        <source>New record</source>
        <translation>Nouveau record</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Tool strip</source>
        <translation>Bandeau d&apos;outils</translation>
    </message>
    <message>
        <source>Web pane</source>
        <translation>Panneau web</translation>
    </message>
    <message>
        <source>Picture area</source>
        <translation>Zone de l&apos;image</translation>
    </message>
    <message>
        <source>Board pane</source>
        <translation>Panneau du plateau</translation>
    </message>
    <message>
        <source>Keyboard cursor and hint</source>
        <translation>Curseur clavier et indice</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Plus d&apos;outils</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Plus de menus</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A picture puzzle: a picture or a video cut into tiles to put back in order.</source>
        <translation>Un puzzle d&apos;images : une image ou une vidéo découpée en pièces à remettre dans l&apos;ordre.</translation>
    </message>
    <message>
        <source>A picture or video to open (a path or a file: URL), or the http or https address of a picture to download.</source>
        <translation>Une image ou une vidéo à ouvrir (un chemin ou une URL file:), ou l&apos;adresse http ou https d&apos;une image à télécharger.</translation>
    </message>
    <message>
        <source>[FILE-OR-ADDRESS]</source>
        <translation>[FICHIER-OU-ADRESSE]</translation>
    </message>
    <message>
        <source>Resume the game kept when Pindrel last ended.</source>
        <translation>Reprendre la partie conservée à la dernière fermeture de Pindrel.</translation>
    </message>
</context>
<context>
    <name>DecodeError</name>
    <message>
        <source>%1 is not a picture that can be opened</source>
        <translation>%1 n&apos;est pas une image qui peut être ouverte</translation>
    </message>
    <message>
        <source>BMP %1 is far too short for its size %2x%3</source>
        <translation>le BMP %1 est bien trop court pour sa taille de %2x%3</translation>
    </message>
    <message>
        <source>out of memory for BMP %1</source>
        <translation>mémoire insuffisante pour le BMP %1</translation>
    </message>
    <message>
        <source>cannot decode BMP %1: %2</source>
        <translation>impossible de décoder le BMP %1 : %2</translation>
    </message>
    <message>
        <source>BMP %1 decoded to an unexpected size</source>
        <translation>le BMP %1 a été décodé à une taille inattendue</translation>
    </message>
    <message>
        <source>out of memory for the picture</source>
        <translation>mémoire insuffisante pour l&apos;image</translation>
    </message>
    <message>
        <source>cannot decode JPEG: %1</source>
        <translation>impossible de décoder le JPEG : %1</translation>
    </message>
    <message>
        <source>%1 is too large for a JPEG picture</source>
        <translation>%1 est trop grand pour une image JPEG</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>cannot decode %1 picture %2: %3</source>
        <translation>impossible de décoder l&apos;image %1 %2 : %3</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>picture size %1x%2 is outside the allowed limits</source>
        <translation>la taille d&apos;image %1x%2 dépasse les limites autorisées</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Unexpected failure.</source>
        <translation>Erreur inattendue.</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>Resume &amp;Last Game</source>
        <comment>Game menu</comment>
        <extracomment>Brings back the game in progress when the game last ended or another picture was opened</extracomment>
        <translation>Reprendre la &amp;dernière partie</translation>
    </message>
    <message>
        <source>No game is kept.</source>
        <translation>Aucune partie n&apos;est conservée.</translation>
    </message>
    <message>
        <source>The kept game could not be read: it was damaged, or written by another version of Pindrel. It has been set aside as %1.</source>
        <extracomment>%1 is a file name</extracomment>
        <translation>La partie conservée n&apos;a pas pu être lue : elle était endommagée, ou écrite par une autre version de Pindrel. Elle a été mise de côté sous le nom %1.</translation>
    </message>
    <message>
        <source>The picture of the kept game is gone or has changed:
%1</source>
        <translation>L&apos;image de la partie conservée a disparu ou a été modifiée :
%1</translation>
    </message>
    <message>
        <source>The picture of the kept game could not be opened:
%1</source>
        <translation>L&apos;image de la partie conservée n&apos;a pas pu être ouverte :
%1</translation>
    </message>
    <message>
        <source>Resume Last Game</source>
        <extracomment>Title of a message box; the same command as the Game menu&apos;s Resume Last Game</extracomment>
        <translation>Reprendre la dernière partie</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Keys</source>
        <extracomment>Title of the dialog listing every key the game answers</extracomment>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>Column headings of the Keys table: a key, and what it does</extracomment>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <extracomment>Key column of the Keys table: the four arrow keys</extracomment>
        <translation>Flèches</translation>
    </message>
    <message>
        <source>Move the keyboard cursor</source>
        <translation>Déplacer le curseur clavier</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <extracomment>Key column of the Keys table: the space bar and the Enter key</extracomment>
        <translation>Espace, Entrée</translation>
    </message>
    <message>
        <source>Press the tile under the cursor (the first press shows it)</source>
        <translation>Activer la pièce sous le curseur (le premier appui affiche le curseur)</translation>
    </message>
    <message>
        <source>Ctrl+Arrow keys</source>
        <extracomment>Key column of the Keys table: Ctrl held with an arrow key</extracomment>
        <translation>Ctrl+Flèches</translation>
    </message>
    <message>
        <source>Move Blocks: slide the tile on that side of the gap into it</source>
        <extracomment>&quot;Move Blocks&quot; is the kind of game, as in the options</extracomment>
        <translation>Déplacer les pièces : faire glisser dans le trou la pièce de ce côté</translation>
    </message>
    <message>
        <source>Esc</source>
        <extracomment>Key column of the Keys table: the Escape key</extracomment>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Quitter le plein écran</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <comment>Help menu</comment>
        <extracomment>Opens the table of every key the game answers</extracomment>
        <translation>&amp;Touches…</translation>
    </message>
</context>
<context>
    <name>OpenFilters</name>
    <message>
        <source>Supported File Types (*.jpg; *.jpeg; *.avi) (*.jpg *.jpeg *.avi)</source>
        <extracomment>The patterns in brackets stay as they are: the second brackets are what the dialog matches</extracomment>
        <translation>Types de fichiers pris en charge (*.jpg; *.jpeg; *.avi) (*.jpg *.jpeg *.avi)</translation>
    </message>
    <message>
        <source>JPEG Images (*.jpg; *.jpeg) (*.jpg *.jpeg)</source>
        <translation>Images JPEG (*.jpg; *.jpeg) (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>AVI videos (*.avi) (*.avi)</source>
        <translation>Vidéos AVI (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>All pictures and videos</source>
        <translation>Toutes les images et vidéos</translation>
    </message>
    <message>
        <source>Other pictures</source>
        <translation>Autres images</translation>
    </message>
    <message>
        <source>Other videos</source>
        <translation>Autres vidéos</translation>
    </message>
</context>
<context>
    <name>PauseControl</name>
    <message>
        <source>Paused</source>
        <extracomment>Shown large over the board while the game is paused</extracomment>
        <translation>En pause</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <comment>Game menu</comment>
        <extracomment>Stops the clock and covers the board until chosen again</extracomment>
        <translation>&amp;Pause</translation>
    </message>
</context>
<context>
    <name>PlayAssist</name>
    <message>
        <source>Start-up picture</source>
        <extracomment>Name of the game&apos;s own picture in the Records table</extracomment>
        <translation>Image de démarrage</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>Game menu</comment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>Game menu</comment>
        <translation>&amp;Rétablir</translation>
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
        <translation>&amp;Indice</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>New record: best time and fewest moves</source>
        <translation>Nouveau record : meilleur temps et moins de coups</translation>
    </message>
    <message>
        <source>New record: best time</source>
        <translation>Nouveau record : meilleur temps</translation>
    </message>
    <message>
        <source>New record: fewest moves</source>
        <translation>Nouveau record : moins de coups</translation>
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
        <translation>Records, du plus récent au plus ancien</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>kind of game</comment>
        <translation>Type de jeu</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Moins de coups</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>&amp;Clear Records</source>
        <translation>&amp;Effacer les records</translation>
    </message>
    <message>
        <source>Clear Records</source>
        <translation>Effacer les records</translation>
    </message>
    <message>
        <source>Move Blocks</source>
        <translation>Déplacer les pièces</translation>
    </message>
    <message>
        <source>Swap Blocks</source>
        <translation>Échanger les pièces</translation>
    </message>
    <message>
        <source>Clear all records?</source>
        <translation>Effacer tous les records ?</translation>
    </message>
    <message>
        <source>Unable to clear the records.</source>
        <translation>Impossible d&apos;effacer les records.</translation>
    </message>
</context>
<context>
    <name>StartupPicture</name>
    <message>
        <source>a picture puzzle</source>
        <translation>un puzzle d&apos;images</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Pindrel</source>
        <translation>À propos de Pindrel</translation>
    </message>
    <message>
        <source>Pindrel v1.2

A picture puzzle: any photo or video becomes a board of tiles to put back in order.

Written in C++ with Qt. Pictures are decoded by libjpeg-turbo, videos by FFmpeg.

Thanks to everyone who played the early versions and sent in their best times.

Contact: %1</source>
        <translation>Pindrel v1.2

Un puzzle d&apos;images : n&apos;importe quelle photo ou vidéo devient un plateau de pièces à remettre dans l&apos;ordre.

Écrit en C++ avec Qt. Les images sont décodées par libjpeg-turbo, les vidéos par FFmpeg.

Merci à toutes celles et à tous ceux qui ont joué aux premières versions et nous ont envoyé leurs meilleurs temps.

Contact : %1</translation>
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
        <translation>Mélange</translation>
    </message>
    <message>
        <source>Browsing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Navigation</translation>
    </message>
    <message numerus="yes">
        <source>Puzzle Completed! (%n moves)</source>
        <translation>
            <numerusform>Puzzle terminé ! (%n coup)</numerusform>
            <numerusform>Puzzle terminé ! (%n coups)</numerusform>
        </translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Processing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Traitement</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Unable to download image.</source>
        <translation>Impossible de télécharger l&apos;image.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Loadng</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>Impossible d&apos;ouvrir le fichier.</translation>
    </message>
    <message>
        <source>Searching</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Try Again? </source>
        <translation>Rejouer ? </translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Names a tool button that shows only an icon, for screen readers and the tool bar&apos;s overflow</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open image</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Find images on the web</source>
        <translation>Chercher des images sur le web</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Recommencer la partie</translation>
    </message>
    <message>
        <source>Refresh/Restart</source>
        <translation>Actualiser/Recommencer</translation>
    </message>
    <message>
        <source>Previous Image</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Next Image</source>
        <translation>Image suivante</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Moves taken</source>
        <translation>Coups joués</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <comment>menu bar</comment>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>Game menu</comment>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open &amp;URL...</source>
        <comment>Game menu</comment>
        <translation>Ouvrir une &amp;URL…</translation>
    </message>
    <message>
        <source>Puzzles on the &amp;Web</source>
        <comment>Game menu</comment>
        <translation>Puzzles sur le &amp;web</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <comment>Game menu</comment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Restart/Refresh</source>
        <comment>View menu</comment>
        <translation>&amp;Recommencer/Actualiser</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <comment>View menu</comment>
        <translation>&amp;Précédente</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>View menu</comment>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>Show &amp;Solution</source>
        <comment>View menu</comment>
        <translation>Afficher la s&amp;olution</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <comment>View menu</comment>
        <translation>Plein é&amp;cran</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>menu bar</comment>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <comment>Options menu</comment>
        <translation>&amp;Paramètres…</translation>
    </message>
    <message>
        <source>&amp;Show Toolbar</source>
        <comment>Options menu</comment>
        <translation>Afficher la &amp;barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Dim Selected Tiles</source>
        <comment>Options menu</comment>
        <translation>Assombrir les pièces &amp;sélectionnées</translation>
    </message>
    <message>
        <source>Dim Incorrect Tiles</source>
        <comment>Options menu</comment>
        <translation>Assombrir les pièces mal placées</translation>
    </message>
    <message>
        <source>&amp;Grid Overlay</source>
        <comment>Options menu</comment>
        <translation>Afficher la &amp;grille</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <comment>Options menu</comment>
        <translation>Jouer le son</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;About Pindrel...</source>
        <comment>Help menu</comment>
        <translation>À &amp;propos de Pindrel…</translation>
    </message>
    <message>
        <source>Visit Pindrel Online...</source>
        <comment>Help menu</comment>
        <translation>Visiter Pindrel en ligne…</translation>
    </message>
    <message>
        <source>%1: not a playable video</source>
        <translation>%1 : ce n&apos;est pas une vidéo lisible</translation>
    </message>
    <message>
        <source>Unable to navigate to the website.</source>
        <translation>Impossible d&apos;accéder au site web.</translation>
    </message>
</context>
<context>
    <name>TfrmOpenURL</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Type an internet address below, and click OK.</source>
        <translation>Saisissez une adresse internet ci-dessous, puis cliquez sur OK.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>General  </source>
        <translation>Général  </translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Options de jeu</translation>
    </message>
    <message>
        <source>Swap Blocks</source>
        <translation>Échanger les pièces</translation>
    </message>
    <message>
        <source>Move Blocks</source>
        <translation>Déplacer les pièces</translation>
    </message>
    <message>
        <source>Restart video</source>
        <translation>Relancer la vidéo</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Type de jeu</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Avi Refresh</source>
        <translation>Rafraîchissement AVI</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>You&apos;re current game will be lost.

Are you sure you want to restart?</source>
        <translation>La partie en cours sera perdue.

Voulez-vous vraiment recommencer ?</translation>
    </message>
</context>
</TS>
