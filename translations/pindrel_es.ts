<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Puzzle board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Solution picture</source>
        <translation>Imagen de la solución</translation>
    </message>
    <message>
        <source>Darkened picture</source>
        <translation>Imagen oscurecida</translation>
    </message>
    <message>
        <source>Moves taken</source>
        <translation>Movimientos realizados</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>Game message</source>
        <translation>Mensaje del juego</translation>
    </message>
    <message>
        <source>Game message shadow</source>
        <translation>Sombra del mensaje del juego</translation>
    </message>
    <message>
        <source>New record</source>
        <translation>Nuevo récord</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Tool strip</source>
        <translation>Franja de herramientas</translation>
    </message>
    <message>
        <source>Web pane</source>
        <translation>Panel web</translation>
    </message>
    <message>
        <source>Picture area</source>
        <translation>Área de la imagen</translation>
    </message>
    <message>
        <source>Board pane</source>
        <translation>Panel del tablero</translation>
    </message>
    <message>
        <source>Keyboard cursor and hint</source>
        <translation>Cursor de teclado y pista</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Más herramientas</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Más menús</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A picture puzzle: a picture or a video cut into tiles to put back in order.</source>
        <translation>Un puzle de imágenes: una imagen o un vídeo cortado en piezas que hay que volver a ordenar.</translation>
    </message>
    <message>
        <source>A picture or video to open (a path or a file: URL), or the http or https address of a picture to download.</source>
        <translation>Una imagen o un vídeo que abrir (una ruta o una URL file:), o la dirección http o https de una imagen que descargar.</translation>
    </message>
    <message>
        <source>[FILE-OR-ADDRESS]</source>
        <translation>[ARCHIVO-O-DIRECCIÓN]</translation>
    </message>
    <message>
        <source>Resume the game kept when Pindrel last ended.</source>
        <translation>Reanudar la partida guardada al cerrar Pindrel por última vez.</translation>
    </message>
</context>
<context>
    <name>DecodeError</name>
    <message>
        <source>%1 is not a picture that can be opened</source>
        <translation>%1 no es una imagen que se pueda abrir</translation>
    </message>
    <message>
        <source>BMP %1 is far too short for its size %2x%3</source>
        <translation>el BMP %1 es demasiado corto para su tamaño de %2x%3</translation>
    </message>
    <message>
        <source>out of memory for BMP %1</source>
        <translation>no hay memoria suficiente para el BMP %1</translation>
    </message>
    <message>
        <source>cannot decode BMP %1: %2</source>
        <translation>no se puede decodificar el BMP %1: %2</translation>
    </message>
    <message>
        <source>BMP %1 decoded to an unexpected size</source>
        <translation>el BMP %1 se decodificó con un tamaño inesperado</translation>
    </message>
    <message>
        <source>out of memory for the picture</source>
        <translation>no hay memoria suficiente para la imagen</translation>
    </message>
    <message>
        <source>cannot decode JPEG: %1</source>
        <translation>no se puede decodificar el JPEG: %1</translation>
    </message>
    <message>
        <source>%1 is too large for a JPEG picture</source>
        <translation>%1 es demasiado grande para una imagen JPEG</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>cannot decode %1 picture %2: %3</source>
        <translation>no se puede decodificar la imagen %1 %2: %3</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>picture size %1x%2 is outside the allowed limits</source>
        <translation>el tamaño de imagen %1x%2 está fuera de los límites permitidos</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Unexpected failure.</source>
        <translation>Error inesperado.</translation>
    </message>
</context>
<context>
    <name>GameKeeper</name>
    <message>
        <source>Resume &amp;Last Game</source>
        <comment>Game menu</comment>
        <extracomment>Brings back the game in progress when the game last ended or another picture was opened</extracomment>
        <translation>Reanudar la ú&amp;ltima partida</translation>
    </message>
    <message>
        <source>No game is kept.</source>
        <translation>No hay ninguna partida guardada.</translation>
    </message>
    <message>
        <source>The kept game could not be read: it was damaged, or written by another version of Pindrel. It has been set aside as %1.</source>
        <extracomment>%1 is a file name</extracomment>
        <translation>No se pudo leer la partida guardada: estaba dañada o la escribió otra versión de Pindrel. Se ha apartado como %1.</translation>
    </message>
    <message>
        <source>The picture of the kept game is gone or has changed:
%1</source>
        <translation>La imagen de la partida guardada ya no está o ha cambiado:
%1</translation>
    </message>
    <message>
        <source>The picture of the kept game could not be opened:
%1</source>
        <translation>No se pudo abrir la imagen de la partida guardada:
%1</translation>
    </message>
    <message>
        <source>Resume Last Game</source>
        <extracomment>Title of a message box; the same command as the Game menu&apos;s Resume Last Game</extracomment>
        <translation>Reanudar la última partida</translation>
    </message>
</context>
<context>
    <name>KeysDialog</name>
    <message>
        <source>Keys</source>
        <extracomment>Title of the dialog listing every key the game answers</extracomment>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>Column headings of the Keys table: a key, and what it does</extracomment>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <extracomment>Key column of the Keys table: the four arrow keys</extracomment>
        <translation>Flechas</translation>
    </message>
    <message>
        <source>Move the keyboard cursor</source>
        <translation>Mover el cursor del teclado</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <extracomment>Key column of the Keys table: the space bar and the Enter key</extracomment>
        <translation>Espacio, Intro</translation>
    </message>
    <message>
        <source>Press the tile under the cursor (the first press shows it)</source>
        <translation>Pulsar la pieza bajo el cursor (la primera pulsación muestra el cursor)</translation>
    </message>
    <message>
        <source>Ctrl+Arrow keys</source>
        <extracomment>Key column of the Keys table: Ctrl held with an arrow key</extracomment>
        <translation>Control+Flechas</translation>
    </message>
    <message>
        <source>Move Blocks: slide the tile on that side of the gap into it</source>
        <extracomment>&quot;Move Blocks&quot; is the kind of game, as in the options</extracomment>
        <translation>Mover piezas: deslizar al hueco la pieza de ese lado</translation>
    </message>
    <message>
        <source>Esc</source>
        <extracomment>Key column of the Keys table: the Escape key</extracomment>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Salir de pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <comment>Help menu</comment>
        <extracomment>Opens the table of every key the game answers</extracomment>
        <translation>&amp;Teclas…</translation>
    </message>
</context>
<context>
    <name>OpenFilters</name>
    <message>
        <source>Supported File Types (*.jpg; *.jpeg; *.avi) (*.jpg *.jpeg *.avi)</source>
        <extracomment>The patterns in brackets stay as they are: the second brackets are what the dialog matches</extracomment>
        <translation>Tipos de archivo admitidos (*.jpg; *.jpeg; *.avi) (*.jpg *.jpeg *.avi)</translation>
    </message>
    <message>
        <source>JPEG Images (*.jpg; *.jpeg) (*.jpg *.jpeg)</source>
        <translation>Imágenes JPEG (*.jpg; *.jpeg) (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>AVI videos (*.avi) (*.avi)</source>
        <translation>Vídeos AVI (*.avi) (*.avi)</translation>
    </message>
    <message>
        <source>All pictures and videos</source>
        <translation>Todas las imágenes y vídeos</translation>
    </message>
    <message>
        <source>Other pictures</source>
        <translation>Otras imágenes</translation>
    </message>
    <message>
        <source>Other videos</source>
        <translation>Otros vídeos</translation>
    </message>
</context>
<context>
    <name>PauseControl</name>
    <message>
        <source>Paused</source>
        <extracomment>Shown large over the board while the game is paused</extracomment>
        <translation>En pausa</translation>
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
        <translation>Imagen de inicio</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <comment>Game menu</comment>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <comment>Game menu</comment>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Records...</source>
        <comment>Help menu</comment>
        <translation>Récords…</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <comment>Game menu</comment>
        <extracomment>Shows which tile to move next on the board</extracomment>
        <translation>P&amp;ista</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>New record: best time and fewest moves</source>
        <translation>Nuevo récord: mejor tiempo y menos movimientos</translation>
    </message>
    <message>
        <source>New record: best time</source>
        <translation>Nuevo récord: mejor tiempo</translation>
    </message>
    <message>
        <source>New record: fewest moves</source>
        <translation>Nuevo récord: menos movimientos</translation>
    </message>
</context>
<context>
    <name>RecordsDialog</name>
    <message>
        <source>Records</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Records, newest first</source>
        <translation>Récords, los más recientes primero</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>kind of game</comment>
        <translation>Modo de juego</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <translation>Menos movimientos</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>&amp;Clear Records</source>
        <translation>&amp;Borrar récords</translation>
    </message>
    <message>
        <source>Clear Records</source>
        <translation>Borrar récords</translation>
    </message>
    <message>
        <source>Move Blocks</source>
        <translation>Mover piezas</translation>
    </message>
    <message>
        <source>Swap Blocks</source>
        <translation>Intercambiar piezas</translation>
    </message>
    <message>
        <source>Clear all records?</source>
        <translation>¿Borrar todos los récords?</translation>
    </message>
    <message>
        <source>Unable to clear the records.</source>
        <translation>No se pudieron borrar los récords.</translation>
    </message>
</context>
<context>
    <name>StartupPicture</name>
    <message>
        <source>a picture puzzle</source>
        <translation>un puzle de imágenes</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Pindrel</source>
        <translation>Acerca de Pindrel</translation>
    </message>
    <message>
        <source>Pindrel v1.2

A picture puzzle: any photo or video becomes a board of tiles to put back in order.

Written in C++ with Qt. Pictures are decoded by libjpeg-turbo, videos by FFmpeg.

Thanks to everyone who played the early versions and sent in their best times.

Contact: %1</source>
        <translation>Pindrel v1.2

Un puzle de imágenes: cualquier foto o vídeo se convierte en un tablero de piezas que hay que volver a ordenar.

Escrito en C++ con Qt. Las imágenes las decodifica libjpeg-turbo, y los vídeos, FFmpeg.

Gracias a todos los que jugaron a las primeras versiones y nos enviaron sus mejores tiempos.

Contacto: %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Randomizing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Mezclando</translation>
    </message>
    <message>
        <source>Browsing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Navegando</translation>
    </message>
    <message numerus="yes">
        <source>Puzzle Completed! (%n moves)</source>
        <translation>
            <numerusform>¡Puzle completado! (%n movimiento)</numerusform>
            <numerusform>¡Puzle completado! (%n movimientos)</numerusform>
        </translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>Processing</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Procesando</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Unable to download image.</source>
        <translation>No se pudo descargar la imagen.</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <source>Loadng</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Unable to open file.</source>
        <translation>No se pudo abrir el archivo.</translation>
    </message>
    <message>
        <source>Searching</source>
        <extracomment>In the clock&apos;s place on the tool bar, 88 pixels wide: keep it short</extracomment>
        <translation>Buscando</translation>
    </message>
    <message>
        <source>Try Again? </source>
        <translation>¿Otra vez? </translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Names a tool button that shows only an icon, for screen readers and the tool bar&apos;s overflow</extracomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open image</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Find images on the web</source>
        <translation>Buscar imágenes en la web</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Reiniciar partida</translation>
    </message>
    <message>
        <source>Refresh/Restart</source>
        <translation>Actualizar/Reiniciar</translation>
    </message>
    <message>
        <source>Previous Image</source>
        <translation>Imagen anterior</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Next Image</source>
        <translation>Imagen siguiente</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Moves taken</source>
        <translation>Movimientos realizados</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <comment>menu bar</comment>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <comment>Game menu</comment>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open &amp;URL...</source>
        <comment>Game menu</comment>
        <translation>Abrir &amp;URL…</translation>
    </message>
    <message>
        <source>Puzzles on the &amp;Web</source>
        <comment>Game menu</comment>
        <translation>Puzles en la &amp;web</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <comment>Game menu</comment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <comment>menu bar</comment>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Restart/Refresh</source>
        <comment>View menu</comment>
        <translation>&amp;Reiniciar/Actualizar</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <comment>View menu</comment>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <comment>View menu</comment>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Show &amp;Solution</source>
        <comment>View menu</comment>
        <translation>Mostrar s&amp;olución</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <comment>View menu</comment>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <comment>menu bar</comment>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Setup...</source>
        <comment>Options menu</comment>
        <translation>&amp;Configuración…</translation>
    </message>
    <message>
        <source>&amp;Show Toolbar</source>
        <comment>Options menu</comment>
        <translation>Mostrar &amp;barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Dim Selected Tiles</source>
        <comment>Options menu</comment>
        <translation>&amp;Oscurecer piezas seleccionadas</translation>
    </message>
    <message>
        <source>Dim Incorrect Tiles</source>
        <comment>Options menu</comment>
        <translation>Oscurecer piezas mal colocadas</translation>
    </message>
    <message>
        <source>&amp;Grid Overlay</source>
        <comment>Options menu</comment>
        <translation>&amp;Superponer cuadrícula</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <comment>Options menu</comment>
        <translation>Reproducir sonido</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Pindrel...</source>
        <comment>Help menu</comment>
        <translation>&amp;Acerca de Pindrel…</translation>
    </message>
    <message>
        <source>Visit Pindrel Online...</source>
        <comment>Help menu</comment>
        <translation>Visitar Pindrel en línea…</translation>
    </message>
    <message>
        <source>%1: not a playable video</source>
        <translation>%1: no es un vídeo reproducible</translation>
    </message>
    <message>
        <source>Unable to navigate to the website.</source>
        <translation>No se pudo acceder al sitio web.</translation>
    </message>
</context>
<context>
    <name>TfrmOpenURL</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Type an internet address below, and click OK.</source>
        <translation>Escriba una dirección de internet abajo y pulse Aceptar.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>General  </source>
        <translation>General  </translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opciones de juego</translation>
    </message>
    <message>
        <source>Swap Blocks</source>
        <translation>Intercambiar piezas</translation>
    </message>
    <message>
        <source>Move Blocks</source>
        <translation>Mover piezas</translation>
    </message>
    <message>
        <source>Restart video</source>
        <translation>Reiniciar vídeo</translation>
    </message>
    <message>
        <source>Game Type</source>
        <translation>Modo de juego</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Filas</translation>
    </message>
    <message>
        <source>Avi Refresh</source>
        <translation>Refresco AVI</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>You&apos;re current game will be lost.

Are you sure you want to restart?</source>
        <translation>Se perderá la partida en curso.

¿Seguro que quiere volver a empezar?</translation>
    </message>
</context>
</TS>
